// SPDX-License-Identifier: GPL-3.0-or-later
// The windows' layout written out as data (tests/data/layout), read once per table.
#pragma once

#include "../data/CsvTable.h"

#include <QHash>

inline const QList<CsvRow>& layoutTable(const char* name) {
    static QHash<QString, QList<CsvRow>> read;
    const QString file = QString::fromLatin1(name);
    if (!read.contains(file))
        read.insert(file, readCsv(QStringLiteral(ORVANE_LAYOUT_DIR "/") + file));
    return read[file];
}
