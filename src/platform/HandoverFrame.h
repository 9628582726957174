// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the one message a later copy of the program sends the first: a window title, framed as
// version byte 1, a 2-byte big-endian length, then at most 1024 bytes of UTF-8.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform::handover {

inline constexpr int kMaxPayload = 1024;
inline constexpr int kHeaderSize = 3;
inline constexpr int kMaxFrame = kHeaderSize + kMaxPayload;

// The frame of a title; a longer title is cut at a character boundary to fit.
QByteArray encodeFrame(const QString& title);

enum class Parsed { Incomplete, Complete, Invalid };

// Reads the bytes received so far. Complete sets title; Invalid means the sender broke the rules
// (another version, too long, more bytes than the frame, or no valid UTF-8) and must be dropped.
Parsed parseFrame(const QByteArray& received, QString* title);

} // namespace platform::handover
