// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - one accepted local stream connection: gathers what the peer sends, up to a limit,
// without ever blocking the event loop.
#pragma once

#include "platform/UniqueFd.h"

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

namespace platform {

class LocalConnection : public QObject {
    Q_OBJECT
  public:
    // limit: the most bytes ever kept; reading stops there, so a peer that sends more cannot make
    // this copy hold more.
    LocalConnection(UniqueFd fd, qsizetype limit, QObject* parent = nullptr);
    ~LocalConnection() override;

    const QByteArray& received() const { return received_; }
    // Nothing more will arrive: the peer closed its end, or the connection failed or was closed.
    bool ended() const { return !fd_ || ended_; }

    // Reads what has arrived so far, and emits changed() if any bytes came or the end was seen.
    // The event loop calls it whenever the peer sends; call it once at the start too, for bytes
    // that came before the connection was taken in.
    void readAvailable();
    // Closes the connection now; no signal follows.
    void close();

  signals:
    void changed();

  private:
    UniqueFd fd_;
    QSocketNotifier* notifier_ = nullptr;
    QByteArray received_;
    qsizetype limit_;
    bool ended_ = false;
};

} // namespace platform
