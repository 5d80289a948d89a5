#pragma once

#include "form/control_handle.h"

#include <QObject>

namespace linknode {

class BootController;
class DeviceDraft;
class Dialogs;
class MainForm;

// The option switches rewrite the part of the shown configuration they stand for: one
// option character of INP_NO, the 10Base-T mark of the host port, the socket mode. Nothing
// is sent; the configuration save carries it. While the view is being filled they set
// switches, visibility and enabled states only: the texts stay as the device sent them.
class OptionSwitchesController : public QObject {
    Q_OBJECT
public:
    OptionSwitchesController(
        MainForm& form, Dialogs& dialogs, BootController& boot, const DeviceDraft& draft);

    void SW_CONDUIT_Click();
    void SW_BIOSCRYPT_Click();
    void SW_BIOSCRYPT_PREFIX_Click();
    void SW_KEEPALIVE_Click();
    void SW_KEEPALIVE_DEL_Click();
    void SW_TIMEOUT_Click();
    void SW_AUXRS232_Click();
    void SW_10BASET_MouseDown();
    void SW_10BASET_Click();
    void SW_MODE_Click();

private:
    bool checked(Control<QAbstractButton> button) const;
    void setChecked(Control<QAbstractButton> button, bool on);
    void writeOption(int position, char c);
    void setTextOfShownDevice(Control<FocusLineEdit> box, const QString& text);

    MainForm& form_;
    Dialogs& dialogs_;
    BootController& boot_;
    const DeviceDraft& draft_;
};

} // namespace linknode
