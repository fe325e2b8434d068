#include "desktop/qt/qt_single_instance.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include "desktop/hand_off_frame.h"

namespace dw::platform {
namespace {

// How long a second run waits for a first run that holds the lock but does not listen yet
// (it has just started). Past this it reports that the hand-off failed.
constexpr qint64 kSettleMillis = 10000;
constexpr unsigned long kRetryMillis = 20;
constexpr int kWriteMillis = 5000;

}  // namespace

QtSingleInstance::QtSingleInstance(std::optional<InstanceChannel> channel, QObject* parent)
    : QObject(parent), channel_(std::move(channel)) {}

QtSingleInstance::~QtSingleInstance() = default;

InstanceRole QtSingleInstance::claim() {
    if (!channel_) {
        return InstanceRole::Alone;
    }
    lock_ = std::make_unique<QLockFile>(QString::fromStdString(channel_->lockPath));
    // Only a dead holder makes a lock stale, never its age: a run may last for days.
    lock_->setStaleLockTime(0);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (lock_->tryLock(0)) {
            listen();
            return InstanceRole::First;
        }
        // A lock file that cannot be made or read says nothing about a program to talk to.
        if (lock_->error() != QLockFile::LockFailedError || lockIsForeign(channel_->lockPath)) {
            return InstanceRole::Alone;
        }
        switch (connectToFirst()) {
            case Connection::Made:
                return InstanceRole::Second;
            case Connection::Stranger:
                return InstanceRole::Alone;
            case Connection::NoAnswer:
                break;
        }
        // Its hand-off then fails, and says so.
        if (waited.elapsed() > kSettleMillis) {
            return InstanceRole::Second;
        }
        QThread::msleep(kRetryMillis);
    }
}

QtSingleInstance::Connection QtSingleInstance::connectToFirst() {
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(QString::fromStdString(channel_->socketPath));
    if (!socket->waitForConnected(kWriteMillis)) {
        return Connection::NoAnswer;
    }
    if (!peerIsThisUser(int(socket->socketDescriptor()))) {
        socket->abort();
        return Connection::Stranger;
    }
    client_ = std::move(socket);
    return Connection::Made;
}

bool QtSingleInstance::sendHandOff(const std::string& path) {
    if (!client_ || client_->state() != QLocalSocket::ConnectedState) {
        return false;
    }
    const std::string frame = encodeHandOff(path);
    if (client_->write(frame.data(), qint64(frame.size())) != qint64(frame.size())) {
        return false;
    }
    // Written into the socket is enough: the first run reads it whenever it gets to it.
    while (client_->bytesToWrite() > 0) {
        if (!client_->waitForBytesWritten(kWriteMillis)) {
            return false;
        }
    }
    client_->disconnectFromServer();
    return true;
}

void QtSingleInstance::listen() {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = QString::fromStdString(channel_->socketPath);
    // Holding the lock, any socket file there is a crashed run's.
    QLocalServer::removeServer(name);
    if (server_->listen(name)) {
        connect(server_, &QLocalServer::newConnection, this, &QtSingleInstance::accept);
    }
}

void QtSingleInstance::accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        if (!peerIsThisUser(int(socket->socketDescriptor()))) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto decoder = std::make_shared<HandOffDecoder>();
        auto drain = [this, socket, decoder] {
            const QByteArray bytes = socket->readAll();
            decoder->feed({bytes.constData(), std::size_t(bytes.size())});
            while (std::optional<std::string> path = decoder->next()) {
                if (path->empty()) {
                    continue;
                }
                if (receivers_.queueHandOff) {
                    receivers_.queueHandOff(std::move(*path));
                }
                if (receivers_.bringToFront) {
                    receivers_.bringToFront();
                }
            }
            if (decoder->broken() && socket->state() != QLocalSocket::UnconnectedState) {
                socket->abort();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, drain);
        connect(socket, &QLocalSocket::disconnected, this, [socket, drain] {
            drain();
            socket->deleteLater();
        });
        drain();
    }
}

}  // namespace dw::platform
