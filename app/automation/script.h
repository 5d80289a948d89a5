#pragma once

#include <QString>
#include <Qt>
#include <vector>

namespace linknode {

// One keystroke of a `type` or `keys` step: a character, or a special key ({Enter}, {Tab},
// {F5}, {Ctrl+S}, ...).
struct TypedKey {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;

    bool operator==(const TypedKey&) const = default;
};

enum class WaitState { Visible, Hidden, Enabled, Disabled };

// One line of an automation script, checked for its shape but not yet for its control.
struct Step {
    enum class Verb {
        Click,
        DoubleClick,
        Set,
        Type,
        Keys,
        Check,
        Select,
        Focus,
        Answer,
        Wait,
        WaitFor,
        Dump,
        Screenshot,
        Quit,
    };

    Verb verb = Verb::Quit;
    int line = 0; // 1-based, for error messages
    QString source; // the line as written
    QString name; // the control, for steps that name one
    QString text; // set / answer text, or the file of dump / screenshot
    std::vector<TypedKey> keys; // type, keys
    bool checked = false; // check
    int index = 0; // select
    bool cancel = false; // answer --cancel
    WaitState state = WaitState::Visible; // waitfor
    double seconds = 0; // wait, waitfor timeout
};

struct ParsedScript {
    std::vector<Step> steps;
    QString error; // empty when every line parsed; otherwise names the line and its text

    bool ok() const { return error.isEmpty(); }
};

// One step a line; blank lines and lines starting with # are skipped. TEXT is the rest of the
// line after NAME and one blank.
ParsedScript parseScript(const QString& script);

// "line 12: PROBLEM: the line as written", the form of every script error.
QString lineError(int line, const QString& source, const QString& problem);

// The keys of a `type` or `keys` text: caret codes expanded to their bytes (Latin-1); named keys
// in braces ({Enter}, {Tab}, {Backspace}, {Escape}, {Space}, {Up}, {Down}, {Left}, {Right},
// {Home}, {End}, {Delete}, {F1} to {F12}), each perhaps held with Ctrl+, Shift+ or Alt+
// ({Ctrl+S}, {Shift+Tab}), and Ctrl+ with a letter or digit ({Ctrl+F}); every other character,
// an unknown name in braces too, as itself.
std::vector<TypedKey> typedKeys(const QString& text);

} // namespace linknode
