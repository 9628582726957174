// SPDX-License-Identifier: GPL-3.0-or-later
// Builds against the data library alone: its header and its archive, nothing of Qt.
#include "data/ElementTable.h"
#include "data/ValueDecoders.h"

#include <cstdio>

int main() {
    const auto iron = TPDEQ::GetElementRecord(26);
    if (!iron || (*iron)[TPDEQ::ElementField::name] != "Ferro" || TPDEQ::GetElementRecord(0))
        return 1;
    if (TPDEQ::LatticeName(26) != "Cúbica de Corpo Centrado")
        return 1;
    std::puts("orvane_data links on its own");
    return 0;
}
