#include "netid/send_address_controller.h"

#include "core/latin1.h"
#include "form/dialogs.h"
#include "form/main_form.h"
#include "link/envelope.h"
#include "link/link.h"
#include "widgets/change_label.h"
#include "widgets/ip_entry.h"

namespace linknode {

SendAddressController::SendAddressController(MainForm& form, Link& link, Dialogs& dialogs)
    : QObject(&form)
    , form_(form)
    , link_(link)
    , dialogs_(dialogs)
{
    connect(
        &form[INP_UDP_MASK], &IpEntry::changed, this, &SendAddressController::INP_UDP_MASK_Change);
    for (const auto label : LABEL_UDP_TX_MASK)
        connect(&form[label], &ChangeLabel::doubleClicked, this,
            &SendAddressController::LABEL_UDP_TX_MASK_DblClick);
    for (const auto picture : PIC_WARNING_SUBNET)
        connect(&form[picture], &ChangeLabel::clicked, this,
            &SendAddressController::PIC_WARNING_SUBNET_Click);
}

void SendAddressController::INP_UDP_MASK_Change()
{
    link_.setDestination(toBytes(form_[INP_UDP_MASK].text()));
}

void SendAddressController::LABEL_UDP_TX_MASK_DblClick()
{
    form_[INP_UDP_MASK].setText(QLatin1StringView(broadcastAddress));
}

void SendAddressController::PIC_WARNING_SUBNET_Click()
{
    dialogs_.message(QStringLiteral("Important: The IP address of the device must be in the same "
                                    "subnetwork as your computer for this option is stored in the "
                                    "device."),
        QStringLiteral("Warning !"), MessageIcon::Critical);
}

} // namespace linknode
