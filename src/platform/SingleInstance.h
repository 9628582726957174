// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - one running copy per user: later copies hand a window title, and the activation token
// they were started with, to the first one and end.
#pragma once

#include "platform/HandoverFrame.h"

#include <QByteArray>
#include <QList>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <chrono>

namespace platform {

class LocalConnection;
class LocalListener;

// The first copy holds a lock file and listens on a private local stream socket (LocalListener.h,
// plain POSIX sockets: the program loads no network module). A later copy sends it one framed
// message (HandoverFrame.h): the title, and the token when it has one.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    struct Names {
        QString lockPath;
        QString serverName; // an absolute socket path; a bare name would land in the shared /tmp
    };
    // Unreachable: another copy holds the lock but took no message before the deadline.
    enum class Role { Primary, Secondary, Unreachable };
    Q_ENUM(Role)

    static constexpr int maxPayload = handover::kMaxPayload;
    // How long a later copy keeps trying to hand its title over before it gives up.
    static constexpr std::chrono::milliseconds handOverDeadline = std::chrono::seconds(3);
    // Connections served at once; a later copy's message arrives at once unless all are held.
    static constexpr int maxConnections = 64;

    // Per-user names under the runtime directory ($XDG_RUNTIME_DIR).
    static Names defaultNames();

    explicit SingleInstance(Names names, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Call once. Primary: this copy owns the lock and listens. Secondary: the title (and the
    // activation token, if not empty) reached the first copy, and this copy should end.
    // Unreachable: the lock is held but the message could not be delivered before the deadline.
    Role start(const QString& title, std::chrono::milliseconds deadline = handOverDeadline,
               const QString& activationToken = {});

    // How long a connection may take to deliver its whole message before it is dropped.
    void setConnectionTimeout(std::chrono::milliseconds timeout) { connectionTimeout_ = timeout; }

  signals:
    // Emitted from the event loop, never from inside the socket's read handler. The token is
    // empty when the later copy had none, or is an older copy that sends none.
    void activationRequested(const QString& title, const QString& activationToken);

  private:
    void listen();
    void acceptPending();
    void readFrom(LocalConnection* connection);
    void closeConnection(LocalConnection* connection);

    Names names_;
    QLockFile lock_;
    LocalListener* listener_ = nullptr;
    QList<LocalConnection*> connections_; // the open connections, oldest first
    // A later copy writes its whole message as soon as it connects; anything slower is dropped fast.
    std::chrono::milliseconds connectionTimeout_{250};
};

} // namespace platform
