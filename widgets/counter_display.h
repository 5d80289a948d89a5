#pragma once

#include "widgets/seven_segment.h"

#include <QImage>
#include <QWidget>
#include <array>

class QLabel;

namespace linknode {

// A whole number as four seven-segment digits, green on black, right-aligned with dark
// leading positions (`AfficheurControl`). Numbers it cannot show (below 0, above 9999) show
// four dashes. 64 x 21 pixels at the window's design size.
class CounterDisplay : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ shownText)
public:
    static constexpr int kPositions = 4;

    explicit CounterDisplay(QWidget* parent = nullptr);

    void AFF(int nombre);
    // The number last given, also one it cannot show.
    int value() const { return value_; }

    // One character per position: the digit, ' ' for blank, '-' for a dash.
    QString shownText() const;
    QImage digitPicture(int index) const;
    QImage positionPicture(int pos) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layOut();
    void showPicture(int pos, int index);

    std::array<QImage, kDigitPictureCount> chiffre_;
    std::array<QLabel*, kPositions> affichage_ {};
    std::array<int, kPositions> shown_ {};
    int value_ = 0;
};

} // namespace linknode
