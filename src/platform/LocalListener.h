// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the listening end of a local stream socket that only this user can reach, driven by the
// event loop: POSIX sockets under a QSocketNotifier, so the program needs no network module.
#pragma once

#include "platform/UniqueFd.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <sys/types.h>

class QSocketNotifier;

namespace platform {

class LocalListener : public QObject {
    Q_OBJECT
  public:
    // After the kernel refuses a connection for want of descriptors or memory, how long the
    // listener rests before it tries again.
    static constexpr std::chrono::milliseconds acceptPause{100};

    explicit LocalListener(QObject* parent = nullptr);
    ~LocalListener() override;

    // Listens on a socket file at path with mode 0600. The socket is bound in a private folder
    // (mode 0700) beside path and then renamed onto it, so it is never reachable with looser
    // permissions, and whatever file was at path is replaced: only the owner of the path (the
    // single-instance lock) may call this. backlog: connections the kernel queues before accept.
    // On failure nothing is left behind and error says why.
    bool listen(const QString& path, int backlog, QString* error = nullptr);

    // Stops listening and removes the socket file, unless another one has replaced it since.
    void close();

    bool isListening() const { return bool(fd_); }

    // One waiting connection, non-blocking and closed on exec; an empty descriptor when none waits.
    UniqueFd accept();

  signals:
    // Connections wait: accept() them. Emitted again from the event loop while any still wait.
    void pending();

  private:
    void pause();

    UniqueFd fd_;
    QSocketNotifier* notifier_ = nullptr;
    QByteArray path_;  // the socket file, in the file system's encoding
    dev_t device_ = 0; // and which file it is, so a newer one at the same path is left alone
    ino_t inode_ = 0;
};

} // namespace platform
