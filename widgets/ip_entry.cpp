#include "widgets/ip_entry.h"

#include "core/latin1.h"
#include "core/text_fields.h"
#include "widgets/click_watcher.h"
#include "widgets/octet_box.h"

#include <QFontMetrics>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <utility>

namespace linknode {

namespace {

    // Geometry in pixels of 15 twips: boxes at 0, 510, 1020, 1530 twips, 405 x 240 each.
    constexpr int kBoxPitch = 34;
    constexpr int kBoxWidth = 27;
    constexpr int kBoxHeight = 16;
    constexpr QSize kControlSize { (IpEntry::kBoxCount - 1) * kBoxPitch + kBoxWidth, kBoxHeight };

    const QColor kDotBackground { 0, 0, 128 };

    bool fitsThreeDigits(const QFont& font, int room)
    {
        return QFontMetrics(font).horizontalAdvance(QStringLiteral("888")) <= room;
    }

    // Bold 9-point Arial at the design size, larger with the control. Where Arial is missing
    // its stand-in may be wider: it is narrowed until three digits fit the box without
    // scrolling (room: the box less the line edit's two 2-pixel side margins and the cursor).
    QFont entryFont(qreal scale, int boxWidth)
    {
        const int textRoom = boxWidth - 5;
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(9 * scale);
        font.setBold(true);
        for (int stretch = 95; stretch >= 70 && !fitsThreeDigits(font, textRoom); stretch -= 5)
            font.setStretch(stretch);
        return font;
    }

    // White "." on dark blue in the gap right of a box.
    QLabel* addDot(QWidget* parent)
    {
        auto* dot = new QLabel(QStringLiteral("."), parent);
        dot->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        dot->setAutoFillBackground(true);
        QPalette palette = dot->palette();
        palette.setColor(QPalette::Window, kDotBackground);
        palette.setColor(QPalette::WindowText, Qt::white);
        dot->setPalette(palette);
        return dot;
    }

    // The decimal form of the number at the start of `text`: leading blanks skipped, then the
    // longest run of digits, without leading zeros; "" and text without digits give "0".
    // Works on the digits themselves, so no length of run can overflow.
    QString normalOctet(const QString& text)
    {
        qsizetype pos = 0;
        while (pos < text.size() && text[pos] == u' ')
            ++pos;
        while (pos < text.size() && text[pos] == u'0')
            ++pos;
        const qsizetype start = pos;
        while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9')
            ++pos;
        return start == pos ? QStringLiteral("0") : text.mid(start, pos - start);
    }

} // namespace

IpEntry::IpEntry(QWidget* parent)
    : QWidget(parent)
{
    const std::array<QString, kBoxCount> designTexts { QStringLiteral("000"), QStringLiteral("000"),
        QStringLiteral("000"), QStringLiteral("999") };
    for (int i = 0; i < kBoxCount; ++i) {
        auto* box = new OctetBox(this);
        box->setObjectName(QStringLiteral("INP_IPF(%1)").arg(i));
        // Frameless and centred: three bold digits need the whole 27 x 16 pixels.
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        box->setText(designTexts[static_cast<size_t>(i)]);
        connect(box, &QLineEdit::textChanged, this, &IpEntry::boxTextChanged);
        connect(box, &OctetBox::focusLost, this, &IpEntry::normalise);
        connect(box, &OctetBox::pasteRequested, this, &IpEntry::pasteAddress);
        auto* clicks = new ClickWatcher(box);
        connect(clicks, &ClickWatcher::clicked, this, &IpEntry::clicked);
        connect(clicks, &ClickWatcher::doubleClicked, this, &IpEntry::doubleClicked);
        boxes_[static_cast<size_t>(i)] = box;
    }
    for (int i = 0; i + 1 < kBoxCount; ++i)
        connect(boxes_[static_cast<size_t>(i)], &OctetBox::advanceRequested, this,
            [this, i] { focusBox(i + 1); });

    for (size_t i = 0; i + 1 < kBoxCount; ++i)
        dots_[i] = addDot(this);

    maskTypeStore_ = new QRadioButton(this);
    maskTypeStore_->setObjectName(QStringLiteral("SW_MASK_TYPE"));
    // A lone exclusive radio button could never be unchecked again.
    maskTypeStore_->setAutoExclusive(false);
    maskTypeStore_->hide();

    setBackColor(Qt::white);
    setFocusProxy(boxes_[0]);
    resize(kControlSize);
    layOut();
    normalise();
}

void IpEntry::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

// The design's boxes and gaps, scaled to the control's size (the window zoomed).
void IpEntry::layOut()
{
    const qreal across = qreal(width()) / kControlSize.width();
    const auto scaled = [across](int pixels) { return qRound(pixels * across); };
    const int boxWidth = scaled(kBoxWidth);
    const QFont font = entryFont(qMin(across, qreal(height()) / kBoxHeight), boxWidth);
    for (size_t i = 0; i < kBoxCount; ++i) {
        const int left = scaled(static_cast<int>(i) * kBoxPitch);
        boxes_[i]->setGeometry(left, 0, boxWidth, height());
        boxes_[i]->setFont(font);
        if (i + 1 < kBoxCount) {
            dots_[i]->setGeometry(left + boxWidth, 0, scaled(kBoxPitch) - boxWidth, height());
            dots_[i]->setFont(font);
        }
    }
}

template <typename Edit> void IpEntry::asOneChange(Edit edit)
{
    ++editDepth_;
    edit();
    if (--editDepth_ == 0 && std::exchange(changePending_, false))
        emit changed();
}

void IpEntry::boxTextChanged()
{
    if (editDepth_ > 0)
        changePending_ = true;
    else
        emit changed();
}

void IpEntry::normalise()
{
    asOneChange([this] {
        // Only boxes that change are written: a write also drops the user's selection.
        for (OctetBox* box : boxes_) {
            if (const QString normal = normalOctet(box->text()); normal != box->text())
                box->setText(normal);
        }
    });
}

QString IpEntry::text()
{
    normalise();
    QStringList parts;
    for (const OctetBox* box : boxes_)
        parts << box->text();
    return parts.join(u'.');
}

void IpEntry::setText(const QString& value)
{
    const std::string line = toBytes(value);
    asOneChange([this, &line] {
        for (int i = 0; i < kBoxCount; ++i)
            boxes_[static_cast<size_t>(i)]->setText(toText(RW_PAR(line, ".", i + 1)));
    });
}

void IpEntry::pasteAddress(const QString& text)
{
    // Four numbers of the boxes' size joined by "."; anything else is refused whole.
    static const QRegularExpression dotted(QStringLiteral(R"(^\d{1,3}(\.\d{1,3}){3}$)"));
    const QString address = text.trimmed();
    if (dotted.match(address).hasMatch())
        setText(address);
}

bool IpEntry::isEntryEnabled() const
{
    return boxes_[0]->isEnabledTo(this);
}

void IpEntry::setEntryEnabled(bool enabled)
{
    for (OctetBox* box : boxes_)
        box->setEnabled(enabled);
}

bool IpEntry::maskType() const
{
    return maskTypeStore_->isChecked();
}

void IpEntry::setMaskType(bool maskType)
{
    maskTypeStore_->setChecked(maskType);
}

QColor IpEntry::backColor() const
{
    return boxes_[0]->palette().color(QPalette::Base);
}

void IpEntry::setBackColor(const QColor& color)
{
    for (OctetBox* box : boxes_) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, color);
        box->setPalette(palette);
    }
}

QLineEdit* IpEntry::box(int index) const
{
    return boxes_.at(static_cast<size_t>(index));
}

void IpEntry::focusBox(int index)
{
    box(index)->setFocus(Qt::OtherFocusReason);
}

QSize IpEntry::sizeHint() const
{
    return kControlSize;
}

QSize IpEntry::minimumSizeHint() const
{
    return kControlSize;
}

void IpEntry::click()
{
    emit clicked();
}

void IpEntry::doubleClick()
{
    emit doubleClicked();
}

} // namespace linknode
