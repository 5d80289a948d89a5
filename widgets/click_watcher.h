#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace linknode {

// Turns a widget's mouse events into the Click and DblClick of a control. A click is a left
// press and release inside the widget. A user's double click arrives as press, release, press,
// double-click, release: it gives one click, then one double click, and its last release is
// not a second click.
class ClickWatcher : public QObject {
    Q_OBJECT
public:
    // Watches `control` (and is owned by it).
    explicit ClickWatcher(QWidget* control);

signals:
    void clicked(QPoint pos);
    void doubleClicked(QPoint pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* control_;
    bool pressed_ = false;
    bool inDoubleClick_ = false;
};

} // namespace linknode
