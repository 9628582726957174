// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleInstance.h"

#include "platform/HandoverFrame.h"
#include "platform/LocalConnection.h"
#include "platform/LocalListener.h"
#include "platform/LocalSend.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
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
// Connections the kernel queues while this copy is busy; beyond them a later copy waits to connect.
constexpr int listenBacklog = 4 * SingleInstance::maxConnections;

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
    if (listener_)
        listener_->close();
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
        const QDeadlineTimer attempt(std::max<qint64>(until.remainingTime(), retryPauseMs));
        if (sendToLocalSocket(names_.serverName, frame, attempt))
            return Role::Secondary;
        if (until.hasExpired())
            return Role::Unreachable;
        QThread::msleep(std::clamp<qint64>(until.remainingTime(), 1, retryPauseMs));
    }
}

void SingleInstance::listen() {
    // Only the lock owner comes here, so a socket file already at the path belongs to a copy that
    // died: the listener replaces it.
    listener_ = new LocalListener(this);
    connect(listener_, &LocalListener::pending, this, &SingleInstance::acceptPending);
    QString error;
    if (!listener_->listen(names_.serverName, listenBacklog, &error))
        qWarning("Orvane: cannot listen on %s: %s", qPrintable(names_.serverName), qPrintable(error));
}

void SingleInstance::acceptPending() {
    // A bounded batch, so a flood of connections cannot hold the event loop; the listener signals
    // again for the rest.
    for (int taken = 0; taken < maxConnections; ++taken) {
        UniqueFd fd = listener_->accept();
        if (!fd)
            return;
        // At the cap, the connection served longest makes room: a copy of the program writes its
        // whole message the moment it connects, so only a connection that never will is still open.
        if (connections_.size() >= maxConnections)
            closeConnection(connections_.first());
        // Reading one byte past the largest frame is enough to tell that the sender sent too much.
        auto* connection = new LocalConnection(std::move(fd), maxFrame + 1, this);
        connections_.append(connection);

        auto* timer = new QTimer(connection);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, connection] { closeConnection(connection); });
        timer->start(connectionTimeout_);

        connect(connection, &LocalConnection::changed, this, [this, connection] { readFrom(connection); });
        // Bytes, or the whole exchange, may have arrived while the connection waited in the queue.
        connection->readAvailable();
    }
}

void SingleInstance::readFrom(LocalConnection* connection) {
    if (!connections_.contains(connection))
        return;
    handover::Message message;
    const handover::Parsed parsed = handover::parseFrame(connection->received(), &message);
    if (parsed == handover::Parsed::Incomplete && !connection->ended())
        return;
    if (parsed == handover::Parsed::Complete) {
        // Queued, so slots that show windows run from the event loop and not inside this handler.
        QMetaObject::invokeMethod(
            this, [this, message] { emit activationRequested(message.title, message.token); },
            Qt::QueuedConnection);
    }
    closeConnection(connection);
}

void SingleInstance::closeConnection(LocalConnection* connection) {
    if (!connections_.removeOne(connection))
        return;
    connection->disconnect(this);
    connection->close();
    connection->deleteLater();
}

} // namespace platform
