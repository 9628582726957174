// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the names of the table views, in the order they are added to the view list.
#pragma once

#include <QStringList>

namespace views {

inline const QString kDefaultView = QStringLiteral("Propriedades");

// The 26 view names; the list shows them sorted, so list positions differ from this order.
const QStringList& viewNames();

} // namespace views
