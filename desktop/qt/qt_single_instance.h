#pragma once

#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "desktop/instance_channel.h"
#include "desktop/single_instance.h"

class QLocalServer;
class QLocalSocket;

namespace dw::platform {

// What the first run does with a hand-off. Both are called on the GUI thread from inside
// Qt's event delivery (also while a modal dialog runs): they must only queue or raise.
struct HandOffReceivers {
    std::function<void(std::string path)> queueHandOff;
    std::function<void()> bringToFront;
};

// The single instance over a lock file (QLockFile: a lock whose holder died is taken over)
// and a local socket. Needs a QCoreApplication; the first run serves hand-offs whenever Qt
// delivers events.
class QtSingleInstance final : public QObject, public SingleInstance {
  public:
    // Nothing as the channel: no private folder could be had, so the run stays alone.
    explicit QtSingleInstance(std::optional<InstanceChannel> channel, QObject* parent = nullptr);
    ~QtSingleInstance() override;

    void setReceivers(HandOffReceivers receivers) { receivers_ = std::move(receivers); }

    InstanceRole claim() override;
    bool sendHandOff(const std::string& path) override;

  private:
    enum class Connection { Made, NoAnswer, Stranger };

    void listen();
    void accept();
    Connection connectToFirst();

    std::optional<InstanceChannel> channel_;
    HandOffReceivers receivers_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    std::unique_ptr<QLocalSocket> client_;
};

}  // namespace dw::platform
