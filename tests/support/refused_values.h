#pragma once

// Values a device cannot take, one table for the window's tests and the command line's: each
// must be refused with a message before any datagram leaves.
namespace linknode {

struct DeviceAddress {
    const char* address;
    const char* mask; // "" where no subnet is known: refused whatever the mask
};

// Addresses a device cannot take as its own: commands sent to them reach a whole subnet, or
// no device at all.
inline constexpr DeviceAddress refusedDeviceAddresses[] = {
    { "10.30.255.255", "255.255.0.0" }, // broadcast of a /16
    { "10.213.0.255", "255.255.255.0" }, // broadcast of a /24
    { "10.213.0.0", "255.255.255.0" }, // network
    { "0.0.0.0", "" },
    { "127.0.0.1", "" },
    { "224.0.0.1", "" },
    { "255.255.255.255", "" },
};

// Configurations a device could not route or talk by: the value at fault is named first.
struct NetworkValues {
    const char* gateway; // "" keeps the device's
    const char* ip;
    const char* mask;
    const char* hostIp;
    const char* told; // part of the refusal
};
inline constexpr NetworkValues refusedNetworkValues[] = {
    { "192.168.6.1", "192.168.5.10", "255.255.255.0", "", "outside the device's subnet" },
    { "192.168.5.10", "192.168.5.10", "255.255.255.0", "", "own address" },
    { "255.255.255.255", "192.168.5.10", "255.255.255.0", "", "broadcast" },
    { "192.168.5.255", "192.168.5.10", "255.255.255.0", "", "broadcast address of its subnet" },
    { "", "192.168.5.10", "0.0.0.0", "", "no subnet" },
    { "", "", "", "224.0.0.5", "multicast" },
};

// Texts with a character outside Latin-1, which a device storing a byte per character cannot
// keep ("ü" alone it can). UTF-8.
inline constexpr const char* unstorableTexts[] = { "€", "Ł", "Tür-Ł^13^", "\xF0\x9F\x94\x91" };

} // namespace linknode
