#pragma once

#include "form/controls.h"
#include "form/zoom.h"

#include <QWidget>
#include <vector>

namespace linknode {

class Keyboard;

// F_MAIN: builds and owns every control of the window, each named after its control name.
// Behaviour lives in the controllers, which reach controls through their handles.
class MainForm : public QWidget {
    Q_OBJECT
public:
    explicit MainForm(QWidget* parent = nullptr);

    // The control of a handle, as the class its kind makes (checked when the handle is built).
    template <class T> T& operator[](Control<T> control) const
    {
        return *static_cast<T*>(controls_[static_cast<size_t>(control.row())]);
    }

    // Puts a control where the design has it, in twips: it stays there, scaled, when the zoom
    // changes. Controllers move controls only through these.
    void place(QWidget& control, const QRect& twips);
    void moveTo(QWidget& control, const QPoint& twips);
    // Where a control was put, in twips.
    static QRect designPlace(const QWidget& control);

    int zoom() const { return zoom_; }
    // Scales the whole window, positions, sizes and fonts, to `percent` of its design.
    void setZoom(int percent);

signals:
    // The user (or the automation) closes the window: Form_Unload runs on this.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void build();
    void setPictures();
    void applyZoom();

    std::vector<QObject*> controls_; // by layout table row
    Keyboard* keyboard_ = nullptr;
    bool closing_ = false;
    int zoom_ = kSmallestZoom;
};

} // namespace linknode
