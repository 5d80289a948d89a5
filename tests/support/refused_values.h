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

// Texts with a character outside Latin-1, which a device storing a byte per character cannot
// keep ("ü" alone it can). UTF-8.
inline constexpr const char* unstorableTexts[] = { "€", "Ł", "Tür-Ł^13^", "\xF0\x9F\x94\x91" };

} // namespace linknode
