// A stand-in program for the single-instance tests: instance_probe FOLDER SERVE [PATH].
// Settles the single instance on the channel in FOLDER with PATH as its command line and
// prints its role: "first", "second" or "alone". A first run then prints "handoff LENGTH PATH"
// and "front" for each hand-off and exits after SERVE of them (never when SERVE is 0); with
// SERVE -1 it dies at once, as a crash would, leaving its lock and socket behind.
#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "desktop/qt/qt_single_instance.h"

namespace {

using namespace dw::platform;

// Remembers the role the real backend settled on.
class RecordingInstance : public SingleInstance {
  public:
    explicit RecordingInstance(SingleInstance& real) : real_(real) {}
    InstanceRole claim() override { return role = real_.claim(); }
    bool sendHandOff(const std::string& path) override { return real_.sendHandOff(path); }
    InstanceRole role = InstanceRole::Alone;

  private:
    SingleInstance& real_;
};

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 3) {
        return 2;
    }
    const int toServe = std::atoi(argv[2]);
    QtSingleInstance instance(instanceChannelIn(argv[1]));
    int served = 0;
    instance.setReceivers({[&](std::string path) {
                               say("handoff " + std::to_string(path.size()) + " " + path);
                               if (++served == toServe) {
                                   QCoreApplication::quit();
                               }
                           },
                           [] { say("front"); }});
    RecordingInstance recording(instance);
    const std::optional<std::string> path =
        argc > 3 ? std::optional<std::string>(argv[3]) : std::nullopt;
    if (settleSingleInstance(recording, path) == StartDecision::Exit) {
        say("second");
        return 0;
    }
    if (recording.role == InstanceRole::Alone) {
        say("alone");
        return 0;
    }
    say("first");
    if (toServe < 0) {
        std::raise(SIGKILL);
    }
    return application.exec();
}
