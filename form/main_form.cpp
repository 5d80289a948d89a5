#include "form/main_form.h"

#include "form/accessibility.h"
#include "form/keyboard.h"
#include "widgets/combo_popup.h"
#include "widgets/product_art.h"
#include "widgets/window_font.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QIcon>
#include <algorithm>

namespace linknode {

namespace {
    QString latin1(const char* text)
    {
        return QString::fromLatin1(text ? text : "");
    }

    QObject* createControl(const ControlSpec& row, QWidget* parent)
    {
        using enum ControlKind;
        const QString caption = latin1(row.caption);
        switch (row.kind) {
        case Frame:
            return new WidgetOf<Frame>(caption, parent);
        case Button:
            return new WidgetOf<Button>(caption, parent);
        case CheckBox:
            return new WidgetOf<CheckBox>(caption, parent);
        case Option:
            return new WidgetOf<Option>(caption, parent);
        case TextBox:
        case Password: {
            auto* edit = new WidgetOf<TextBox>(parent);
            edit->setText(caption);
            if (row.kind == Password)
                edit->setEchoMode(QLineEdit::Password);
            return edit;
        }
        case MultiLineText: {
            auto* text = new WidgetOf<MultiLineText>(parent);
            text->setText(caption);
            return text;
        }
        case Label:
        case Picture: {
            auto* label = new WidgetOf<Label>(parent);
            label->setText(caption);
            // A picture drawn for another zoom still fills its place.
            label->setScaledContents(row.kind == Picture);
            return label;
        }
        case List:
        case SortedList:
            return new WidgetOf<List>(parent);
        case Combo:
            return new WidgetOf<Combo>(parent);
        case IpEntry:
            return new WidgetOf<IpEntry>(parent);
        case Counter:
            return new WidgetOf<Counter>(parent);
        case Line: {
            auto* line = new WidgetOf<Line>(parent);
            line->setFrameShape(QFrame::HLine);
            return line;
        }
        case ProgressBar: {
            auto* bar = new WidgetOf<ProgressBar>(parent);
            bar->setTextVisible(false);
            return bar;
        }
        case Timer: {
            auto* timer = new WidgetOf<Timer>(parent);
            timer->setTimerType(Qt::PreciseTimer);
            return timer;
        }
        }
        return nullptr;
    }
}

MainForm::MainForm(QWidget* parent)
    : QWidget(parent)
{
    offerWhatIsSeen();
    setObjectName(QStringLiteral("F_MAIN"));
    setWindowTitle(QStringLiteral("LINKNODE TOOL VERSION: 1.3W"));
    build();
    applyZoom();
}

void MainForm::build()
{
    QHash<QString, QWidget*> containers;
    for (const ControlSpec& row : layoutTable) {
        QWidget* parent = row.parent ? containers.value(latin1(row.parent)) : this;
        QObject* control = createControl(row, parent);
        const QString name = latin1(row.name);
        control->setObjectName(name);
        control->setProperty("kind", QString::fromLatin1(kindName(row.kind)));
        control->setProperty("tag", QString());
        controls_.push_back(control);
        if (row.kind == ControlKind::Frame)
            containers.insert(name, static_cast<QWidget*>(control));
        if (auto* widget = qobject_cast<QWidget*>(control)) {
            place(*widget, QRect(row.left, row.top, row.width, row.height));
            if (row.toolTip)
                widget->setToolTip(latin1(row.toolTip));
            widget->setHidden(row.flags & Hidden);
            widget->setEnabled(!(row.flags & Disabled));
        }
    }

    (*this)[INP_WIEGAND_CFG].setEditable(true);
    (*this)[LST_PANORAMA_MODE].setEditable(true);

    auto& templates = (*this)[SW_MQTT_CFG_TEMPLATE];
    templates.addItems({ QStringLiteral("Preconfigured devices ..."),
        QStringLiteral("Domoticz Home Automation System"), QStringLiteral("SOTI CONNECT IoT!") });
    for (const Control<QComboBox> serial : { INP_PARITY, INP_StopBit, INP_DATABITS, INP_BAUDS })
        (*this)[serial].setEditable(true);
    (*this)[Text1].setReadOnly(true);
    (*this)[TXT_MODE_NOT_AVAILABLE].setAutoFillBackground(true);
    (*this)[TXT_MODE_NOT_AVAILABLE].setAlignment(Qt::AlignCenter);
    // Frames hide what lies underneath, so that no caption or control shows through.
    for (QGroupBox* frame : findChildren<QGroupBox*>())
        frame->setAutoFillBackground(true);
    // Frames shown over others lie on top of them.
    for (const Control<QGroupBox> above : { FR_MQTT, FR_UPD_WAIT, FR_RENIP })
        (*this)[above].raise();
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        widenPopupToItems(*combo);
        // A text set from code shows its beginning, as a long list item should.
        if (!combo->isEditable())
            continue;
        tellCutTextInTip(*combo);
        connect(combo, &QComboBox::editTextChanged, combo, [combo] {
            if (!combo->hasFocus())
                combo->lineEdit()->setCursorPosition(0);
        });
    }
    nameControls(*this);
    keyboard_ = new Keyboard(*this);
}

void MainForm::place(QWidget& control, const QRect& twips)
{
    control.setProperty("twips", twips);
    control.setGeometry(zoomedPixels(twips, zoom_));
}

void MainForm::moveTo(QWidget& control, const QPoint& twips)
{
    place(control, QRect(twips, designPlace(control).size()));
}

QRect MainForm::designPlace(const QWidget& control)
{
    return control.property("twips").toRect();
}

void MainForm::setZoom(int percent)
{
    const int bounded = std::clamp(percent, kSmallestZoom, kLargestZoom);
    if (bounded == zoom_)
        return;
    zoom_ = bounded;
    applyZoom();
}

void MainForm::applyZoom()
{
    QFont scaled = QApplication::font();
    scaled.setPointSizeF(kWindowFontPoints * zoom_ / 100.0);
    setFont(scaled);
    // Padding lines up the MAC column only in a fixed-pitch font.
    QFont fixed = fixedFont();
    fixed.setPointSizeF(fixed.pointSizeF() * zoom_ / 100.0);
    (*this)[LST_KRT].setFont(fixed);
    for (QWidget* control : findChildren<QWidget*>()) {
        if (const QRect twips = designPlace(*control); !twips.isNull())
            control->setGeometry(zoomedPixels(twips, zoom_));
    }
    setPictures();
    // Controls stand where they were drawn: a smaller window would cut them off, a larger one
    // leaves them at the top left.
    const QSize designSize = zoomedPixels(QRect(0, 0, windowWidth, windowHeight), zoom_).size();
    setMinimumSize(designSize);
    resize(designSize);
}

void MainForm::setPictures()
{
    // The menu entry's picture, so the running window and its entry look alike.
    QIcon icon;
    for (const int side : { 16, 22, 32, 48, 64, 128, 256 })
        icon.addPixmap(networkPicture(QSize(side, side), 1.0));
    setWindowIcon(icon);

    const qreal ratio = qGuiApp->devicePixelRatio();
    const auto zoomed = [this](QSize size) { return size * zoom_ / 100; };
    for (int index = kFirstProductPicture; index <= kLastProductPicture; ++index) {
        (*this)[PIC_PROD.at(index)].setPixmap(
            productPicture(index, zoomed(kProductPictureSize), ratio));
    }
    const std::pair<Control<ChangeLabel>, QPixmap (*)(QSize, qreal)> icons[] = {
        { PIC_ENCRYPTED, encryptedPicture },
        { PIC_WARNING_SUBNET(0), warningPicture },
        { PIC_WARNING_SUBNET(1), warningPicture },
        { PIC_V6_AUX, auxPortPicture },
        { PIC_NTP, ntpPicture },
        { IMG_BIOSCRYPT_PREFIX, prefixPicture },
        { Picture1(8), networkPicture },
    };
    for (const auto& [picture, draw] : icons)
        (*this)[picture].setPixmap(draw(zoomed(kIconSize), ratio));
}

bool MainForm::focusNextPrevChild(bool next)
{
    return keyboard_->moveFocus(next);
}

void MainForm::closeEvent(QCloseEvent* event)
{
    // Form_Unload runs once; the window stays alive until the program ends.
    if (!closing_) {
        closing_ = true;
        emit closing();
    }
    event->accept();
}

} // namespace linknode
