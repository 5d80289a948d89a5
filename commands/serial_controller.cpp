#include "commands/serial_controller.h"

#include "commands/serial_codes.h"
#include "config/device_draft.h"
#include "config/device_record.h"
#include "config/view_state.h"
#include "core/latin1.h"
#include "form/main_form.h"
#include "widgets/change_label.h"
#include "widgets/focus_line_edit.h"
#include "widgets/ip_entry.h"

#include <QComboBox>

namespace linknode {

namespace {
    const QString accessCode = QStringLiteral("MARBLE KEY");
}

SerialController::SerialController(MainForm& form, DeviceDraft& draft)
    : QObject(&form)
    , form_(form)
    , draft_(draft)
{
    // An item chosen from the list changes the shown text too: one handler covers both.
    connect(
        &form[INP_PARITY], &QComboBox::editTextChanged, this, &SerialController::INP_PARITY_Change);
    connect(&form[INP_StopBit], &QComboBox::editTextChanged, this,
        &SerialController::INP_StopBit_Change);
    connect(&form[INP_DATABITS], &QComboBox::editTextChanged, this,
        &SerialController::INP_DATABITS_Change);
    connect(&form[INP_UNLOCK_255], &FocusLineEdit::textChanged, this,
        &SerialController::INP_UNLOCK_255_Change);
    connect(&form[INP_PW], &FocusLineEdit::textChanged, this, &SerialController::INP_PW_Change);
}

int SerialController::parityCode() const
{
    return static_cast<int>(leadingNumber(toBytes(form_[INP_PARITY].property("tag").toString())));
}

void SerialController::setParityCode(int code)
{
    form_[INP_PARITY].setProperty("tag", QString::number(code));
}

bool SerialController::twoStopBits() const
{
    return trimmedBlanks(form_[INP_StopBit].currentText()) == QLatin1String("2");
}

void SerialController::INP_PARITY_Change()
{
    auto& parity = form_[INP_PARITY];
    const QString shown = trimmedBlanks(parity.currentText());
    if (shown.size() == 1) {
        // A code from the device; anything but a digit counts as 0.
        const int code = shown[0].isDigit() ? shown[0].digitValue() : 0;
        setParityCode(code);
        form_[INP_StopBit].setEditText(code <= 2 ? QStringLiteral("1") : QStringLiteral("2"));
        if (const auto word = parityWord(code))
            parity.setEditText(toText(*word));
        return;
    }
    if (const auto base = parityBase(toBytes(shown)))
        setParityCode(linknode::parityCode(*base, twoStopBits()));
}

void SerialController::INP_StopBit_Change()
{
    const int code = parityCode();
    const QString stopBits = trimmedBlanks(form_[INP_StopBit].currentText());
    if (stopBits == QLatin1String("2") && code < 3)
        setParityCode(code + 3);
    else if (stopBits == QLatin1String("1") && code >= 3)
        setParityCode(code - 3);
}

void SerialController::INP_DATABITS_Change()
{
    auto& dataBits = form_[INP_DATABITS];
    const long long value = leadingNumber(toBytes(dataBits.currentText()));
    if (value == 0 || value == 1) {
        dataBits.setProperty("tag", QString::number(value));
        dataBits.setEditText(toText(dataBitsText(static_cast<int>(value))));
    } else if (const auto code = dataBitsCode(value)) {
        dataBits.setProperty("tag", QString::number(*code));
    }
}

void SerialController::INP_UNLOCK_255_Change()
{
    const QString mac = trimmedBlanks(form_[INP_UNLOCK_255].text());
    draft_.prepare(toBytes(mac));
    const auto field = [&](RecordField f) { return toText(recordField(draft_.record(), f)); };
    form_[AFF_MAC].setText(mac);
    // The hexadecimal form shows the same device, not the one selected before.
    form_[AFF_MAC_HEX].setText(toText(macHex(toBytes(mac))));
    form_[FR_CFG].show();
    form_[INP_IP].setText(field(FLD_IP));
    form_[INP_MASK].setText(field(FLD_MASK));
    form_[INP_GATE].setText(field(FLD_GATE));
    form_[INP_BAUDS].setEditText(field(FLD_BAUDS));
    form_[INP_PARITY].setEditText(field(FLD_PARITY));
    form_[INP_DATABITS].setEditText(field(FLD_DATABITS));
    form_[AFF_VER].setText(field(FLD_VERSION));
    // The login box still holds the device shown before: nothing of this one to send.
    draft_.setLoginOwner({});
}

void SerialController::INP_PW_Change()
{
    const bool unlocked = form_[INP_PW].text().toUpper() == accessCode;
    form_[FR_RENIP].setVisible(unlocked);
}

} // namespace linknode
