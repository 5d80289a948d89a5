#pragma once

#include <span>

namespace linknode {

enum class ControlKind {
    Frame,
    Button,
    CheckBox,
    Option,
    TextBox,
    MultiLineText,
    Password,
    Label,
    Picture,
    List,
    SortedList,
    Combo,
    IpEntry,
    Counter,
    Timer,
    Line,
};

enum ControlFlag : unsigned { Shown = 0, Hidden = 1, Disabled = 2 };

// One control of the main window: where it sits (twips, relative to its container), what it
// says and how it starts. Containers come before what they hold.
struct ControlSpec {
    const char* name;
    ControlKind kind;
    const char* parent; // nullptr: the window itself
    int left, top, width, height;
    const char* caption;
    const char* toolTip;
    unsigned flags;
};

std::span<const ControlSpec> layoutTable();

const char* kindName(ControlKind kind);

constexpr int twipsPerPixel = 15;

} // namespace linknode
