// SPDX-License-Identifier: GPL-3.0-or-later
#include "HandoverFrame.h"

#include <QStringDecoder>

namespace platform::handover {
namespace {

constexpr quint8 kProtocolVersion = 1;

} // namespace

QByteArray encodeFrame(const QString& title) {
    QByteArray payload = title.toUtf8();
    if (payload.size() > kMaxPayload) {
        // Cut at a character boundary so the shortened text is still valid UTF-8.
        qsizetype end = kMaxPayload;
        while (end > 0 && (quint8(payload[end]) & 0xC0) == 0x80)
            --end;
        payload.truncate(end);
    }
    QByteArray frame;
    frame.append(char(kProtocolVersion));
    frame.append(char(payload.size() >> 8));
    frame.append(char(payload.size() & 0xFF));
    return frame + payload;
}

Parsed parseFrame(const QByteArray& received, QString* title) {
    if (received.isEmpty())
        return Parsed::Incomplete;
    if (quint8(received[0]) != kProtocolVersion)
        return Parsed::Invalid;
    if (received.size() < kHeaderSize)
        return Parsed::Incomplete;
    const int length = (quint8(received[1]) << 8) | quint8(received[2]);
    if (length > kMaxPayload || received.size() > kHeaderSize + length)
        return Parsed::Invalid;
    if (received.size() < kHeaderSize + length)
        return Parsed::Incomplete;
    // Stateless: a sequence cut off at the end is an error, not state kept for a later call.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    *title = decoder.decode(QByteArrayView(received).sliced(kHeaderSize));
    return decoder.hasError() ? Parsed::Invalid : Parsed::Complete;
}

} // namespace platform::handover
