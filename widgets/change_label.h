#pragma once

#include <QLabel>

namespace linknode {

// A label whose caption changes raise `captionChanged()` (nothing when set to the caption it
// already has), and which raises `clicked()` / `doubleClicked()` on mouse clicks. Shows a
// pixmap as well, for pictures that take clicks. Set the caption through this class (or the
// `text` property): QLabel::setText is not virtual.
class ChangeLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY captionChanged)
public:
    explicit ChangeLabel(QWidget* parent = nullptr);
    explicit ChangeLabel(const QString& text, QWidget* parent = nullptr);

public slots:
    void setText(const QString& text);
    void click();
    void doubleClick();

signals:
    void captionChanged();
    void clicked();
    void doubleClicked();

protected:
    // Takes the mouse, so the release and double click come here and not to the parent.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace linknode
