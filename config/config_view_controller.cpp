#include "config/config_view_controller.h"

#include "config/device_draft.h"
#include "config/device_record.h"
#include "config/device_settings.h"
#include "config/model_identity.h"
#include "config/mqtt_login.h"
#include "config/option_text.h"
#include "config/time_zone.h"
#include "config/view_state.h"
#include "config/wiegand.h"
#include "core/latin1.h"
#include "core/shown_text.h"
#include "core/text_fields.h"
#include "form/main_form.h"
#include "widgets/change_label.h"
#include "widgets/focus_line_edit.h"
#include "widgets/ip_entry.h"
#include "widgets/list_box.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

namespace linknode {

namespace {
    QString text(const std::string& bytes)
    {
        return toText(bytes);
    }

    // On V6 boards the left column, where other boards have the conduit and serial frames, is
    // free; the terminal number and the serial frame go there, as the login frame holds the
    // place on the right. In twips.
    const QRect terminalNumberOnV6 { 45, 480, 3015, 1080 };
    const QPoint serialFrameOnV6 { 130, 1640 };
    const QPoint auxPictureOnV6 { 130, 2580 };
}

ConfigViewController::ConfigViewController(MainForm& form, DeviceDraft& draft)
    : QObject(&form)
    , form_(form)
    , draft_(draft)
{
    connect(&form[LST_KRT], &ListBox::rowClicked, this, &ConfigViewController::LST_KRT_Click);
    auto& wiegand = form[INP_WIEGAND_CFG];
    for (const std::string& item : wiegandItems())
        wiegand.addItem(text(item));
    wiegand.setCurrentIndex(-1);
}

void ConfigViewController::LST_KRT_Click()
{
    auto& list = form_[LST_KRT];
    const int row = list.currentRow();
    if (row < 0)
        return;
    list.setProperty("tag", QStringLiteral("1"));
    const QString line = list.items().value(row);
    const std::string record = toBytes(line);
    draft_.load(record);

    auto& mac = form_[AFF_MAC];
    mac.setText(text(recordField(record, FLD_MAC)));
    form_[AFF_MAC_HEX].setText(text(macHex(toBytes(mac.text()))));

    form_[INP_IP].setText(text(recordField(record, FLD_IP)));
    form_[INP_MASK].setText(text(recordField(record, FLD_MASK)));
    form_[INP_GATE].setText(text(recordField(record, FLD_GATE)));

    form_[INP_BAUDS].setEditText(text(recordField(record, FLD_BAUDS)));
    // The serial codes come from this record alone: from the start-up state, so a record
    // without parity or data bits never keeps the previous device's codes for a save.
    form_[INP_PARITY].setProperty("tag", QString());
    form_[INP_DATABITS].setProperty("tag", QString());
    form_[INP_StopBit].setEditText(QString());
    form_[INP_PARITY].setEditText(text(recordField(record, FLD_PARITY)));
    form_[INP_DATABITS].setEditText(text(recordField(record, FLD_DATABITS)));

    // The login box always shows this device's login, even an empty or short one.
    const FirmwareVersion version = firmwareVersion(record);
    // Every control byte in caret form: an STX in the box would not be seen.
    form_[INP_LOGIN].setText(caretForm(text(loginCaretForm(loginOf(record)))));

    auto& wiegand = form_[INP_WIEGAND_CFG];
    wiegand.setEditText(QString());
    const std::string code = wiegandCode(record);
    if (!code.empty())
        wiegand.setEditText(text(wiegandSelectorText(code)));

    applyDefaults();
    const ModelIdentity model = identify(record, version);
    applyFeatures(record, version);
    showWorkstation();
    loadModeAndHost(record);
    // The line's own tip where it has one: a record cut short says so.
    const QString lineTip = list.model()->index(row, 0).data(Qt::ToolTipRole).toString();
    list.setToolTip(lineTip.isEmpty() ? line : lineTip);
    auto& options = form_[INP_NO];
    if (options.text().isEmpty())
        options.setText(QStringLiteral("0000"));
    markNtp();
    decodeOptions();
    showModeAndNtp(!recordField(record, FLD_MODE).empty());

    // Without a model, only a conduit board has a picture: never the one of the board before.
    if (model.row == 0) {
        if (!version.earliest && form_[SW_CONDUIT(0)].isChecked())
            showPicture(4);
        else
            form_[PIC_PROD(0)].hide();
    }
    form_[FR_CFG].show();
    draft_.setLoginOwner(toBytes(mac.text()));
    list.setProperty("tag", QStringLiteral("0"));
}

void ConfigViewController::applyDefaults()
{
    for (const auto hidden : ControlList<QWidget> { FR_WIEGAND, FR_PANORAMA_MODE, PIC_ENCRYPTED })
        form_[hidden].hide();
    form_[FR_SERIAL_CFG].show();
    form_[SW_KRT_V6].setChecked(false);
    auto& auxPicture = form_[PIC_V6_AUX];
    auxPicture.hide();
    form_.moveTo(auxPicture, { 5800, 1490 });
    form_.moveTo(form_[FR_SERIAL_CFG], { 130, 1260 });
    for (const auto address : ControlList<IpEntry> { INP_IP, INP_MASK, INP_GATE })
        form_[address].setEntryEnabled(true);
    form_[AFF_DHCP_IP].hide();
    for (const auto shown :
        ControlList<QWidget> { FR_MODE, SW_KEEPALIVE_DEL(0), SW_KEEPALIVE_DEL(1), SW_TIMEOUT })
        form_[shown].show();
    auto& mqtt = form_[FR_MQTT];
    form_.moveTo(mqtt, { 105, 3900 });
    mqtt.hide();
    form_[SW_10BASET].hide();
    form_[FR_TERM_NO].hide();
    form_[FR_CONDUIT_AUTOBOOT].show();
    // The workstation identifier belongs to the device shown, never to the one before.
    form_[INP_DEVNAME].setText(QString());
}

ModelIdentity ConfigViewController::identify(
    const std::string& record, const FirmwareVersion& version)
{
    auto& caption = form_[AFF_VER];
    if (version.earliest) {
        caption.setText(QStringLiteral("1.0A"));
        return {};
    }
    caption.setText(text(version.text));
    const ModelIdentity model = identifyModel(record, version.code);
    if (model.row != 0) {
        caption.setText(text(model.name + version.text));
        showPicture(model.picture);
        applyModelRules(model, record);
    }
    if (isEncrypted(record)) {
        auto& mark = form_[PIC_ENCRYPTED];
        mark.setToolTip(QStringLiteral("Encrypted connection"));
        mark.show();
        caption.setText(caption.text() + QStringLiteral(" Encrypted"));
    }
    return model;
}

void ConfigViewController::applyModelRules(const ModelIdentity& model, const std::string& record)
{
    const unsigned rules = model.rules;
    if (rules & RuleMqttFill)
        fillMqtt(record);
    if (rules & RuleDhcpGroup) {
        for (const auto address : ControlList<IpEntry> { INP_IP, INP_MASK, INP_GATE })
            form_[address].setEntryEnabled(false);
        form_[AFF_DHCP_IP].show();
    }
    if (rules & RuleHidePanorama)
        form_[FR_PANORAMA_MODE].hide();
    if (rules & RuleWiegand)
        form_[FR_WIEGAND].show();
    if (rules & (RulePanoramaList | RuleQd71rList)) {
        fillPanoramaModes(rules & RuleQd71rList);
        form_[FR_PANORAMA_MODE].show();
    }
    if (rules & RuleModbusLock)
        lockModbus();
    if (rules & RuleV6Layout)
        layOutV6();
    if (rules & RuleTerminalNumber)
        showTerminalNumber();
    if (rules & Rule10BaseT)
        form_[SW_10BASET].show();
}

void ConfigViewController::fillPanoramaModes(bool qd71r)
{
    auto& modes = form_[LST_PANORAMA_MODE];
    modes.clear();
    if (qd71r) {
        modes.addItems({ QStringLiteral("Clock Mode (Red)"), QStringLiteral("String Mode"),
            QStringLiteral("Temperature Mode"), QStringLiteral("Show Version Mode") });
        modes.setCurrentIndex(-1);
        modes.setEditText(QStringLiteral("QD-71R V4 Startup Mode"));
        modes.addItems({ QStringLiteral("Countdown on TTL IN"),
            QStringLiteral("Counter on TTL IN 1 Reset TTL IN 2") });
        return;
    }
    modes.addItems({ QStringLiteral("Clock Mode (Red)"), QStringLiteral("Clock Mode (Green)"),
        QStringLiteral("Clock Mode (Flash)"), QStringLiteral("String Mode"),
        QStringLiteral("Temperature Mode"), QStringLiteral("Show Version Mode"),
        QStringLiteral("Countdown on TTL IN"),
        QStringLiteral("Counter on TTL IN 1 Reset TTL IN 2") });
    modes.setCurrentIndex(-1);
    modes.setEditText(QStringLiteral("QD-Panorama Startup Mode"));
}

void ConfigViewController::lockModbus()
{
    form_[FR_MODE].hide();
    for (const auto off : ControlList<QCheckBox> {
             SW_TIMEOUT, SW_AUTO_BOOT, SW_CONDUIT(0), SW_KEEPALIVE, SW_BIOSCRYPT, SW_AUXRS232 })
        form_[off].setChecked(false);
    for (const auto hidden : ControlList<QWidget> { SW_TIMEOUT, SW_KEEPALIVE, SW_BIOSCRYPT,
             SW_AUXRS232, FR_CONDUIT_AUTOBOOT, SW_KEEPALIVE_DEL(0), SW_KEEPALIVE_DEL(1) })
        form_[hidden].hide();
}

void ConfigViewController::layOutV6()
{
    const bool auxPort = form_[SW_AUXRS232].isChecked();
    form_[FR_SERIAL_CFG].setVisible(auxPort);
    form_[PIC_V6_AUX].setVisible(auxPort);
    form_[SW_KRT_V6].setChecked(true);
    form_.moveTo(form_[FR_SERIAL_CFG], serialFrameOnV6);
    form_.moveTo(form_[PIC_V6_AUX], auxPictureOnV6);
    form_[FR_CONDUIT_AUTOBOOT].hide();
    for (const auto off : ControlList<QCheckBox> { SW_AUTO_BOOT, SW_CONDUIT(0), SW_CONDUIT(1) })
        form_[off].setChecked(false);
}

void ConfigViewController::fillMqtt(const std::string& record)
{
    form_[SW_TIMEOUT].hide();
    form_[FR_MODE].hide();
    auto& frame = form_[FR_MQTT];
    frame.show();
    frame.raise();
    form_[SW_MODE(1)].setChecked(true);
    form_[INP_MQTT_SERVER].setText(text(recordField(record, FLD_HOST_IP)));
    form_[INP_MQTT_PORT].setText(text(recordField(record, FLD_HOST_PORT)));
    // Every item, the topic too, is a whole part of the "^13^" split: a topic holding a
    // caret is kept as it is.
    const MqttItems items = mqttItems(toBytes(form_[INP_LOGIN].text()));
    for (size_t i = 0; i < items.size(); ++i)
        form_[mqttItemBoxes[i]].setText(text(items[i]));
}

void ConfigViewController::showTerminalNumber()
{
    auto& frame = form_[FR_TERM_NO];
    form_.place(frame, terminalNumberOnV6);
    frame.show();
    const QString login = form_[INP_LOGIN].text();
    auto& number = form_[INP_TERM_NO];
    number.setToolTip(login);
    const QString upper = login.toUpper();
    const qsizetype marker = upper.indexOf(QLatin1String("TER:"));
    // Without a number in the login the box shows none: saving the board before's number
    // would give two terminals one number.
    const bool hasNumber = marker >= 0 && upper.size() - marker - 4 >= 4;
    number.setText(hasNumber ? upper.mid(marker + 4, 4) : QStringLiteral("0000"));
}

void ConfigViewController::applyFeatures(const std::string& record, const FirmwareVersion& version)
{
    // Old firmware has none of the features the version rules show: they are hidden, never
    // left as the board before had them. The workstation suffix of the login hangs on them.
    const bool old = oldFirmware(record, version.number);
    const VersionFeatures has
        = old ? VersionFeatures {} : versionFeatures(version.number, version.letter);
    draft_.setLoginAvailable(!old);
    form_[SW_AUTO_BOOT].setVisible(!old);
    // Its three switches are all hidden then: no empty box beside the mode note.
    if (old)
        form_[FR_CONDUIT_AUTOBOOT].hide();
    form_[SW_KEEPALIVE].setVisible(has.keepalive);
    form_[SW_CONDUIT(0)].setVisible(has.conduit);
    form_[FR_NTP].setVisible(has.ntp);
    form_[FR_DEVNAME].setVisible(has.devName);
    draft_.setWorkstationAvailable(has.devName);
    form_[SW_CONDUIT(1)].setVisible(has.conduit400);
    form_[SW_BIOSCRYPT].setVisible(has.bioscrypt);
    auto& auxPort = form_[SW_AUXRS232];
    auxPort.setVisible(has.auxPort);
    if (!has.auxPort)
        auxPort.setChecked(false);
    form_[SW_BIOSCRYPT_PREFIX].setVisible(has.bioscryptPrefix);
    form_[IMG_BIOSCRYPT_PREFIX].setVisible(has.bioscryptPrefix);
    auto& prompt = form_[AFF_SEL_DEV];
    prompt.setText(QStringLiteral("SELECT AN IP DEVICE FROM LIST ABOVE"));
    prompt.hide();
}

void ConfigViewController::showWorkstation()
{
    // Where the firmware keeps a workstation identifier, one that ends the login (as SAVE
    // LOGIN STRING sends it) shows in its own box; sent again, the two make the same login.
    if (!draft_.workstationAvailable())
        return;
    auto& login = form_[INP_LOGIN];
    const LoginParts parts = splitWorkstation(toBytes(login.text()));
    login.setText(text(parts.login));
    form_[INP_DEVNAME].setText(text(parts.workstation));
}

void ConfigViewController::loadModeAndHost(const std::string& record)
{
    const int mode = socketMode(recordField(record, FLD_MODE));
    auto& server = form_[SW_MODE(0)];
    auto& client = form_[SW_MODE(1)];
    (mode != 0 ? client : server).setChecked(true);
    server.setProperty("tag", QString::number(mode));

    const bool noModeOption = recordField(record, FLD_MODE).empty();
    auto& note = form_[TXT_MODE_NOT_AVAILABLE];
    if (noModeOption) {
        form_.moveTo(note, { 45, 225 });
        note.show();
    } else {
        note.hide();
    }
    // Loaded for every device, with or without the mode option: what the view shows, and a
    // save sends, is always this device's own host and options.
    form_[INP_HOST_IP].setText(text(recordField(record, FLD_HOST_IP)));
    form_[INP_HOST_PORT].setText(text(recordField(record, FLD_HOST_PORT)));
    form_[INP_NO].setText(text(optionsShown(recordField(record, FLD_OPTIONS))));
}

void ConfigViewController::markNtp()
{
    const QString port = form_[INP_HOST_PORT].text();
    // The NTP controls show this device's zone and server, also when NTP was on for the
    // device before and no NTP handler runs. Their change handlers leave the port alone
    // while the view is filled.
    if (const auto zone = timeZoneOf(toBytes(port))) {
        form_[B_TIME_ZONE].setText(text(zone->sign));
        form_[INP_TIMEZONE].setText(text(zone->hours));
        form_[INP_IP_NTP].setText(form_[INP_HOST_IP].text());
    }
    // A port too short for the "00" mark carries no NTP.
    form_[SW_NTP].setChecked(port.startsWith(QLatin1String("00")));
}

void ConfigViewController::showModeAndNtp(bool modeOption)
{
    // Applied from the end state, as a change handler does not run when the board before had
    // the same mode or NTP mark.
    const bool ntp = form_[SW_NTP].isChecked();
    showSocketMode(form_, form_[SW_MODE(1)].isChecked(), draft_.loginAvailable());
    showNtpEntries(form_, ntp);
    // A clock that uses NTP stays in server mode.
    for (const auto mode : ControlList<QWidget> { SW_MODE(0), SW_MODE(1) })
        form_[mode].setEnabled(modeOption && !ntp);
}

void ConfigViewController::decodeOptions()
{
    // A text shorter than four characters carries no options; the option writer replaces it
    // by a fresh one, so the switches show none.
    std::string options = optionsTyped(toBytes(form_[INP_NO].text()));
    if (options.size() < 4)
        options = "0000";
    const char c2 = options[1], c4 = options[3];
    const auto c3 = static_cast<unsigned char>(options[2]);
    auto check = [this](Control<QAbstractButton> box, bool on) { form_[box].setChecked(on); };
    check(SW_TIMEOUT, c4 == '9');
    check(SW_AUTO_BOOT, c3 == '8' || c3 == 184);
    auto& caption = form_[AFF_VER];
    caption.setText(caption.text() + text(gatewaySuffix(options)));
    check(SW_AUXRS232, c3 == 'N' || c3 == 128 || c3 == 184);
    decodeTerminalMode(options[0]);

    const bool keepalive = c2 == '7' || c2 == '8';
    check(SW_KEEPALIVE, keepalive);
    // Off, the delay shows its first choice: ticking keepalive gives the same on every board.
    check(c2 == '8' ? SW_KEEPALIVE_DEL(1) : SW_KEEPALIVE_DEL(0), true);
    for (const auto delay : ControlList<QWidget> { SW_KEEPALIVE_DEL(0), SW_KEEPALIVE_DEL(1) })
        form_[delay].setEnabled(keepalive);
}

void ConfigViewController::decodeTerminalMode(char c1)
{
    auto check = [this](Control<QAbstractButton> box, bool on) { form_[box].setChecked(on); };
    auto& conduit400 = form_[SW_CONDUIT(1)];
    switch (c1) {
    case '4':
        check(SW_CONDUIT(0), true);
        conduit400.setEnabled(true);
        check(SW_CONDUIT(1), true);
        check(SW_BIOSCRYPT, false);
        check(SW_BIOSCRYPT_PREFIX, false);
        form_[FR_BIOSCRYPT_PREFIX].hide();
        break;
    case '5':
    case '6':
        check(SW_CONDUIT(0), false);
        check(SW_CONDUIT(1), false);
        conduit400.setEnabled(false);
        check(SW_BIOSCRYPT, true);
        check(SW_BIOSCRYPT_PREFIX, c1 == '6');
        form_[FR_BIOSCRYPT_PREFIX].show();
        break;
    default:
        // "0", "2", and values that name no mode, which show none.
        check(SW_CONDUIT(0), c1 == '2');
        check(SW_CONDUIT(1), false);
        conduit400.setEnabled(c1 == '2');
        check(SW_BIOSCRYPT, false);
        check(SW_BIOSCRYPT_PREFIX, false);
        form_[FR_BIOSCRYPT_PREFIX].hide();
        break;
    }
}

void ConfigViewController::showPicture(int index)
{
    auto& shown = form_[PIC_PROD(0)];
    shown.setPixmap(form_[PIC_PROD.at(index)].pixmap());
    shown.setProperty("picture", index);
    shown.show();
}

} // namespace linknode
