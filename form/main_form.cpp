#include "form/main_form.h"

#include "form/layout_table.h"
#include "form/multi_line_text.h"
#include "widgets/change_label.h"
#include "widgets/counter_display.h"
#include "widgets/focus_line_edit.h"
#include "widgets/ip_entry.h"
#include "widgets/list_box.h"
#include "widgets/product_art.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolTip>

namespace linknode {

namespace {
    QString latin1(const char* text)
    {
        return QString::fromLatin1(text ? text : "");
    }

    QObject* createControl(const ControlSpec& row, QWidget* parent)
    {
        const QString caption = latin1(row.caption);
        switch (row.kind) {
        case ControlKind::Frame:
            return new QGroupBox(caption, parent);
        case ControlKind::Button:
            return new QPushButton(caption, parent);
        case ControlKind::CheckBox:
            return new QCheckBox(caption, parent);
        case ControlKind::Option:
            return new QRadioButton(caption, parent);
        case ControlKind::TextBox:
        case ControlKind::Password: {
            auto* edit = new FocusLineEdit(parent);
            edit->setText(caption);
            if (row.kind == ControlKind::Password)
                edit->setEchoMode(QLineEdit::Password);
            return edit;
        }
        case ControlKind::MultiLineText: {
            auto* text = new MultiLineText(parent);
            text->setText(caption);
            return text;
        }
        case ControlKind::Label:
        case ControlKind::Picture: {
            auto* label = new ChangeLabel(parent);
            label->setText(caption);
            return label;
        }
        case ControlKind::List:
        case ControlKind::SortedList:
            return new ListBox(parent);
        case ControlKind::Combo:
            return new QComboBox(parent);
        case ControlKind::IpEntry:
            return new IpEntry(parent);
        case ControlKind::Counter:
            return new CounterDisplay(parent);
        case ControlKind::Line: {
            auto* line = new QFrame(parent);
            line->setFrameShape(QFrame::HLine);
            return line;
        }
        case ControlKind::Timer: {
            auto* timer = new QTimer(parent);
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
    setObjectName(QStringLiteral("F_MAIN"));
    setWindowTitle(QStringLiteral("LINKNODE TOOL VERSION: 1.3W"));
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    resize(9420 / twipsPerPixel, 7845 / twipsPerPixel);
    build();
}

void MainForm::build()
{
    for (const ControlSpec& row : layoutTable()) {
        QWidget* parent = row.parent ? &get<QWidget>(row.parent) : this;
        QObject* control = createControl(row, parent);
        const QString name = latin1(row.name);
        control->setObjectName(name);
        control->setProperty("kind", QString::fromLatin1(kindName(row.kind)));
        control->setProperty("tag", QString());
        controls_.insert(name, control);
        if (auto* widget = qobject_cast<QWidget*>(control)) {
            widget->setGeometry(row.left / twipsPerPixel, row.top / twipsPerPixel,
                row.width / twipsPerPixel, row.height / twipsPerPixel);
            if (row.toolTip)
                widget->setToolTip(latin1(row.toolTip));
            widget->setHidden(row.flags & Hidden);
            widget->setEnabled(!(row.flags & Disabled));
        }
    }

    get<QComboBox>("INP_WIEGAND_CFG").setEditable(true);
    get<QComboBox>("LST_PANORAMA_MODE").setEditable(true);

    auto& templates = get<QComboBox>("SW_MQTT_CFG_TEMPLATE");
    templates.addItems({ QStringLiteral("Preconfigured devices ..."),
        QStringLiteral("Domoticz Home Automation System"), QStringLiteral("SOTI CONNECT IoT!") });
    for (const char* name : { "INP_PARITY", "INP_StopBit", "INP_DATABITS", "INP_BAUDS" })
        get<QComboBox>(name).setEditable(true);
    get<QPlainTextEdit>("Text1").setReadOnly(true);
    // Padding lines up the MAC column only in a fixed-pitch font.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSize(8);
    get<QWidget>("LST_KRT").setFont(fixed);
    get<QLabel>("TXT_MODE_NOT_AVAILABLE").setAutoFillBackground(true);
    get<QLabel>("TXT_MODE_NOT_AVAILABLE").setAlignment(Qt::AlignCenter);
    setPictures();
    // Frames shown over others lie on top of them and hide what is underneath.
    for (const char* name : { "FR_MQTT", "FR_UPD_WAIT", "FR_RENIP" }) {
        auto& frame = get<QWidget>(name);
        frame.setAutoFillBackground(true);
        frame.raise();
    }
    // A text set from code shows its beginning, as a long list item should.
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        if (!combo->isEditable())
            continue;
        connect(combo, &QComboBox::editTextChanged, combo, [combo] {
            if (!combo->hasFocus())
                combo->lineEdit()->setCursorPosition(0);
        });
    }
}

void MainForm::setPictures()
{
    const qreal ratio = qGuiApp->devicePixelRatio();
    for (int index = kFirstProductPicture; index <= kLastProductPicture; ++index) {
        const QString name = QStringLiteral("PIC_PROD(%1)").arg(index);
        get<QLabel>(name.toLatin1().constData())
            .setPixmap(productPicture(index, kProductPictureSize, ratio));
    }
    const std::pair<const char*, QPixmap (*)(QSize, qreal)> icons[] = {
        { "PIC_ENCRYPTED", encryptedPicture },
        { "PIC_WARNING_SUBNET(0)", warningPicture },
        { "PIC_WARNING_SUBNET(1)", warningPicture },
        { "PIC_V6_AUX", auxPortPicture },
        { "PIC_NTP", ntpPicture },
        { "IMG_BIOSCRYPT_PREFIX", prefixPicture },
        { "Picture1(8)", networkPicture },
    };
    for (const auto& [name, draw] : icons)
        get<QLabel>(name).setPixmap(draw(kIconSize, ratio));
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

void MainForm::missingControl(const char* name)
{
    qFatal("F_MAIN has no control named %s of the expected kind", name);
}

} // namespace linknode
