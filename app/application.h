#pragma once

#include "app/shell_controller.h"
#include "boot/boot_controller.h"
#include "commands/device_actions_controller.h"
#include "commands/display_modes_controller.h"
#include "commands/login_controller.h"
#include "commands/ntp_controller.h"
#include "commands/option_switches_controller.h"
#include "commands/serial_controller.h"
#include "config/config_view_controller.h"
#include "config/device_draft.h"
#include "discovery/auto_repeat_controller.h"
#include "discovery/device_store.h"
#include "discovery/discovery_controller.h"
#include "discovery/list_tools_controller.h"
#include "form/main_form.h"
#include "link/link.h"
#include "mqtt/mqtt_controller.h"
#include "netid/host_controller.h"
#include "netid/rename_controller.h"
#include "netid/save_controller.h"
#include "netid/send_address_controller.h"

namespace linknode {

class Clock;
class DatagramSocket;
class Dialogs;

// The window with every controller wired to it, over the given sockets, dialogs and clock.
// The tool builds one over real sockets; window tests build one over fakes.
struct Application {
    Application(DatagramSocket& sendSocket, DatagramSocket& receiveSocket, Dialogs& dialogs,
        Clock& clock, quint16 remotePort = 1024, quint16 localPort = 2024);

    MainForm form;
    Link link;
    DeviceStore store;
    DeviceDraft draft; // the device the view shows
    SendAddressController sendAddress;
    DiscoveryController discovery;
    BootController boot;
    ListToolsController listTools;
    AutoRepeatController autoRepeat;
    ConfigViewController configView;
    OptionSwitchesController optionSwitches;
    NtpController ntp;
    SerialController serial;
    DeviceActionsController actions;
    LoginController login;
    DisplayModesController displayModes;
    HostController host;
    SaveController save;
    RenameController rename;
    MqttController mqtt;
    ShellController shell;
};

} // namespace linknode
