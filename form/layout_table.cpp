#include "form/layout_table.h"

namespace linknode {

const char* kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Frame:
        return "frame";
    case ControlKind::Button:
        return "button";
    case ControlKind::CheckBox:
        return "checkbox";
    case ControlKind::Option:
        return "option";
    case ControlKind::TextBox:
    case ControlKind::MultiLineText:
    case ControlKind::Password:
        return "textbox";
    case ControlKind::Label:
        return "label";
    case ControlKind::Picture:
        return "picture";
    case ControlKind::List:
    case ControlKind::SortedList:
        return "list";
    case ControlKind::Combo:
        return "combo";
    case ControlKind::IpEntry:
        return "ipentry";
    case ControlKind::Counter:
        return "counter";
    case ControlKind::Timer:
        return "timer";
    case ControlKind::Line:
        return "line";
    case ControlKind::ProgressBar:
        return "progressbar";
    }
    return "";
}

} // namespace linknode
