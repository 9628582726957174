// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the window's pictures, drawn at build time as PNGs, read without the image plugins.
#pragma once

#include <QIcon>
#include <QString>

namespace platform {

// The PNG at path, with its twice-as-large "@2x" drawing when there is one and the screens are
// scaled. The file is read as PNG directly: letting Qt guess the format loads every image-format
// plugin (SVG, JPEG, GIF, ...) to ask each whether it can read it, which costs start-up time and
// memory.
QIcon pngIcon(const QString& path);

// One icon of several square PNGs, path holding "%1" for the size, for the window system to
// pick from.
QIcon pngIconSizes(const QString& pathPattern, std::initializer_list<int> sizes);

} // namespace platform
