#pragma once

#include <QObject>
#include <QString>

namespace linknode {

class Clock;
class DeviceActionsController;
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
        DeviceActionsController& actions, DiscoveryController& discovery);

    void B_ADD_ENTER_Click();
    void B_ADD_TAB_Click();
    void B_ADD_PAUSE_Click();
    void B_CLEAR_LOGIN_Click();
    void B_SEND_LOGIN_Click();
    void SW_LOGIN_ALL_Click();
    void B_SAVE_WIEGAND_Click();
    void B_SAVE_ALL_WIEGAND_Click();

    // Sends the login box; false when a caret code names no byte (the user is told, nothing
    // is sent).
    bool SEND_LOGIN_STRING();
    // Sends the caret codes of `text` in the command envelope; false when nothing was sent.
    bool SEND_CARET_COMMAND(const QString& text);
    // A caret code of `text` that names no byte, told to the user; true when all are bytes.
    bool caretsAreBytes(const QString& text);

private:
    void append(const QString& text);

    MainForm& form_;
    Link& link_;
    Dialogs& dialogs_;
    const Clock& clock_;
    DeviceActionsController& actions_;
    DiscoveryController& discovery_;
    bool savingWiegand_ = false;
    bool savingAllWiegand_ = false;
};

} // namespace linknode
