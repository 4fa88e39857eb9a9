#include "effect/DocumentationOpener.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>
#include <vector>

#include "EffectTestSupport.h"
#include "presets/FileText.h"
#include "presets/TempDir.h"

namespace {

class DocumentationOpenerTest : public testing::Test {
  protected:
    // A stand-in for the browser launcher: waits until the test lets it go,
    // then writes its arguments, one per line, to `seen`.
    std::string writeOpener() {
        const std::string script = dir / "opener.sh";
        const std::string text =
            "#!/bin/sh\n"
            "i=0\n"
            "while [ ! -e '" +
            dir / "go" +
            "' ] && [ $i -lt 2000 ]; do\n"
            "  sleep 0.01; i=$((i + 1))\n"
            "done\n"
            "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
            dir / "seen.tmp" +
            "'\n"
            "mv '" +
            dir / "seen.tmp" + "' '" + dir / "seen" + "'\n";
        EXPECT_TRUE(writeFileText(script, text));
        EXPECT_EQ(::chmod(script.c_str(), 0755), 0);
        return script;
    }

    TempDir dir;
};

TEST_F(DocumentationOpenerTest, PassesTheAddressAsOneArgumentWithoutAShellAndWithoutWaiting) {
    const DocumentationOpener opener(writeOpener());
    const std::string address = "file:///tmp/a b/$(touch " + dir / "pwned" + ")\"';x.html";
    // Returns while the opener still waits for the go file.
    ASSERT_TRUE(opener.open(address));
    ASSERT_TRUE(writeFileText(dir / "go", ""));
    ASSERT_TRUE(waitForFile(dir / "seen"));
    EXPECT_EQ(readFileText(dir / "seen"), address + "\n");
    EXPECT_NE(::access((dir / "pwned").c_str(), F_OK), 0);
    int status = 0;
    EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(DocumentationOpenerTest, TheProgramInheritsNoDescriptorOfTheHost) {
    // A descriptor the host opened without close-on-exec, far above any the
    // shell opens for itself.
    const int opened = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(opened, 0);
    const int hostFd = ::fcntl(opened, F_DUPFD, 200);
    ::close(opened);
    ASSERT_GE(hostFd, 200);
    const std::string script = dir / "opener.sh";
    const std::string seen = dir / "seen";
    ASSERT_TRUE(writeFileText(script,
                              "#!/bin/sh\n"
                              "if [ -e /proc/$$/fd/" +
                                  std::to_string(hostFd) +
                                  " ]; then r=inherited; else r=closed; fi\n"
                                  "printf '%s' \"$r\" > '" +
                                  seen + ".tmp' && mv '" + seen + ".tmp' '" + seen + "'\n"));
    ASSERT_EQ(::chmod(script.c_str(), 0755), 0);
    const bool started = DocumentationOpener(script).open("file:///x");
    ::close(hostFd);
    ASSERT_TRUE(started);
    ASSERT_TRUE(waitForFile(seen));
    EXPECT_EQ(readFileText(seen), "closed");
}

TEST_F(DocumentationOpenerTest, ReportsAProgramThatCannotStart) {
    EXPECT_FALSE(DocumentationOpener(dir / "no_such_program").open("file:///x"));
    EXPECT_FALSE(DocumentationOpener("ofxfw-no-such-program-on-path").open("file:///x"));
    int status = 0;
    EXPECT_EQ(::waitpid(-1, &status, WNOHANG), -1);
}

TEST_F(DocumentationOpenerTest, AnEmptyAddressStartsNothing) {
    const DocumentationOpener opener(writeOpener());
    EXPECT_FALSE(opener.open(""));
}

TEST(DocumentationAddressTest, EncodesEverythingButPlainPathCharacters) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"/usr/OFX/Plugins/a_b.ofx.bundle/Contents/Resources/doc/index.html",
         "file:///usr/OFX/Plugins/a_b.ofx.bundle/Contents/Resources/doc/index.html"},
        {"/my plugins/x~y-z.html", "file:///my%20plugins/x~y-z.html"},
        {"/q\"'$#?%", "file:///q%22%27%24%23%3F%25"},
        {"/\xC3\xBC", "file:///%C3%BC"},
    };
    for (const auto& [path, address] : cases) {
        EXPECT_EQ(DocumentationOpener::fileAddress(path), address) << path;
    }
}

}  // namespace
