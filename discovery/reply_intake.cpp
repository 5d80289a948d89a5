#include "discovery/reply_intake.h"

#include <utility>

namespace linknode {

ReplyIntake::ReplyIntake(Limits limits, std::function<ReplyRecord(size_t index)> held)
    : limits_(limits)
    , held_(std::move(held))
{
}

ReplyIntake::Taken ReplyIntake::take(std::string_view record, bool cut)
{
    const auto mac = recordMac(record);
    if (!mac)
        return { Intake::NotAMac };
    const auto known = indexOfMac_.find(*mac);
    if (known == indexOfMac_.end()) {
        if (count() >= limits_.devices || record.size() > limits_.recordBytes - heldBytes_)
            return { Intake::Full };
        heldBytes_ += record.size();
        const size_t index = count();
        indexOfMac_.emplace(*mac, index);
        return { Intake::Added, index };
    }
    const size_t index = known->second;
    const ReplyRecord held = held_(index);
    if (held == ReplyRecord { record, cut })
        return { Intake::Unchanged, index };
    const size_t others = heldBytes_ - held.record.size();
    if (record.size() > limits_.recordBytes - others)
        return { Intake::Full };
    heldBytes_ = others + record.size();
    return { Intake::Replaced, index };
}

std::optional<size_t> ReplyIntake::indexOf(const MacBytes& mac) const
{
    const auto found = indexOfMac_.find(mac);
    if (found == indexOfMac_.end())
        return std::nullopt;
    return found->second;
}

void ReplyIntake::clear()
{
    heldBytes_ = 0;
    indexOfMac_.clear();
}

} // namespace linknode
