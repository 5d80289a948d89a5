#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace linknode {

class Clock;
class DeviceActionsController;
class DeviceDraft;
class Dialogs;
class DiscoveryController;
class Link;
class MainForm;

// The login string editor and the one path that sends login strings: the login itself, the
// Wiegand format, the terminal number and the display modes travel through SEND_LOGIN_STRING,
// to the selected device or, while SW_LOGIN_ALL is ticked, to every device.
class LoginController : public QObject {
    Q_OBJECT
public:
    LoginController(MainForm& form, Link& link, Dialogs& dialogs, const Clock& clock,
        DeviceActionsController& actions, DiscoveryController& discovery, DeviceDraft& draft);

    void B_ADD_ENTER_Click();
    void B_ADD_TAB_Click();
    void B_ADD_PAUSE_Click();
    void B_CLEAR_LOGIN_Click();
    void B_SEND_LOGIN_Click();
    void SW_LOGIN_ALL_Click();
    void B_SAVE_WIEGAND_Click();
    void B_SAVE_ALL_WIEGAND_Click();

    // Sends the login box; false when it cannot be sent (the user is told, nothing is sent).
    bool SEND_LOGIN_STRING();
    // Sends the login box `times` times; a countdown login asks its value once for them all.
    void sendLoginRepeatedly(int times);
    // Sends the caret codes of the Wiegand text `text` in the command envelope; false when
    // nothing was sent.
    bool SEND_CARET_COMMAND(const QString& text);
    // Sends `command` through the login path as if it were the login box; the box and whose
    // login it holds stay as they were: a command is no login the user typed.
    bool sendCommand(const QString& command);

    // Whether SEND_LOGIN_STRING can send `login`, and SEND_CARET_COMMAND the Wiegand text
    // `wiegand`: every character one a device stores, every caret code a byte, the command
    // one datagram. A refusal is told to the user, the focus on the box at fault.
    bool loginSendable(const QString& login);
    bool wiegandSendable(const QString& wiegand);

    // The login the box holds, expanded as the device keeps it (without the workstation
    // identifier, which the device keeps apart); none when it cannot be sent.
    std::optional<std::string> storedText();

private:
    void append(const QString& text);
    bool saveWiegand();
    // The record of the device shown, from the list ("" for one prepared by its MAC alone).
    std::string shownRecord() const;
    void loginChanged();
    // The login as sent, expanded: with the workstation identifier where the device has one.
    std::optional<std::string> expandedLogin(const QString& login);
    bool caretsAreBytes(const QString& text, QWidget& box);
    bool storable(const QString& text, const QString& what, QWidget& box);
    bool refuse(const QString& text, QWidget& box);

    MainForm& form_;
    Link& link_;
    Dialogs& dialogs_;
    const Clock& clock_;
    DeviceActionsController& actions_;
    DiscoveryController& discovery_;
    DeviceDraft& draft_;
    bool savingWiegand_ = false;
    bool savingAllWiegand_ = false;
};

} // namespace linknode
