#include "core/latin1.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/offscreen_app.h"
#include "netid/save_checks.h"
#include "widgets/ip_entry.h"

#include <QSignalSpy>
#include <fuzzer/FuzzedDataProvider.h>

using namespace linknode;

namespace {
// Four runs of digits without leading zeros ("0" alone for zero), joined by ".".
bool normalForm(const QString& text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        if (part.isEmpty() || (part.size() > 1 && part.front() == u'0'))
            return false;
        for (const QChar c : part)
            if (c < u'0' || c > u'9')
                return false;
    }
    return true;
}

std::string dotted(const IPv4Octets& octets)
{
    return std::to_string(octets[0]) + "." + std::to_string(octets[1]) + "."
        + std::to_string(octets[2]) + "." + std::to_string(octets[3]);
}

void checkEntry(IpEntry& entry, const std::string& typed)
{
    entry.setText(toText(typed));
    const QString normal = entry.text();
    FUZZ_CHECK(normalForm(normal));
    // Reading again changes nothing and raises nothing.
    QSignalSpy changes(&entry, &IpEntry::changed);
    FUZZ_CHECK(entry.text() == normal);
    FUZZ_CHECK(changes.count() == 0);
    entry.setText(normal);
    FUZZ_CHECK(entry.text() == normal);

    // The save reads the normalised text: it passes the address check exactly when every
    // number is a byte.
    bool bytes = true;
    for (const QString& part : normal.split(u'.'))
        bytes = bytes && part.size() <= 3 && part.toInt() <= 255;
    const auto octets = strictAddress(toBytes(normal));
    FUZZ_CHECK(octets.has_value() == bytes);
    if (octets)
        FUZZ_CHECK(dotted(*octets) == toBytes(normal));
}

void checkAddress(const std::string& text)
{
    const auto octets = strictAddress(text);
    if (octets)
        FUZZ_CHECK(strictAddress(dotted(*octets)) == octets);
    if (maskAccepted(text)) {
        FUZZ_CHECK(octets.has_value());
        const quint32 bits = quint32 { (*octets)[0] } << 24 | quint32 { (*octets)[1] } << 16
            | quint32 { (*octets)[2] } << 8 | quint32 { (*octets)[3] };
        // The ones of a mask run unbroken from the left.
        FUZZ_CHECK((~bits & (~bits + 1)) == 0);
    }
    const auto mac = strictMac(text);
    if (mac)
        FUZZ_CHECK(*mac != MacBytes {});
}

void checkRenamePlan(const std::string& prefix, const std::string& mask, int devices)
{
    const RenamePlan plan = renamePlan(prefix, mask, devices);
    if (plan.problem) {
        FUZZ_CHECK(plan.addresses.empty());
        return;
    }
    FUZZ_CHECK(maskAccepted(mask));
    FUZZ_CHECK(plan.addresses.size() == static_cast<size_t>(devices));
    for (const std::string& address : plan.addresses)
        FUZZ_CHECK(strictAddress(address).has_value());
}
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    makeOffscreenApplication(argc, argv);
    return 0;
}

// The IP entry control's normalisation, then the address, mask and MAC checks of the save
// and the RENAME IP plan, on any texts.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static IpEntry& entry = *new IpEntry; // see makeOffscreenApplication
    FuzzedDataProvider input(data, size);
    const std::string typed = input.ConsumeRandomLengthString(256);
    const std::string mask = input.ConsumeRandomLengthString(64);
    const std::string prefix = input.ConsumeRandomLengthString(64);
    const int devices = input.ConsumeIntegralInRange(0, 200);
    const std::string address = input.ConsumeRemainingBytesAsString();

    checkEntry(entry, typed);
    for (const std::string* text : { &typed, &mask, &prefix, &address })
        checkAddress(*text);
    checkRenamePlan(prefix, mask, devices);
    QCoreApplication::processEvents(); // what the entry posted never piles up
    return 0;
}
