// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartupNotification.h"

#include "X11Session.h"

#include <algorithm>
#include <limits>

namespace platform::launch {

QByteArray removeMessage(const QString& id) {
    QByteArray value = id.toUtf8();
    if (value.contains(' ') || value.contains('"') || value.contains('\\')) {
        value.replace('\\', "\\\\").replace('"', "\\\"");
        value = '"' + value + '"';
    }
    return "remove: ID=" + value;
}

std::optional<quint32> launchTime(const QString& id) {
    static const QLatin1String kMark("_TIME");
    const qsizetype at = id.lastIndexOf(kMark);
    if (at < 0)
        return std::nullopt;
    const QStringView digits = QStringView(id).sliced(at + kMark.size());
    bool number = false;
    const qulonglong time = digits.toULongLong(&number);
    const bool allDigits = std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    if (!number || !allDigits || time == 0 || time > std::numeric_limits<quint32>::max())
        return std::nullopt;
    return quint32(time);
}

void endLaunch(const QString& id) {
    if (!id.isEmpty())
        x11::broadcast("_NET_STARTUP_INFO_BEGIN", "_NET_STARTUP_INFO", removeMessage(id));
}

} // namespace platform::launch
