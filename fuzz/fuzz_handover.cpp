// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the hand-over message reader. Any bytes are read without a crash; a frame it accepts
// holds valid texts that encode back to exactly the bytes that made it; a frame accepted whole is
// accepted as well when its bytes arrive one at a time. (Bytes after a complete frame make the whole
// buffer invalid, while a reader fed piece by piece stops at the frame; either way the sender's
// extra bytes are never read as a title or token.)
#include "platform/HandoverFrame.h"

#include <cstdint>
#include <cstdlib>

using namespace platform::handover;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray received(reinterpret_cast<const char*>(data), qsizetype(size));
    Message message;
    const Parsed whole = parseFrame(received, &message);
    if (whole == Parsed::Complete && encodeFrame(message) != received)
        std::abort();
    // A reader that gets the bytes in pieces stops at the first answer that is not "incomplete".
    Parsed piecewise = Parsed::Incomplete;
    Message piece;
    for (qsizetype length = 1; length <= received.size() && piecewise == Parsed::Incomplete; ++length)
        piecewise = parseFrame(received.first(length), &piece);
    if (piecewise == Parsed::Complete && encodeFrame(piece) != received.first(encodeFrame(piece).size()))
        std::abort();
    if (whole == Parsed::Complete &&
        (piecewise != Parsed::Complete || piece.title != message.title || piece.token != message.token))
        std::abort();
    return 0;
}
