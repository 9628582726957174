// SPDX-License-Identifier: GPL-3.0-or-later
// The element record's fields by the names the tables beside the tests give them, in record order.
#pragma once

#include "data/ElementTable.h"

#include <QStringList>

// clang-format off
inline const QStringList kFieldNames = {
    "name", "atomicNumber", "atomicMass", "shells", "configuration", "orbital", "meltingPoint", "boilingPoint",
    "density", "covalentRadius", "ionicRadius", "atomicRadius", "atomicVolume", "electronegativity",
    "ionizationEnergy", "conductivity", "nameOrigin", "discovery", "englishName", "casNumber"};
// clang-format on

// The field a table names; a name that is none ends the test run.
inline TPDEQ::ElementField fieldNamed(const QString& name) {
    const qsizetype field = kFieldNames.indexOf(name);
    if (field < 0)
        qFatal("no element field is named %s", qPrintable(name));
    return TPDEQ::ElementField(field);
}
