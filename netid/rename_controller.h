#pragma once

#include <QObject>

namespace linknode {

class Clock;
class Dialogs;
class DiscoveryController;
class Link;
class MainForm;
class SaveController;

// RENAME IP: gives every listed device a new address by its MAC in one pass, in list order
// from prefix + 110. The list is taken once at the start and held still while the pass runs.
class RenameController : public QObject {
    Q_OBJECT
public:
    RenameController(MainForm& form, Link& link, Dialogs& dialogs, const Clock& clock,
        DiscoveryController& discovery, SaveController& save);

    void B_RENAME_IP_Click();

private:
    MainForm& form_;
    Link& link_;
    Dialogs& dialogs_;
    const Clock& clock_;
    DiscoveryController& discovery_;
    SaveController& save_;
};

} // namespace linknode
