// SPDX-License-Identifier: GPL-3.0-or-later
#include "HandoverFrame.h"

#include <QStringDecoder>

#include <algorithm>

namespace platform::handover {
namespace {

constexpr quint8 kTitleOnly = 1;
constexpr quint8 kWithToken = 2;

void appendField(QByteArray& frame, const QByteArray& bytes) {
    frame.append(char(bytes.size() >> 8));
    frame.append(char(bytes.size() & 0xFF));
    frame.append(bytes);
}

// A token goes into an environment variable and over the Wayland connection as a string.
bool usableToken(const QString& token) {
    return !token.isEmpty() && std::none_of(token.begin(), token.end(),
                                            [](QChar c) { return c.category() == QChar::Other_Control; });
}

// Reads one length-prefixed UTF-8 field starting at offset and moves offset past it.
Parsed readField(const QByteArray& received, qsizetype& offset, int maxLength, QString* text) {
    if (received.size() < offset + kFieldHeader)
        return Parsed::Incomplete;
    const int length = (quint8(received[offset]) << 8) | quint8(received[offset + 1]);
    if (length > maxLength)
        return Parsed::Invalid;
    if (received.size() < offset + kFieldHeader + length)
        return Parsed::Incomplete;
    // Stateless: a sequence cut off at the end is an error, not state kept for a later call.
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    *text = decoder.decode(QByteArrayView(received).sliced(offset + kFieldHeader, length));
    offset += kFieldHeader + length;
    return decoder.hasError() ? Parsed::Invalid : Parsed::Complete;
}

} // namespace

QByteArray encodeFrame(const Message& message) {
    QByteArray title = message.title.toUtf8();
    if (title.size() > kMaxPayload) {
        // Cut at a character boundary so the shortened text is still valid UTF-8.
        qsizetype end = kMaxPayload;
        while (end > 0 && (quint8(title[end]) & 0xC0) == 0x80)
            --end;
        title.truncate(end);
    }
    const QByteArray token = message.token.toUtf8();
    const bool withToken = usableToken(message.token) && token.size() <= kMaxToken;
    QByteArray frame(1, char(withToken ? kWithToken : kTitleOnly));
    appendField(frame, title);
    if (withToken)
        appendField(frame, token);
    return frame;
}

Parsed parseFrame(const QByteArray& received, Message* message) {
    if (received.isEmpty())
        return Parsed::Incomplete;
    const quint8 version = quint8(received[0]);
    if (version != kTitleOnly && version != kWithToken)
        return Parsed::Invalid;
    qsizetype offset = 1;
    Message read;
    Parsed parsed = readField(received, offset, kMaxPayload, &read.title);
    if (parsed == Parsed::Complete && version == kWithToken) {
        parsed = readField(received, offset, kMaxToken, &read.token);
        if (parsed == Parsed::Complete && !usableToken(read.token))
            parsed = Parsed::Invalid;
    }
    // Bytes past the message were never part of it.
    if (parsed == Parsed::Complete && received.size() > offset)
        parsed = Parsed::Invalid;
    if (parsed == Parsed::Complete)
        *message = std::move(read);
    return parsed;
}

} // namespace platform::handover
