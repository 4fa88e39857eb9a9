#include "effect/DocumentationOpener.h"

#include <errno.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <utility>
#include <vector>

extern char** environ;

namespace {

std::vector<char> cString(const std::string& text) {
    std::vector<char> copy(text.begin(), text.end());
    copy.push_back('\0');
    return copy;
}

// Owns the file actions of one spawn: the program gets /dev/null as its
// standard input and output, so it can neither read nor write the host's, and
// none of the host's other descriptors: a browser it starts may outlive the
// host and would keep its files, pipes and sockets open.
class QuietFileActions {
  public:
    QuietFileActions() {
        _ready = ::posix_spawn_file_actions_init(&_actions) == 0;
        if (_ready) {
            ::posix_spawn_file_actions_addopen(&_actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
            ::posix_spawn_file_actions_addopen(&_actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
            ::posix_spawn_file_actions_addclosefrom_np(&_actions, STDERR_FILENO + 1);
        }
    }
    ~QuietFileActions() {
        if (_ready) {
            ::posix_spawn_file_actions_destroy(&_actions);
        }
    }
    QuietFileActions(const QuietFileActions&) = delete;
    QuietFileActions& operator=(const QuietFileActions&) = delete;

    const posix_spawn_file_actions_t* get() const { return _ready ? &_actions : nullptr; }

  private:
    posix_spawn_file_actions_t _actions{};
    bool _ready = false;
};

}  // namespace

DocumentationOpener::DocumentationOpener(std::string program) : _program(std::move(program)) {}

bool DocumentationOpener::open(const std::string& address) const {
    if (address.empty() || _program.empty()) {
        return false;
    }
    // Everything the child needs is prepared here: after fork only the spawn
    // and _exit run.
    std::vector<char> program = cString(_program);
    std::vector<char> argument = cString(address);
    char* const argv[] = {program.data(), argument.data(), nullptr};
    const QuietFileActions actions;

    const pid_t child = ::fork();
    if (child < 0) {
        return false;
    }
    if (child == 0) {
        pid_t grandchild = 0;
        const int status =
            ::posix_spawnp(&grandchild, argv[0], actions.get(), nullptr, argv, environ);
        ::_exit(status == 0 ? 0 : 127);
    }
    // The child leaves as soon as the program has started.
    int status = 0;
    pid_t waited = 0;
    do {
        waited = ::waitpid(child, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited < 0) {
        // A host that ignores SIGCHLD has the child reaped for it.
        return errno == ECHILD;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string DocumentationOpener::fileAddress(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string address = "file://";
    for (const char c : path) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                           byte == '_' || byte == '~' || byte == '/';
        if (plain) {
            address += c;
        } else {
            address += '%';
            address += kHex[byte >> 4];
            address += kHex[byte & 0x0F];
        }
    }
    return address;
}
