// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the row types of the windows' layout tables. Positions are Left, Top, Width, Height
// in twips, relative to the parent control; colours are 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace layout {

enum class Kind {
    Panel,        // opaque picture box
    Label,        // caption, possibly transparent
    Frame,        // captioned frame
    Button,       // push button showing a picture
    CheckButton,  // check box drawn as a push button with a picture
    OptionButton, // option button drawn as a push button
    SearchBox,    // editable text box of at most 15 characters
    TextBox,      // editable text box
    Combo,        // drop-down list
    Image,        // picture
    Shape,        // rectangle: outlined in the fore colour, filled with the back colour
};

inline constexpr std::int64_t kDefault = -1;     // colour: the system's own
inline constexpr std::int64_t kTransparent = -2; // background: none

enum Align { Left, Centre, Right };

struct ControlRow {
    const char* name;
    const char* parent; // nullptr: the window itself
    Kind kind;
    int left, top, width, height;
    const char* caption = "";
    const char* toolTip = "";
    const char* icon = ""; // resource path of the picture
    std::int64_t back = kDefault;
    std::int64_t fore = kDefault;
    double points = 8.25;
    Align align = Left;
    bool border = false;
};

struct TwipsRect {
    int left, top, width, height;
};

} // namespace layout
