#pragma once

#include <QObject>

namespace linknode {

class Dialogs;
class LoginController;
class MainForm;

// The start-up display mode of display boards and clocks, sent as a login-string command to
// the selected device or to every device.
class DisplayModesController : public QObject {
    Q_OBJECT
public:
    DisplayModesController(MainForm& form, Dialogs& dialogs, LoginController& login);

    void B_PANORAMA_SAVE_MODE_Click();
    void B_SAVE_ALL_PANORAMA_Click();

private:
    MainForm& form_;
    Dialogs& dialogs_;
    LoginController& login_;
    bool saving_ = false;
    bool savingAll_ = false;
};

} // namespace linknode
