#pragma once

#include <QString>
#include <vector>

class QObject;
class QWidget;

namespace linknode {

// The controls of a window, found the generic way: every object under the window that carries
// the dynamic property `kind`, in creation order (depth first), then the extra controls that
// live outside the window (the sockets).
class Controls {
public:
    Controls(const QWidget& window, std::vector<QObject*> extras);

    std::vector<QObject*> all() const;
    // nullptr when no control has that name.
    QObject* find(const QString& name) const;

private:
    const QWidget& window_;
    std::vector<QObject*> extras_;
};

QString controlKind(const QObject& control);

// The text or caption: the shown text of a combo box, the title of a frame, the `text`
// property of every other control (line edits, labels, buttons, IP entries, counters).
QString controlText(const QObject& control);

// Enabled as the user sees it; an IP entry enables its boxes, not itself.
bool controlEnabled(const QWidget& control);

} // namespace linknode
