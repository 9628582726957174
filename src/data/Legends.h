// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - what explains the table's colours and columns: the group headings' family names.
#pragma once

#include <string_view>

namespace legends {

// The family name of group 1 ... 18 ("1A" ... "8A"), the start caption of its heading; empty otherwise.
std::string_view familyName(int group);

} // namespace legends
