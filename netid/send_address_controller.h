#pragma once

#include <QObject>

namespace linknode {

class Dialogs;
class Link;
class MainForm;

// The window's side of the link: the send address follows INP_UDP_MASK, the "UDP TX MASK"
// labels restore broadcast, and the subnet warning pictures explain themselves.
class SendAddressController : public QObject {
    Q_OBJECT
public:
    SendAddressController(MainForm& form, Link& link, Dialogs& dialogs);

    void INP_UDP_MASK_Change();
    void LABEL_UDP_TX_MASK_DblClick();
    void PIC_WARNING_SUBNET_Click();

private:
    MainForm& form_;
    Link& link_;
    Dialogs& dialogs_;
};

} // namespace linknode
