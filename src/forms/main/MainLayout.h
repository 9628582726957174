// SPDX-License-Identifier: GPL-3.0-or-later
// Orvane - the main window's layout tables: every fixed control with its given place and look.
// Positions are Left, Top, Width, Height in twips, relative to the parent control.
#pragma once

#include <cstdint>
#include <span>

namespace layout {

inline constexpr int kClientWidth = 11355; // twips
inline constexpr int kClientHeight = 8130;

enum class Kind {
    Panel,        // opaque picture box
    Label,        // caption, possibly transparent
    Frame,        // captioned frame
    Button,       // push button showing a picture
    CheckButton,  // check box drawn as a push button with a picture
    OptionButton, // option button drawn as a push button
    SearchBox,    // editable text box
    Combo,        // drop-down list
    Image,        // picture
    Shape,        // rectangle outline
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

// The fixed controls, parents before children.
std::span<const ControlRow> mainControls();

// One detail field: caption lblNome(n) above box txtValor(n), both inside the detail panel.
struct DetailField {
    int index;
    const char* caption;
    int left, boxTop, width;
    const char* boxTip;
    const char* captionTip;
    bool decimalComma;
};
std::span<const DetailField> detailFields(); // n = 1 ... 21

struct TwipsRect {
    int left, top, width, height;
};
// Where the caption lblNome(n) of a detail field sits: directly above its box, in the box's band.
TwipsRect captionRect(const DetailField& field);

} // namespace layout

namespace layout {

// lblPeriodo(0 ... 8): Left, Top and caption.
struct PeriodLabel {
    int left, top;
    const char* caption;
};
std::span<const PeriodLabel> periodLabels();
inline constexpr int kPeriodLabelWidth = 285;
inline constexpr int kPeriodLabelHeight = 255;

// The family names of groups 1 ... 18, the start captions of the heading row lblfamilia(18 ... 35).
const char* familyName(int group);

} // namespace layout
