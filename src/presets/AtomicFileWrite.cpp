#include "presets/AtomicFileWrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// Hidden and without the ".xml" suffix, so a leftover from a crash never shows
// up as a preset.
constexpr const char* TEMP_PATTERN = "/.preset-XXXXXX.tmp";
constexpr int TEMP_SUFFIX_LENGTH = 4;

std::string describeErrno(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

// The directory the target will live in, as the kernel resolves it.
std::string directoryOf(const std::string& path) {
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Owns the descriptor and the name of the temporary file until it has been
// renamed into place.
class TemporaryFile {
  public:
    TemporaryFile(int fd, std::string path) : _fd(fd), _path(std::move(path)) {}
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        if (_fd >= 0) {
            ::close(_fd);
        }
        if (!_committed) {
            ::unlink(_path.c_str());
        }
    }

    int fd() const { return _fd; }
    const std::string& path() const { return _path; }

    // Closes the descriptor, reporting whether the data reached the file.
    bool close() {
        const int fd = _fd;
        _fd = -1;
        return ::close(fd) == 0;
    }
    void commit() { _committed = true; }

  private:
    int _fd;
    std::string _path;
    bool _committed = false;
};

bool writeAll(int fd, const std::string& contents) {
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace

bool writeFileAtomically(const std::string& path, const std::string& contents, std::string& error) {
    // The C interfaces would silently cut the name at the NUL and write elsewhere.
    if (path.find('\0') != std::string::npos) {
        error = "the path holds a NUL character";
        return false;
    }

    const std::string pattern = directoryOf(path) + TEMP_PATTERN;
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemps(name.data(), TEMP_SUFFIX_LENGTH);
    if (fd < 0) {
        error = describeErrno("cannot create a temporary file in " + directoryOf(path));
        return false;
    }
    TemporaryFile temp(fd, name.data());

    // mkstemps makes the file private; a preset is an ordinary user document.
    if (::fchmod(temp.fd(), 0644) != 0) {
        error = describeErrno("cannot set the permissions of " + temp.path());
        return false;
    }
    if (!writeAll(temp.fd(), contents)) {
        error = describeErrno("cannot write " + temp.path());
        return false;
    }
    if (!temp.close()) {
        error = describeErrno("cannot close " + temp.path());
        return false;
    }
    if (std::rename(temp.path().c_str(), path.c_str()) != 0) {
        error = describeErrno("cannot replace " + path);
        return false;
    }
    temp.commit();
    return true;
}
