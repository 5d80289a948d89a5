#pragma once

#include <QObject>

namespace linknode {

class Clock;
class Link;
class MainForm;

// Finding devices: the enquiry cycle behind "FIND DEVICES".
class DiscoveryController : public QObject {
    Q_OBJECT
public:
    DiscoveryController(MainForm& form, Link& link, const Clock& clock);

    void B_ASK_CFG_Click();

private:
    MainForm& form_;
    Link& link_;
    const Clock& clock_;
};

} // namespace linknode
