#include "netid/rename_controller.h"

#include "commands/sender_scope.h"
#include "config/device_record.h"
#include "config/model_identity.h"
#include "config/option_text.h"
#include "core/clock.h"
#include "core/latin1.h"
#include "core/logging.h"
#include "discovery/discovery_controller.h"
#include "form/dialogs.h"
#include "form/main_form.h"
#include "link/envelope.h"
#include "link/link.h"
#include "netid/device_change.h"
#include "netid/save_checks.h"
#include "netid/save_controller.h"
#include "netid/wave_engine.h"
#include "widgets/busy_button.h"

#include <QCoreApplication>
#include <QProgressBar>

namespace linknode {

namespace {
    const QString broadcast = QLatin1StringView(broadcastAddress);

    // What the pass needs of each listed device, taken once before the first datagram.
    struct Target {
        std::string mac;
        MacBytes macBytes;
        std::string gateway;
        std::string baud;
    };

    // Four plain numbers: "010.040.007.110" is read as octal by many stacks.
    std::string plainNumbers(std::string_view text)
    {
        const auto octets = strictAddress(text);
        if (!octets)
            return std::string(text);
        std::string plain;
        for (const quint8 octet : *octets)
            plain += std::to_string(octet) + '.';
        plain.pop_back();
        return plain;
    }

    // "010.040.007." gives 10.40.7.110 and so on; a prefix that is none stays as typed.
    std::string plainPrefix(const std::string& prefix)
    {
        if (!prefix.ends_with('.'))
            return prefix;
        const std::string network = plainNumbers(prefix + "0");
        return network.substr(0, network.rfind('.') + 1);
    }

    // The save's progress bar, lent to the pass: beside the device count, which gives up the
    // right part of its row (empty beside so short a text), and given back as it was.
    class LentProgressBar {
    public:
        LentProgressBar(MainForm& form, int devices)
            : form_(form)
            , bar_(form[PRG_UPD_WAIT])
            , barPlace_(MainForm::designPlace(bar_))
            , countPlace_(MainForm::designPlace(form[AFF_SEL_DEV]))
        {
            // In twips; the bar keeps two pixels (30 twips) off the row's edges.
            const QRect count = countPlace_;
            const int half = count.width() * 3 / 5;
            form.place(form[AFF_SEL_DEV], QRect(count.topLeft(), QSize(half, count.height())));
            bar_.setParent(&form);
            form.place(bar_,
                QRect(count.left() + half, count.top() + 30, count.width() - half,
                    count.height() - 60));
            bar_.setRange(0, devices);
            bar_.setValue(0);
            bar_.show();
        }
        ~LentProgressBar()
        {
            bar_.setParent(&form_[FR_UPD_WAIT]);
            form_.place(bar_, barPlace_);
            bar_.show();
            form_.place(form_[AFF_SEL_DEV], countPlace_);
        }
        LentProgressBar(const LentProgressBar&) = delete;
        LentProgressBar& operator=(const LentProgressBar&) = delete;

        void setDone(int devices) { bar_.setValue(devices); }

    private:
        MainForm& form_;
        QProgressBar& bar_;
        QRect barPlace_;
        QRect countPlace_;
    };

    std::vector<Target> snapshot(const DeviceList& devices)
    {
        std::vector<Target> targets;
        for (int line = 0; line < devices.count(); ++line) {
            const std::string& record = devices.record(line);
            const std::string caption = modelCaption(record);
            const bool slowPort = caption.find("KRT-40/NX V6") != std::string::npos
                || caption.find("Conduit V") != std::string::npos;
            const std::string mac = recordField(record, FLD_MAC);
            targets.push_back({ mac, macBytes(mac), plainNumbers(recordField(record, FLD_GATE)),
                slowPort ? "9600" : "57600" });
        }
        return targets;
    }
}

RenameController::RenameController(MainForm& form, Link& link, Dialogs& dialogs, const Clock& clock,
    DiscoveryController& discovery, SaveController& save)
    : QObject(&form)
    , form_(form)
    , link_(link)
    , dialogs_(dialogs)
    , clock_(clock)
    , discovery_(discovery)
    , save_(save)
{
    connect(&form[B_RENAME_IP], &QPushButton::clicked, this, &RenameController::B_RENAME_IP_Click);
}

void RenameController::B_RENAME_IP_Click()
{
    if (!save_.beginChange())
        return;
    const std::vector<Target> targets = snapshot(discovery_.devices());
    const int count = static_cast<int>(targets.size());
    const std::string mask = toBytes(trimmedBlanks(form_[INP_AUTO_MASK].text()));
    const RenamePlan plan
        = renamePlan(plainPrefix(toBytes(form_[INP_AUTO_IP].text())), mask, count);
    if (plan.problem) {
        qCInfo(saveLog) << "RENAME IP refused:" << toText(plan.problem.text);
        dialogs_.message(
            toText(plan.problem.text), QStringLiteral("RENAME IP"), MessageIcon::Critical);
        save_.endChange();
        return;
    }
    for (const Target& target : targets) {
        if (!strictMac(target.mac)) {
            dialogs_.message(QStringLiteral("A listed device has the MAC address \"%1\", which is "
                                            "not six numbers 0 to 255. Nothing was sent.")
                                 .arg(toText(target.mac)),
                QStringLiteral("RENAME IP"), MessageIcon::Critical);
            save_.endChange();
            return;
        }
    }
    // Every configuration passes the rules of a change of one device before the first leaves.
    const std::string optionCharacters = optionsTyped(toBytes(form_[INP_NO].text()));
    std::vector<FleetChange> changes;
    WavePlan waves;
    for (size_t i = 0; i < targets.size(); ++i) {
        const Target& target = targets[i];
        PlannedChange change;
        change.config = {
            .ip = plan.addresses[i],
            .mask = plainNumbers(mask),
            .gateway = target.gateway,
            .host = HostSettings { .ip = std::string(serverModeHostIp),
                .port = std::string(plainHostPort),
                .options = optionCharacters },
            .mac = target.macBytes,
            .serial = SerialSettings { .baud = target.baud },
        };
        if (const Refusal problem = networkProblem(change.config)) {
            dialogs_.message(QStringLiteral("The device %1 cannot be given this configuration: "
                                            "%2. Nothing was sent.")
                                 .arg(toText(target.mac), toText(problem.text)),
                QStringLiteral("RENAME IP"), MessageIcon::Critical);
            save_.endChange();
            return;
        }
        changes.push_back({ target.macBytes, std::move(change), {} });
        // A wave a device, in list order.
        waves.waves.push_back({ { i, plan.addresses[i], {} } });
    }

    auto& button = form_[B_RENAME_IP];
    setBusy(button, true);
    discovery_.hold(true);
    auto& progress = form_[AFF_SEL_DEV];
    SendAddressScope everyDevice(form_, broadcast);
    LentProgressBar bar(form_, count);
    // Each device shown in turn, then five configurations in a row by its MAC through the
    // limited broadcast (one aimed at a single device would keep the others from hearing
    // their new address), then two seconds.
    const WaveEngine* running = nullptr;
    const auto show = [&] {
        const size_t i = running->wave();
        // Shown as it goes; the datagram comes from the snapshot, not from controls read back.
        discovery_.selectDevice(targets[i].mac);
        progress.setText(QStringLiteral("RENAME IP: device %1 of %2").arg(i + 1).arg(count));
        progress.show();
        form_[INP_IP].setText(toText(plan.addresses[i]));
        form_[INP_MASK].setText(toText(mask));
        QCoreApplication::processEvents();
    };
    using Kind = EngineStep::Kind;
    EngineOptions pass;
    pass.repetitions = 5;
    pass.roundSpacing = 0;
    pass.retries = 0;
    pass.steps
        = { { Kind::Call, 0, show }, { Kind::Configurations, 0, {} }, { Kind::Pause, 2.0, {} },
              { Kind::Call, 0, [&] { bar.setDone(static_cast<int>(running->wave()) + 1); } } };
    WaveEngine engine(link_, clock_, pass);
    running = &engine;
    engine.start(std::move(changes), std::move(waves));
    waitForRun(engine, clock_);
    if (clock_.waitsAborted())
        qCInfo(saveLog) << "RENAME IP cut short: the window closed";
    discovery_.hold(false);
    form_[AFF_TOT_TERM].setText(QString::number(count));
    discovery_.B_ASK_CFG_Click();
    setBusy(button, false);
    save_.endChange();
}

} // namespace linknode
