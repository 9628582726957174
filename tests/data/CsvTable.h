// SPDX-License-Identifier: GPL-3.0-or-later
// Reads the comma-separated tables kept beside the tests: a header row of column names, then one
// row a line; a field in double quotes may hold commas, and "" for a quote.
#pragma once

#include <QFile>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

using CsvRow = QMap<QString, QString>;

inline QStringList splitCsvLine(const QString& line) {
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype at = 0; at < line.size(); ++at) {
        const QChar c = line[at];
        if (quoted && c == u'"' && at + 1 < line.size() && line[at + 1] == u'"') {
            field += c;
            ++at;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u',' && !quoted) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

// The rows of a table as maps from the header's column names to the texts; a row with another
// number of fields than the header ends the test run, naming the file and line.
inline QList<CsvRow> readCsv(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const QStringList header = splitCsvLine(lines.value(0));
    QList<CsvRow> rows;
    for (qsizetype n = 1; n < lines.size(); ++n) {
        const QStringList fields = splitCsvLine(lines[n]);
        if (fields.size() != header.size())
            qFatal("%s line %lld: %lld fields, header has %lld", qPrintable(path), qlonglong(n + 1),
                   qlonglong(fields.size()), qlonglong(header.size()));
        CsvRow row;
        for (qsizetype column = 0; column < header.size(); ++column)
            row[header[column]] = fields[column];
        rows << row;
    }
    return rows;
}
