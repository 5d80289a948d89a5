#pragma once

#include <QObject>

namespace linknode {

class Dialogs;
class DiscoveryController;
class Link;
class MainForm;

// Tools around the device list: sort by IP, show MAC on the terminals, export the MAC/IP list,
// and the padding of the option characters.
class ListToolsController : public QObject {
    Q_OBJECT
public:
    ListToolsController(
        MainForm& form, Link& link, Dialogs& dialogs, DiscoveryController& discovery);

    void B_SORT_Click();
    void B_SHOW_MAC_Click();
    void B_SAVE_Click();
    void INP_NO_LostFocus();

private:
    MainForm& form_;
    Link& link_;
    Dialogs& dialogs_;
    DiscoveryController& discovery_;
};

} // namespace linknode
