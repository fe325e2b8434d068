#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <optional>

#include "platform/instance_channel.h"
#include "tests/desktop/other_user.h"
#include "tests/support/temp_dir.h"

extern char** environ;

namespace dw::platform {
namespace {

namespace fs = std::filesystem;

// One run of instance_probe, its standard output read line by line.
class Probe {
  public:
    Probe(const fs::path& folder, int serve, const std::optional<std::string>& path,
          const fs::path& workingFolder) {
        int out[2];
        if (pipe(out) != 0) {
            return;
        }
        std::vector<std::string> args = {DAUBWERK_PROBE_PATH, folder.string(),
                                         std::to_string(serve)};
        if (path) {
            args.push_back(*path);
        }
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
        posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        output_ = out[0];
    }
    ~Probe() {
        if (pid_ > 0 && !exited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        close(output_);
    }

    // The next line, or "" once the output ends. A hang guard, not a speed check.
    std::string line() {
        for (;;) {
            const std::size_t end = buffer_.find('\n');
            if (end != std::string::npos) {
                std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return line;
            }
            pollfd ready{output_, POLLIN, 0};
            if (poll(&ready, 1, 60000) <= 0) {
                return "";
            }
            char chunk[65536];
            const ssize_t got = read(output_, chunk, sizeof(chunk));
            if (got <= 0) {
                return "";
            }
            buffer_.append(chunk, std::size_t(got));
        }
    }
    int exitStatus() {
        int status = 0;
        waitpid(pid_, &status, 0);
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void killHard() {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        exited_ = true;
    }

  private:
    pid_t pid_ = -1;
    int output_ = -1;
    bool exited_ = false;
    std::string buffer_;
};

std::string handOffLine(const std::string& path) {
    return "handoff " + std::to_string(path.size()) + " " + path;
}

class SingleInstanceRuns : public ::testing::Test {
  protected:
    SingleInstanceRuns() {
        fs::create_directories(channel);
        fs::permissions(channel, fs::perms::owner_all);
        fs::create_directories(work);
    }
    std::optional<std::string> handOffFile() const {
        std::ifstream in(work / "dw_sendfile_to_app.txt", std::ios::binary);
        if (!in) {
            return std::nullopt;
        }
        return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    test::TempDir dir;
    fs::path channel = dir.path() / "run";
    fs::path work = dir.path() / "work";
};

TEST_F(SingleInstanceRuns, SecondStartHandsItsWholePathOverAndExitsZero) {
    Probe first(channel, 1, std::nullopt, work);
    ASSERT_EQ(first.line(), "first");
    const std::string path = "/home/a b/" + std::string(5000, 'x') + "/painting.pai";
    Probe second(channel, 0, path, work);
    EXPECT_EQ(second.line(), "second");
    EXPECT_EQ(second.exitStatus(), 0);
    EXPECT_EQ(first.line(), handOffLine(path));
    EXPECT_EQ(first.line(), "front");
    EXPECT_EQ(first.exitStatus(), 0);
    EXPECT_EQ(handOffFile(), path);
}

TEST_F(SingleInstanceRuns, SecondStartWithoutAPathHandsNothingOver) {
    Probe first(channel, 1, std::nullopt, work);
    ASSERT_EQ(first.line(), "first");
    Probe bare(channel, 0, std::nullopt, work);
    EXPECT_EQ(bare.line(), "second");
    EXPECT_EQ(bare.exitStatus(), 0);
    EXPECT_EQ(handOffFile(), std::nullopt);
    Probe third(channel, 0, "/p.pai", work);
    EXPECT_EQ(third.exitStatus(), 0);
    // The first thing the running program hears of is the third start.
    EXPECT_EQ(first.line(), handOffLine("/p.pai"));
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
        Probe& first = roleA == "first" ? a : b;
        EXPECT_EQ(first.line(), handOffLine(roleA == "first" ? "/b.pai" : "/a.pai"));
        EXPECT_EQ(a.exitStatus(), 0);
        EXPECT_EQ(b.exitStatus(), 0);
    }
}

TEST_F(SingleInstanceRuns, LockAndSocketOfAKilledRunDoNotStopTheNextStart) {
    Probe crashed(channel, 0, std::nullopt, work);
    ASSERT_EQ(crashed.line(), "first");
    crashed.killHard();
    ASSERT_FALSE(fs::is_empty(channel));
    Probe next(channel, 1, std::nullopt, work);
    ASSERT_EQ(next.line(), "first");
    Probe second(channel, 0, "/p.pai", work);
    EXPECT_EQ(second.exitStatus(), 0);
    EXPECT_EQ(next.line(), handOffLine("/p.pai"));
}

TEST_F(SingleInstanceRuns, FolderOthersCanWriteIsNotTrusted) {
    fs::permissions(channel, fs::perms::all);
    EXPECT_EQ(instanceChannelIn(channel), std::nullopt);
    Probe probe(channel, 0, "/p.pai", work);
    EXPECT_EQ(probe.line(), "alone");
    EXPECT_FALSE(handOffFile());
    EXPECT_EQ(instanceChannelIn(dir.path() / "missing"), std::nullopt);
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

TEST_F(AnotherUser, LockFileOfAnotherUserLeavesTheRunAlone) {
    const InstanceChannel names = *instanceChannelIn(channel);
    // A holder on another machine is never taken for dead.
    std::ofstream(names.lockPath) << "4242\ndaubwerk\nanother-host\n";
    ASSERT_EQ(chown(names.lockPath.c_str(), test::kNobody, test::kNobody), 0);
    Probe probe(channel, 0, "/p.pai", work);
    EXPECT_EQ(probe.line(), "alone");
    EXPECT_FALSE(handOffFile());
}

TEST_F(AnotherUser, SocketOfAnotherUsersProgramNeverGetsThePath) {
    Probe first(channel, 1, std::nullopt, work);
    ASSERT_EQ(first.line(), "first");
    // Another user's program listens on a socket put where the first run's was.
    const fs::path theirs = dir.path() / "theirs";
    fs::permissions(dir.path(), fs::perms::others_exec, fs::perm_options::add);
    fs::create_directory(theirs);
    ASSERT_EQ(chown(theirs.c_str(), test::kNobody, test::kNobody), 0);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t stranger = fork();
    if (stranger == 0) {
        if (setgid(test::kNobody) != 0 || setuid(test::kNobody) != 0) {
            _exit(1);
        }
        const int server = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::snprintf(address.sun_path, sizeof(address.sun_path), "%s/s", theirs.c_str());
        if (bind(server, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
            listen(server, 8) != 0 || write(ready[1], "r", 1) != 1) {
            _exit(1);
        }
        pause();
        _exit(0);
    }
    close(ready[1]);
    char signal = 0;
    ASSERT_EQ(read(ready[0], &signal, 1), 1);
    const InstanceChannel names = *instanceChannelIn(channel);
    fs::rename(theirs / "s", names.socketPath);
    Probe second(channel, 0, "/secret.pai", work);
    EXPECT_EQ(second.line(), "alone");
    EXPECT_FALSE(handOffFile());
    kill(stranger, SIGKILL);
    waitpid(stranger, nullptr, 0);
    close(ready[0]);
}

}  // namespace
}  // namespace dw::platform
