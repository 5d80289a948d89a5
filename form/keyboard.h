#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace linknode {

class MainForm;

// The window by keys alone. Enter presses the focused button, as Space does. F5 presses FIND
// DEVICES, Ctrl+S the SAVE CONFIGURATION in sight, Ctrl+E the export, whichever box has the
// focus; Ctrl+F goes to the device list; the captions stay as they are, the tool tips name the
// keys. Tab goes in reading order, frame by frame, and stops only at controls in sight.
// Ctrl+plus and Ctrl+minus zoom the window a step, Ctrl+0 back to its design size.
class Keyboard : public QObject {
    Q_OBJECT
public:
    explicit Keyboard(MainForm& form);

    // Tab (next) or Shift+Tab: the focus goes to the next control in reading order that a
    // user could work, in sight and enabled. Asked at every Tab, so a frame shown over another
    // or a window enlarged counts at once. False when no control can take it.
    bool moveFocus(bool next);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addShortcuts();

    MainForm& form_;
    QList<QPointer<QWidget>> tabStops_; // in reading order
};

} // namespace linknode
