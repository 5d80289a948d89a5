#pragma once

#include <QObject>

namespace linknode {

class DiscoveryController;
class Link;
class MainForm;

// Sending terminals into terminal or boot mode, the auto-boot option character, and the
// bypass switch that asks again and again so that devices in boot mode are found.
class BootController : public QObject {
    Q_OBJECT
public:
    BootController(MainForm& form, Link& link, DiscoveryController& discovery);

    void B_GO_TERM_Click();
    void B_GO_BOOT_Click();
    void SW_BYPASSAUTOBOOT_Click();
    void SW_AUTO_BOOT_Click();

private:
    MainForm& form_;
    Link& link_;
    DiscoveryController& discovery_;
};

} // namespace linknode
