#include "app/application.h"
#include "config/device_record.h"
#include "core/clock.h"
#include "core/latin1.h"
#include "core/text_fields.h"
#include "form/scripted_dialogs.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/offscreen_app.h"
#include "link/envelope.h"
#include "tests/support/fake_socket.h"
#include "widgets/change_label.h"
#include "widgets/ip_entry.h"

#include <QCoreApplication>
#include <QWidget>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>

using namespace linknode;

namespace {
// The whole window over fake sockets, started as the tool starts; a fast clock makes the
// start-up enquiry take a moment.
struct Window {
    Clock clock { 100.0 };
    ScriptedDialogs dialogs;
    FakeSocket sendSocket;
    FakeSocket receiveSocket;
    Application app { sendSocket, receiveSocket, dialogs, clock };
};

Window& window()
{
    static Window* const made = [] {
        auto* window = new Window;
        FUZZ_CHECK(window->app.shell.Form_Load());
        // Controls keep their own shown or hidden state; only the painting, which no input
        // changes and which would take most of each run, stops.
        window->app.form.hide();
        return window;
    }();
    return *made;
}

// Four numbers joined by "." as the entry shows them after normalising.
bool fourNumbers(const QString& text)
{
    const QStringList parts = text.split(u'.');
    return parts.size() == 4 && std::all_of(parts.begin(), parts.end(), [](const QString& part) {
        return !part.isEmpty()
            && std::all_of(part.begin(), part.end(), [](QChar c) { return c.isDigit(); });
    });
}

void checkList(Window& w, int replies)
{
    DeviceList& devices = w.app.discovery.devices();
    FUZZ_CHECK(devices.count() <= replies);
    FUZZ_CHECK(w.app.form[AFF_TOT_TERM].text() == QString::number(devices.count()));
    std::set<std::string> macs;
    for (int line = 0; line < devices.count(); ++line) {
        // A listed line always has a MAC of six numbers 0..255 joined by "-", once.
        const std::string mac = GET_PAR(toBytes(devices.shownLine(line)), 0, ",");
        FUZZ_CHECK(strictMac(mac).has_value());
        FUZZ_CHECK(macs.insert(mac).second);
        FUZZ_CHECK(devices.lineOf(recordField(devices.record(line), FLD_MAC)) == line);
        // However long the replies, no record kept is longer than a reply may keep.
        FUZZ_CHECK(devices.record(line).size() <= longestRecord);
    }
}

void checkView(Window& w, int line)
{
    DeviceList& devices = w.app.discovery.devices();
    const std::string mac = recordField(devices.record(line), FLD_MAC);
    FUZZ_CHECK(w.app.discovery.selectDevice(mac));
    auto& form = w.app.form;
    FUZZ_CHECK(toBytes(form[AFF_MAC].text()) == mac);
    FUZZ_CHECK(!form[FR_CFG].isHidden());
    for (const auto address : ControlList<IpEntry> { INP_IP, INP_MASK, INP_GATE })
        FUZZ_CHECK(fourNumbers(form[address].text()));
}
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    makeOffscreenApplication(argc, argv);
    window();
    return 0;
}

// Any datagrams arriving at port 2024: the envelope test, the intake into the device list,
// and the view filled for each device they list. Datagrams are separated as
// FuzzedDataProvider reads random-length strings ("\" then another byte ends one).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Window& w = window();
    w.app.discovery.RESET_DEVICE_LIST();
    FuzzedDataProvider input(data, size);
    std::vector<QByteArray> datagrams;
    while (input.remaining_bytes() > 0 && datagrams.size() < 64) {
        const std::string datagram = input.ConsumeRandomLengthString();
        datagrams.push_back(toDatagram(datagram));
    }
    const quint64 rejectedBefore = w.app.link.rejectedCount();
    w.receiveSocket.injectBurst(datagrams);

    int replies = 0;
    for (const QByteArray& datagram : datagrams)
        replies += replyRecord(std::string_view(datagram.constData(), datagram.size())) ? 1 : 0;
    FUZZ_CHECK(w.app.link.rejectedCount() - rejectedBefore
        == datagrams.size() - static_cast<size_t>(replies));
    checkList(w, replies);
    for (int line = 0; line < std::min(w.app.discovery.devices().count(), 8); ++line)
        checkView(w, line);
    // Back to the event loop, as the tool is after each run of arrivals: what the view posted
    // (layouts, repaints) is done, and never piles up across inputs.
    QCoreApplication::processEvents();
    return 0;
}
