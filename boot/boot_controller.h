#pragma once

#include <QObject>

namespace linknode {

class Link;
class MainForm;

// Sending terminals into terminal mode, and the auto-boot option character.
class BootController : public QObject {
    Q_OBJECT
public:
    BootController(MainForm& form, Link& link);

    void B_GO_TERM_Click();
    void SW_AUTO_BOOT_Click();

private:
    MainForm& form_;
    Link& link_;
};

} // namespace linknode
