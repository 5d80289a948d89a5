// A dry run lists exactly what a set would send: the configuration with its repetitions (50
// with the bypass, as the window's save with Bypass AutoBoot), then the unicast steps. Sent
// for real, the reset leaves only when asked for.
#include "cli/verbs/change_sender.h"
#include "commands/device_datagrams.h"
#include "tests/support/fake_socket.h"

#include <QTimer>
#include <gmock/gmock.h>

using namespace linknode;
using namespace Qt::StringLiterals;

namespace {

const std::string client = "0-80-194-1-2-3,10.0.0.5,255.255.255.0,10.0.0.1,9600,1,0,"
                           "COPYRIGHT+TAVREN 2.4F,1,10.0.0.2,2101,0780,5,16,10,TavAB";

TEST(DryRun, ListsEachDatagramInTheOrderItWouldLeave)
{
    const struct {
        bool bypass, reset, login;
        QStringList lines; // each line's start, in order
    } cases[] = { { false, false, false,
                      { u"configuration x10 to 255.255.255.255: feff01ff0131302e302e302e3530"_s } },
        { true, false, false, { u"configuration x50 to 255.255.255.255: "_s } },
        { true, true, true,
            { u"configuration x50 "_s, u"login to 10.0.0.50: feff0b41420d"_s,
                u"reset to 10.0.0.50: feff06"_s } } };
    for (const auto& c : cases) {
        ConfigRequest request;
        request.mac = { 0, 80, 194, 1, 2, 3 };
        request.ip = "10.0.0.50";
        if (c.login)
            request.login = "AB^13^";
        const PlannedChange plan = planChange(client, request, {});
        ASSERT_TRUE(plan.problem.text.empty()) << plan.problem.text;
        const QStringList lines = dryRunText(
            plan, SendSteps { .repetitions = configurationRepetitions(c.bypass), .reset = c.reset })
                                      .split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), c.lines.size()) << lines.join(u'\n').toStdString();
        for (qsizetype i = 0; i < lines.size(); ++i)
            EXPECT_TRUE(lines[i].startsWith(c.lines[i])) << lines[i].toStdString();
    }
}

TEST(Send, ResetsTheDeviceOnlyWhenAsked)
{
    ConfigRequest request;
    request.mac = { 0, 80, 194, 1, 2, 3 };
    request.ip = "10.0.0.50";
    const PlannedChange plan = planChange(client, request, {});
    std::string changed = client;
    changed.replace(changed.find("10.0.0.5,"), 9, "10.0.0.50,");
    for (const bool reset : { false, true }) {
        FakeSocket sendSocket, receiveSocket;
        Session session(sendSocket, receiveSocket);
        // The device reports its new values to every enquiry.
        QTimer device;
        size_t seen = 0;
        QObject::connect(&device, &QTimer::timeout, &receiveSocket, [&] {
            for (; seen < sendSocket.sent.size(); ++seen)
                if (sendSocket.sent[seen].datagram.toStdString() == enquiryDatagram())
                    receiveSocket.inject(
                        QByteArray("\xFE\xFF", 2) + QByteArray::fromStdString(changed));
        });
        device.start(20);
        const SendOutcome outcome
            = sendChange(session, request, plan, SendSteps { .repetitions = 1, .reset = reset });
        EXPECT_TRUE(outcome.confirmed) << reset;
        const auto resets = std::count_if(
            sendSocket.sent.begin(), sendSocket.sent.end(), [](const FakeSocket::Sent& one) {
                return one.datagram.toStdString() == resetDatagram("10.0.0.50");
            });
        EXPECT_EQ(resets, reset ? 1 : 0);
    }
}

} // namespace
