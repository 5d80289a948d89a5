#pragma once

// The configuration command has no acknowledgement, so it is repeated 0.2 s apart: 10 times,
// or 50 with the bypass ("Bypass AutoBoot"), long enough for a device still starting from its
// boot loader to hear it. The window's save and the command line send it alike.
namespace linknode {

inline constexpr double configurationSpacing = 0.2;

// A login or Wiegand datagram to one device has no repetition of its own: it goes this often.
inline constexpr int unicastRepeats = 3;

constexpr int configurationRepetitions(bool bypass)
{
    return bypass ? 50 : 10;
}

} // namespace linknode
