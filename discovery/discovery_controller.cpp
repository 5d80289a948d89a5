#include "discovery/discovery_controller.h"

#include "app/form/main_form.h"
#include "app/util/wait.h"
#include "link/envelope.h"
#include "link/link.h"

#include <QCoreApplication>
#include <QPushButton>

namespace linknode {

DiscoveryController::DiscoveryController(MainForm& form, Link& link, const Clock& clock)
    : QObject(&form)
    , form_(form)
    , link_(link)
    , clock_(clock)
{
    connect(&form.get<QPushButton>("B_ASK_CFG"), &QPushButton::clicked, this,
        &DiscoveryController::B_ASK_CFG_Click);
}

void DiscoveryController::B_ASK_CFG_Click()
{
    auto& button = form_.get<QPushButton>("B_ASK_CFG");
    button.hide();
    link_.stamp();
    QCoreApplication::processEvents();
    link_.send(enquiryDatagram());
    QCoreApplication::processEvents();
    DELAIS_EVT(clock_, 0.1);
    form_.get<QWidget>("LST_KRT").setToolTip(QStringLiteral("IP DEVICES LIST"));
}

} // namespace linknode
