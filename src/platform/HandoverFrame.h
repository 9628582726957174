// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the one message a later copy of the program sends the first: a window title, and the
// token a desktop launcher started the later copy with, if any: on Wayland its activation token, on
// X11 its startup id (the two play the same part, and both copies normally run on the same
// platform). Two forms:
//   version 1: byte 1, the title (a 2-byte big-endian length, then at most 1024 bytes of UTF-8);
//   version 2: byte 2, the title as above, then the token (a 2-byte length, 1 to 1024 bytes of
//              UTF-8 without control characters).
// A copy without a token sends version 1, which every copy of the program reads.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform::handover {

inline constexpr int kMaxPayload = 1024; // the title's bytes
inline constexpr int kMaxToken = 1024;
inline constexpr int kFieldHeader = 2;
inline constexpr int kMaxFrame = 1 + kFieldHeader + kMaxPayload + kFieldHeader + kMaxToken;

struct Message {
    QString title;
    QString token; // empty: none was given
};

// The frame of a message; a longer title is cut at a character boundary to fit, and a token that
// does not fit or holds control characters is left out (it could not be used anyway).
QByteArray encodeFrame(const Message& message);

enum class Parsed { Incomplete, Complete, Invalid };

// Reads the bytes received so far. Complete fills message; Invalid means the sender broke the rules
// (an unknown version, a field too long, more bytes than the frame, no valid UTF-8, an empty or
// unusable token in version 2) and must be dropped.
Parsed parseFrame(const QByteArray& received, Message* message);

} // namespace platform::handover
