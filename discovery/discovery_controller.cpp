#include "discovery/discovery_controller.h"

#include "core/latin1.h"
#include "core/logging.h"
#include "core/wait.h"
#include "discovery/device_store.h"
#include "form/main_form.h"
#include "link/envelope.h"
#include "link/link.h"
#include "widgets/busy_button.h"
#include "widgets/change_label.h"
#include "widgets/ip_entry.h"
#include "widgets/list_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QRadioButton>
#include <utility>

namespace linknode {

namespace {
    const QString selectPrompt = QStringLiteral("SELECT AN IP DEVICE FROM LIST ABOVE");
    const QString listFull = QStringLiteral(
        "LIST FULL: 10000 DEVICES LISTED, MORE DEVICES ANSWERED AND ARE NOT SHOWN");
}

DiscoveryController::DiscoveryController(
    MainForm& form, Link& link, const Clock& clock, DeviceStore& store)
    : QObject(&form)
    , form_(form)
    , link_(link)
    , clock_(clock)
    , devices_(store, model_)
{
    form[LST_KRT].setModel(&model_);
    connect(&form[B_ASK_CFG], &QPushButton::clicked, this, &DiscoveryController::B_ASK_CFG_Click);
    connect(&link, &Link::recordReceived, this, &DiscoveryController::takeReply);
    connect(&link, &Link::receiveDrained, this, &DiscoveryController::showReplies);
}

void DiscoveryController::B_ASK_CFG_Click()
{
    if (held_)
        return;
    form_[AFF_SEL_DEV].setText(selectPrompt);
    toldListFull_ = false;
    form_[FR_MQTT].hide();
    const bool keepList = form_[SW_SWITCH].isChecked();
    if (!keepList)
        RESET_DEVICE_LIST();
    auto& button = form_[B_ASK_CFG];
    // Hidden, the button must not keep the keys (a Space would ask again) nor hand them to the
    // next control (where a Space would tick or press it): they go nowhere until it is back.
    if (form_.focusWidget() == &button)
        button.clearFocus();
    setBusy(button, true);
    cycleStart_ = clock_.now();
    // Every enquiry re-stamps the activity time, so the cycle ends 0.3 s after the last one.
    const int enquiries = keepList ? 25 : 1;
    for (int i = 0; i < enquiries && !clock_.waitsAborted(); ++i) {
        QCoreApplication::processEvents();
        link_.stamp();
        link_.send(enquiryDatagram());
        QCoreApplication::processEvents();
        DELAIS_EVT(clock_, 0.1);
    }
    // The focus comes back to the button only from nowhere: keys typed meanwhile into another
    // box (with AUTOMATIC ASK, every few seconds) stay there. Hidden, it takes it when shown.
    focusOnReturn_ = !form_.focusWidget() || form_.focusWidget() == &button;
    if (focusOnReturn_ && !button.isHidden())
        giveFocusBack();
    form_[LST_KRT].setToolTip(QStringLiteral("IP DEVICES LIST"));
}

bool DiscoveryController::selectDevice(const std::string& mac)
{
    const auto line = devices_.lineOf(mac);
    return line && form_[LST_KRT].selectRow(*line);
}

void DiscoveryController::hold(bool held)
{
    held_ = held;
    // Clicks of the user on the list wait; the pass selects lines itself.
    for (const auto control : ControlList<QWidget> { LST_KRT, B_ASK_CFG, B_SORT })
        form_[control].setEnabled(!held);
    emit heldChanged();
}

void DiscoveryController::RESET_DEVICE_LIST()
{
    auto& list = form_[LST_KRT];
    list.setToolTip(QStringLiteral("IP DEVICES LIST"));
    devices_.clear();
    form_[AFF_TOT_TERM].setText(QStringLiteral("0"));
    for (const auto caption : ControlList<ChangeLabel> { AFF_MAC, AFF_MAC_HEX, AFF_VER })
        form_[caption].setText(QString());
    for (const auto address : ControlList<IpEntry> { INP_IP, INP_MASK, INP_GATE })
        form_[address].setText(QString());
    for (const auto selector : ControlList<QComboBox> { INP_BAUDS, INP_PARITY, INP_DATABITS })
        form_[selector].setEditText(QString());
    form_[FR_LOGIN].hide();
    auto& server = form_[SW_MODE(0)];
    server.setEnabled(false);
    form_[SW_MODE(1)].setEnabled(false);
    server.setChecked(true);
    form_[FR_CFG].hide();
}

void DiscoveryController::takeReply(const std::string& record, const QString&, bool cut)
{
    const DeviceList::Intake intake = devices_.take(record, cut);
    heardDevice_ = heardDevice_ || intake == DeviceList::Intake::Added
        || intake == DeviceList::Intake::Replaced || intake == DeviceList::Intake::Unchanged;
    if (intake == DeviceList::Intake::NotAMac)
        qCInfo(discoveryLog) << "reply not listed: its first field is no MAC address:"
                             << toText(record.substr(0, 40));
    if (intake == DeviceList::Intake::Full)
        qCInfo(discoveryLog) << "reply not listed: the list is full";
    if (intake == DeviceList::Intake::Full && !toldListFull_) {
        // Told in words, once a cycle: a modal box would stop the discovery.
        toldListFull_ = true;
        form_[AFF_SEL_DEV].setText(listFull);
    }
}

void DiscoveryController::cycleEnded()
{
    devices_.alignIfWidthChanged();
    model_.commit();
    if (focusOnReturn_)
        giveFocusBack();
}

void DiscoveryController::giveFocusBack()
{
    focusOnReturn_ = false;
    // The user may have put the focus somewhere since the cycle began.
    if (!form_.focusWidget())
        form_[B_ASK_CFG].setFocus();
}

void DiscoveryController::showReplies()
{
    devices_.alignIfWider();
    model_.commit();
    form_[AFF_TOT_TERM].setText(QString::number(devices_.count()));
    // Junk, or one device answering without end, cannot keep FIND DEVICES hidden for ever.
    if (std::exchange(heardDevice_, false) && clock_.now() - cycleStart_ < longestCycle)
        link_.stamp();
}

} // namespace linknode
