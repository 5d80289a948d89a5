#include "core/json_text.h"
#include "fuzz/fuzz_check.h"
#include "sim/address.h"
#include "sim/command.h"
#include "sim/command_effects.h"
#include "sim/command_json.h"
#include "sim/delivery.h"
#include "sim/presets.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <cstdint>

using namespace linknode::sim;

// Any datagram at the simulator's port 1024: decoded, journalled, and applied to every
// device of the all-models fleet it is for, as a broadcast and announced.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::vector<Device> fleet = allModelsFleet();
    const QByteArray datagram(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const Command command = decodeCommand(datagram);
    FUZZ_CHECK((command.kind == CommandKind::Unknown) == !command.reason.isEmpty());

    const QJsonObject line = describeCommand(command);
    FUZZ_CHECK(line.value(u"kind").toString() == kindName(command.kind));
    const QByteArray json = linknode::jsonText(QJsonDocument(line), QJsonDocument::Compact);
    FUZZ_CHECK(QJsonDocument::fromJson(json).object() == line);

    std::vector<Device> devices = fleet;
    const std::vector<size_t> reached = addressedDevices(
        devices, reachedDevices(devices, QHostAddress(QHostAddress::Broadcast)), command);
    const Outcome outcome = applyCommand(devices, reached, command, { .announced = true });
    if (command.kind == CommandKind::Unknown)
        FUZZ_CHECK(outcome.applied.isEmpty() && outcome.moves.empty());
    for (size_t i = 0; i < devices.size(); ++i) {
        // A device keeps its MAC, and an address it takes is a dotted address.
        FUZZ_CHECK(devices[i].mac == fleet[i].mac);
        FUZZ_CHECK(recordText(devices[i]).startsWith(devices[i].mac));
        if (devices[i].ip != fleet[i].ip)
            FUZZ_CHECK(parseIpv4(devices[i].ip).has_value());
    }
    return 0;
}
