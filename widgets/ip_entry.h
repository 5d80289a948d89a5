#pragma once

#include <QColor>
#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace linknode {

class OctetBox;

// Entry of one dotted IPv4 value in four boxes (`INP_IPF(0)`..`INP_IPF(3)`). The container
// sees only the composed text. Nothing is range-checked: a box may hold 0 to 999, or any
// text set from code until it is normalised.
//
// `changed()` is raised once per operation that changes any box: a keystroke, a text set, a
// normalisation. Normalising boxes that are already normal raises nothing, so a handler of
// `changed()` may read `text()` safely.
class IpEntry : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY changed)
    Q_PROPERTY(bool entryEnabled READ isEntryEnabled WRITE setEntryEnabled)
    Q_PROPERTY(bool maskType READ maskType WRITE setMaskType)
    Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
public:
    static constexpr int kBoxCount = 4;

    explicit IpEntry(QWidget* parent = nullptr);

    // Normalises every box first, so reading may raise `changed()`.
    QString text();
    // Box k gets field k+1 of `value` split at "."; missing fields give empty boxes, fields
    // after the fourth are ignored. The boxes are taken as they are, not normalised.
    void setText(const QString& value);

    bool isEntryEnabled() const;
    void setEntryEnabled(bool enabled);

    // Stored for the container; the control itself does not act on it.
    bool maskType() const;
    void setMaskType(bool maskType);

    QColor backColor() const;
    void setBackColor(const QColor& color);

    QLineEdit* box(int index) const;
    void focusBox(int index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

public slots:
    void click();
    void doubleClick();

signals:
    void changed();
    void clicked();
    void doubleClicked();

private:
    void layOut();
    void normalise();
    // A pasted dotted address fills all four boxes at once, as one change.
    void pasteAddress(const QString& text);
    void boxTextChanged();
    template <typename Edit> void asOneChange(Edit edit);

    std::array<OctetBox*, kBoxCount> boxes_ {};
    std::array<QLabel*, kBoxCount - 1> dots_ {};
    QRadioButton* maskTypeStore_ = nullptr;
    int editDepth_ = 0;
    bool changePending_ = false;
};

} // namespace linknode
