// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the sending end of a local stream socket: connect, write one message, close.
#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

namespace platform {

// Connects to the stream socket at path, writes all of bytes and closes the connection. True once
// every byte is in the listener's queue. False at once when nobody listens there (no socket file,
// or a stale one), and false when the listener's queue stays full or the bytes do not all go out
// before the deadline. Never blocks past the deadline and never raises SIGPIPE.
bool sendToLocalSocket(const QString& path, const QByteArray& bytes, QDeadlineTimer deadline);

} // namespace platform
