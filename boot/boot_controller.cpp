#include "boot/boot_controller.h"

#include "app/form/main_form.h"
#include "app/util/wait.h"
#include "link/envelope.h"
#include "link/link.h"

#include <QCoreApplication>
#include <QPushButton>

namespace linknode {

BootController::BootController(MainForm& form, Link& link, const Clock& clock)
    : QObject(&form)
    , form_(form)
    , link_(link)
    , clock_(clock)
{
    connect(&form.get<QPushButton>("B_GO_TERM"), &QPushButton::clicked, this,
        &BootController::B_GO_TERM_Click);
}

void BootController::B_GO_TERM_Click()
{
    auto& button = form_.get<QWidget>("B_GO_TERM");
    button.hide();
    for (int i = 0; i < 10 && !clock_.waitsAborted(); ++i) {
        QCoreApplication::processEvents();
        link_.send(terminalModeDatagram());
        QCoreApplication::processEvents();
        DELAIS_EVT(clock_, 0.1);
    }
    button.show();
}

} // namespace linknode
