// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include "platform/HandoverFrame.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace platform {

namespace {

// sun_path holds 108 bytes; leave room for the terminator and a margin.
constexpr int maxSocketPath = 100;
constexpr int retryPauseMs = 50;
constexpr int maxFrame = handover::kMaxFrame;

} // namespace

SingleInstance::Names SingleInstance::defaultNames() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::homePath(); // still private to the user, unlike the shared temp directory
    dir = QDir(dir).absolutePath();

    Names names{dir + QStringLiteral("/orvane-instance.lock"),
                dir + QStringLiteral("/orvane-instance.socket")};
    if (QFile::encodeName(names.serverName).size() > maxSocketPath) {
        // A deep runtime directory: derive a short name from the long path, so it stays the same
        // for every copy started with this directory.
        const QByteArray hash =
            QCryptographicHash::hash(QFile::encodeName(names.serverName), QCryptographicHash::Sha256);
        names.serverName = dir + QStringLiteral("/orvane-") + QString::fromLatin1(hash.toHex().left(8));
    }
    return names;
}

SingleInstance::SingleInstance(Names names, QObject* parent)
    : QObject(parent), names_(std::move(names)), lock_(names_.lockPath) {
    // A lock is stale only when its owner process is gone; its age says nothing, since a first copy
    // may run for days.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    // Remove our socket file before giving up the lock, so a new owner's socket is never removed.
    if (server_)
        server_->close();
    lock_.unlock();
}

SingleInstance::Role SingleInstance::start(const QString& title, std::chrono::milliseconds deadline,
                                           const QString& activationToken) {
    const QByteArray frame = handover::encodeFrame({title, activationToken});
    const QDeadlineTimer until(deadline);
    for (;;) {
        if (lock_.tryLock(0)) {
            listen();
            return Role::Primary;
        }
        // The owner may not be listening yet; keep trying until it is or the lock becomes free.
        if (deliver(frame, int(std::max<qint64>(until.remainingTime(), retryPauseMs))))
            return Role::Secondary;
        if (until.hasExpired())
            return Role::Unreachable;
        QThread::msleep(std::clamp<qint64>(until.remainingTime(), 1, retryPauseMs));
    }
}

void SingleInstance::listen() {
    // Only the lock owner may remove a socket file: one left here belongs to a copy that died.
    QLocalServer::removeServer(names_.serverName);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Connections beyond the ones served wait in this queue rather than being refused.
    server_->setMaxPendingConnections(4 * maxConnections);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptPending);
    if (!server_->listen(names_.serverName))
        qWarning("Orvane: cannot listen on %s: %s", qPrintable(names_.serverName),
                 qPrintable(server_->errorString()));
}

bool SingleInstance::deliver(const QByteArray& frame, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(names_.serverName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(frame);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(timeoutMs))
            return false;
    }
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::acceptPending() {
    while (server_->hasPendingConnections()) {
        // At the cap, the connection served longest makes room: a copy of the program writes its
        // whole message the moment it connects, so only a connection that never will is still open.
        if (connections_.size() >= maxConnections && !arrivalOrder_.isEmpty())
            closeConnection(arrivalOrder_.first());
        QLocalSocket* socket = server_->nextPendingConnection();
        connections_.insert(socket, {});
        arrivalOrder_.append(socket);
        socket->setReadBufferSize(maxFrame + 1);

        auto* timer = new QTimer(socket);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, socket] { closeConnection(socket); });
        timer->start(connectionTimeout_);

        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] { closeConnection(socket); });
        // Bytes, or the whole exchange, may have arrived while the connection waited in the queue.
        readFrom(socket);
        if (connections_.contains(socket) && socket->state() != QLocalSocket::ConnectedState)
            closeConnection(socket);
    }
}

void SingleInstance::readFrom(QLocalSocket* socket) {
    const auto it = connections_.find(socket);
    if (it == connections_.end())
        return;
    QByteArray& data = it.value();
    // Reading one byte past the largest frame is enough to tell that the sender sent too much.
    data += socket->read(maxFrame + 1 - data.size());

    handover::Message message;
    const handover::Parsed parsed = handover::parseFrame(data, &message);
    if (parsed == handover::Parsed::Incomplete)
        return;
    if (parsed == handover::Parsed::Complete) {
        // Queued, so slots that show windows run from the event loop and not inside this handler.
        QMetaObject::invokeMethod(
            this, [this, message] { emit activationRequested(message.title, message.token); },
            Qt::QueuedConnection);
    }
    closeConnection(socket);
}

void SingleInstance::closeConnection(QLocalSocket* socket) {
    if (!connections_.remove(socket))
        return;
    arrivalOrder_.removeOne(socket);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

} // namespace platform
