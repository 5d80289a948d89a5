#include "app/application.h"
#include "core/clock.h"
#include "form/scripted_dialogs.h"
#include "tests/support/fake_socket.h"
#include "widgets/list_box.h"

#include <benchmark/benchmark.h>

using namespace linknode;

namespace {

QByteArray reply(const std::string& record)
{
    return QByteArray("\xFE\xFF", 2)
        + QByteArray(record.data(), static_cast<qsizetype>(record.size()));
}

// The longest records a device sends: the MQTT gateway with its seven settings, and a V6
// Cloud terminal; selected in turn, so every handler the filling raises has work to do.
const std::string mqttGateway
    = "0-80-194-10-0-25,10.213.0.25,255.255.255.0,10.213.0.1,9600,0,0,"
      "COPYRIGHTqTAVREN CONDUIT-IP MQTT 2.4F,1,10.213.0.1,1883,00N0,1,1,1,"
      "TavSOTICONNECT/clients/observations/json/%M%S00\r"
      "{\"MessageID\": \"SensorInfo\"\xEA\"From\": \"%M%S00\"\xEA\"Resource\": "
      "{\"SensorNum\": %S00\xEA\"Temperature\": %3\xEA \"BatteryVolt\": %5\xEA"
      "\"StateOfCharge\": %B\xEA\"RSSI\": %4}}\rGW-0001\rmqtt\rsecret\r"
      "SOTICONNECT/clients/json/%M\r{\"MessageID\": \"Connected\"\xEA\"From\": "
      "\"%M\"\xEA\"Resource\": {\"Type\": \"ZephyrPodTempSensorForSOTIConnect\"\xEA"
      "\"Id\": \"%M\"}}\r";
const std::string cloudTerminal
    = "0-80-194-10-0-24,10.213.0.24,255.255.255.0,10.213.0.1,57600,4,1,"
      "COPYRIGHTxTAVRENk KRT-40 CLOUD 2.4F,0,10.213.0.1,00105V,6789,5,16,10,"
      "TavTER:0042\r";

} // namespace

static void BM_LST_KRT_Click(benchmark::State& state)
{
    Clock clock(50.0);
    ScriptedDialogs dialogs;
    FakeSocket sendSocket;
    FakeSocket receiveSocket;
    Application tool(sendSocket, receiveSocket, dialogs, clock);
    tool.shell.Form_Load();
    receiveSocket.injectBurst({ reply(mqttGateway), reply(cloudTerminal) });
    auto& list = tool.form[LST_KRT];
    int row = 0;
    for (auto _ : state) {
        list.selectRow(row);
        row = 1 - row;
    }
}
BENCHMARK(BM_LST_KRT_Click)->Unit(benchmark::kMicrosecond);
