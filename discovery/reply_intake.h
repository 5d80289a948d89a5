#pragma once

#include "link/envelope.h"

#include <functional>
#include <limits>
#include <map>
#include <optional>

namespace linknode {

// Seconds without a listed reply after which a discovery has heard its devices: the window's
// cycle and the command line's wait both end then (and longestDiscovery at the latest).
constexpr double replyQuietTime = 0.3;

// What became of a reply. Full: listing it would pass a limit. NotAMac: its first field
// names no device.
enum class Intake { Unchanged, Replaced, Added, Full, NotAMac };

// The devices of a discovery, numbered 0, 1, ... in the order they first answered. A device
// is the six bytes of its MAC however a reply spells them ("0-80-194-1-2-3" and
// "000-080-194-001-002-003" are one), and its latest reply replaces its whole record, the
// spelling too: a forged reply that came first cannot stand in for the device. The caller
// keeps each record taken at its number; `held` reads it back.
class ReplyIntake {
public:
    struct Limits {
        size_t devices;
        size_t recordBytes = std::numeric_limits<size_t>::max();
    };
    struct Taken {
        Intake intake;
        size_t index = 0; // the device's number, unless Full or NotAMac
    };

    ReplyIntake(Limits limits, std::function<ReplyRecord(size_t index)> held);
    // The next number for a new MAC, its device's number for a known one.
    Taken take(std::string_view record, bool cut = false);
    std::optional<size_t> indexOf(const MacBytes& mac) const;
    size_t count() const { return indexOfMac_.size(); }
    void clear();

private:
    Limits limits_;
    std::function<ReplyRecord(size_t index)> held_;
    size_t heldBytes_ = 0;
    std::map<MacBytes, size_t> indexOfMac_;
};

} // namespace linknode
