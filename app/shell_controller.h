#pragma once

#include <QObject>

namespace linknode {

class Clock;
class Dialogs;
class DiscoveryController;
class DeviceStore;
class Link;
class MainForm;

// Start-up, shutdown, the end-of-cycle watchdog and the small label handlers of the window.
class ShellController : public QObject {
    Q_OBJECT
public:
    ShellController(MainForm& form, Link& link, Dialogs& dialogs, Clock& clock, DeviceStore& store,
        DiscoveryController& discovery);

    // False when the receive port cannot be bound: the user has been told, the program ends.
    bool Form_Load();
    void Form_Unload();
    void TIM_TST_Timer();
    void AFF_MAC_Change();
    void AFF_TOT_TERM_Change();
    void Label1_Click();
    void Label1_DblClick();

signals:
    // Shutdown is complete; the program may end.
    void ended();

private:
    void armWatchdog();
    // While a rename pass holds the list, the saves that would wait for it look disabled.
    void listHeld();

    MainForm& form_;
    Link& link_;
    Dialogs& dialogs_;
    Clock& clock_;
    DeviceStore& store_;
    DiscoveryController& discovery_;
};

} // namespace linknode
