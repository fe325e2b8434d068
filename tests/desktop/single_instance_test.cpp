#include <gtest/gtest.h>

#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "desktop/instance_channel.h"
#include "tests/desktop/other_user.h"
#include "tests/support/file_contents.h"
#include "tests/support/temp_dir.h"

namespace dw::platform {
namespace {

namespace fs = std::filesystem;

// One run of instance_probe (see there), read line by line.
class Probe {
  public:
    Probe(const fs::path& folder, int serve, const std::string& path, const fs::path& work) {
        const std::string command =
            "cd '" + work.string() + "' && exec '" DAUBWERK_PROBE_PATH "' '" + folder.string() +
            "' " + std::to_string(serve) + (path.empty() ? "" : " '" + path + "'");
        pipe_ = popen(command.c_str(), "r");
    }
    ~Probe() { finish(); }
    std::string line() {
        std::string text;
        for (int c = std::fgetc(pipe_); c != EOF && c != '\n'; c = std::fgetc(pipe_)) {
            text += char(c);
        }
        return text;
    }
    int finish() {
        if (!pipe_) {
            return -1;
        }
        // Read to the end: a closed pipe would kill a probe that still writes.
        while (std::fgetc(pipe_) != EOF) {
        }
        const int status = pclose(pipe_);
        pipe_ = nullptr;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    FILE* pipe_ = nullptr;
};

std::string handOff(const std::string& path) {
    return "handoff " + std::to_string(path.size()) + " " + path;
}

class SingleInstanceRuns : public ::testing::Test {
  protected:
    SingleInstanceRuns() {
        fs::create_directories(channel);
        fs::permissions(channel, fs::perms::owner_all);
        fs::create_directories(work);
    }

    test::TempDir dir;
    fs::path channel = dir.path() / "run";
    fs::path work = dir.path() / "work";
};

TEST_F(SingleInstanceRuns, SecondStartsHandOverWholePathsOnlyAndExitZero) {
    Probe first(channel, 1, "", work);
    ASSERT_EQ(first.line(), "first");
    Probe bare(channel, 0, "", work);
    EXPECT_EQ(bare.line(), "second");
    EXPECT_EQ(bare.finish(), 0);
    EXPECT_FALSE(fs::exists(work / "dw_sendfile_to_app.txt"));
    const std::string path = "/home/a b/" + std::string(5000, 'x') + "/painting.pai";
    Probe second(channel, 0, path, work);
    EXPECT_EQ(second.line(), "second");
    EXPECT_EQ(second.finish(), 0);
    // The first thing the running program hears of is the start with a path.
    EXPECT_EQ(first.line(), handOff(path));
    EXPECT_EQ(first.line(), "front");
    EXPECT_EQ(first.finish(), 0);
    EXPECT_EQ(test::fileText(work / "dw_sendfile_to_app.txt"), path);
}

TEST_F(SingleInstanceRuns, TwoStartsAtOnceEndWithOneRunningThatHasTheOthersFile) {
    for (int round = 0; round < 4; ++round) {
        Probe a(channel, 1, "/a.pai", work);
        Probe b(channel, 1, "/b.pai", work);
        const std::string roleA = a.line();
        const std::string roleB = b.line();
        ASSERT_TRUE((roleA == "first" && roleB == "second") ||
                    (roleA == "second" && roleB == "first"))
            << roleA << " / " << roleB;
        EXPECT_EQ((roleA == "first" ? a : b).line(),
                  handOff(roleA == "first" ? "/b.pai" : "/a.pai"));
        EXPECT_EQ(a.finish(), 0);
        EXPECT_EQ(b.finish(), 0);
    }
}

TEST_F(SingleInstanceRuns, LockAndSocketOfACrashedRunDoNotStopTheNextStart) {
    Probe crashed(channel, -1, "", work);
    ASSERT_EQ(crashed.line(), "first");
    crashed.finish();
    ASSERT_FALSE(fs::is_empty(channel));
    Probe next(channel, 1, "", work);
    ASSERT_EQ(next.line(), "first");
    Probe second(channel, 0, "/p.pai", work);
    EXPECT_EQ(second.finish(), 0);
    EXPECT_EQ(next.line(), handOff("/p.pai"));
}

TEST_F(SingleInstanceRuns, FolderOthersCanWriteOrALinkIsNotTrusted) {
    fs::permissions(channel, fs::perms::all);
    Probe probe(channel, 0, "/p.pai", work);
    EXPECT_EQ(probe.line(), "alone");
    fs::create_directory_symlink(work, dir.path() / "link");
    EXPECT_EQ(instanceChannelIn(dir.path() / "link"), std::nullopt);
    EXPECT_EQ(instanceChannelIn(dir.path() / std::string(120, 'n')), std::nullopt);
}

class AnotherUser : public SingleInstanceRuns {
  protected:
    void SetUp() override {
        if (!test::runningAsRoot()) {
            GTEST_SKIP() << "needs root to act as a second user";
        }
    }
};

// A lock held by a live run: one on another machine is never taken for dead.
std::string holdLock(const fs::path& channel) {
    const InstanceChannel names = *instanceChannelIn(channel);
    std::ofstream(names.lockPath) << "4242\ndaubwerk\nanother-host\n";
    return names.lockPath;
}

TEST_F(AnotherUser, TheirLockLeavesTheRunAlone) {
    ASSERT_EQ(chown(holdLock(channel).c_str(), test::kNobody, test::kNobody), 0);
    Probe probe(channel, 0, "/p.pai", work);
    EXPECT_EQ(probe.line(), "alone");
    EXPECT_FALSE(fs::exists(work / "dw_sendfile_to_app.txt"));
}

TEST_F(AnotherUser, TheirSocketNeverGetsThePath) {
    holdLock(channel);
    // Another user's program listens where this user's first run would.
    fs::permissions(dir.path(), fs::perms::others_exec, fs::perm_options::add);
    fs::create_directory(dir.path() / "theirs");
    test::giveToNobody(dir.path() / "theirs");
    const std::string theirs = (dir.path() / "theirs" / "s").string();
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t stranger = fork();
    if (stranger == 0) {
        sockaddr_un address{AF_UNIX, {}};
        theirs.copy(address.sun_path, sizeof(address.sun_path) - 1);
        const int server = socket(AF_UNIX, SOCK_STREAM, 0);
        const bool listening =
            setgid(test::kNobody) == 0 && setuid(test::kNobody) == 0 &&
            bind(server, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
            listen(server, 8) == 0;
        _exit(write(ready[1], listening ? "y" : "n", 1) == 1 ? pause() : 1);
    }
    close(ready[1]);
    char answer = 0;
    ASSERT_EQ(read(ready[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');
    fs::rename(theirs, instanceChannelIn(channel)->socketPath);
    Probe second(channel, 0, "/secret.pai", work);
    EXPECT_EQ(second.line(), "alone");
    kill(stranger, SIGKILL);
    waitpid(stranger, nullptr, 0);
    close(ready[0]);
}

}  // namespace
}  // namespace dw::platform
