#include "widgets/counter_display.h"

#include <QLabel>

namespace linknode {

namespace {

    constexpr QSize kControlSize { CounterDisplay::kPositions * kDigitWidth, kDigitHeight };

} // namespace

CounterDisplay::CounterDisplay(QWidget* parent)
    : QWidget(parent)
{
    for (int i = 0; i < kDigitPictureCount; ++i)
        chiffre_[static_cast<size_t>(i)] = sevenSegmentPicture(i);
    for (int pos = 0; pos < kPositions; ++pos) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Affichage(%1)").arg(pos));
        label->setScaledContents(true);
        affichage_[static_cast<size_t>(pos)] = label;
        showPicture(pos, kBlankDigit);
    }
    resize(kControlSize);
    layOut();
}

void CounterDisplay::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

// The digits share the control's width (larger when the window is zoomed).
void CounterDisplay::layOut()
{
    for (int pos = 0; pos < kPositions; ++pos) {
        const int left = width() * pos / kPositions;
        affichage_[static_cast<size_t>(pos)]->setGeometry(
            left, 0, width() * (pos + 1) / kPositions - left, height());
    }
}

void CounterDisplay::AFF(int nombre)
{
    value_ = nombre;
    if (nombre < 0 || nombre > 9999) {
        for (int pos = 0; pos < kPositions; ++pos)
            showPicture(pos, kDashDigit);
        return;
    }
    // Right-aligned: the leading positions stay blank.
    const QString digits = QString::number(nombre).rightJustified(kPositions, u' ');
    for (int pos = 0; pos < kPositions; ++pos) {
        const QChar c = digits[pos];
        showPicture(pos, c == u' ' ? kBlankDigit : c.unicode() - u'0');
    }
}

void CounterDisplay::showPicture(int pos, int index)
{
    shown_[static_cast<size_t>(pos)] = index;
    affichage_[static_cast<size_t>(pos)]->setPixmap(
        QPixmap::fromImage(chiffre_[static_cast<size_t>(index)]));
}

QString CounterDisplay::shownText() const
{
    QString text;
    for (const int index : shown_) {
        if (index == kBlankDigit)
            text += u' ';
        else if (index == kDashDigit)
            text += u'-';
        else
            text += QChar(u'0' + index);
    }
    return text;
}

QImage CounterDisplay::digitPicture(int index) const
{
    return chiffre_.at(static_cast<size_t>(index));
}

QImage CounterDisplay::positionPicture(int pos) const
{
    return affichage_.at(static_cast<size_t>(pos))
        ->pixmap()
        .toImage()
        .convertToFormat(QImage::Format_RGB888);
}

QSize CounterDisplay::sizeHint() const
{
    return kControlSize;
}

QSize CounterDisplay::minimumSizeHint() const
{
    return kControlSize;
}

} // namespace linknode
