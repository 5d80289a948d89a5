#pragma once

#include "netid/change_comparison.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// A site as it should be: per device its MAC and the values to set.
namespace linknode {

struct SiteEntry {
    int line = 0; // the device's position in the file, from 1 (a CSV's line)
    ConfigRequest request;
};

// An inventory file (the format `inventory save` writes; an entry may hold only "mac" and the
// keys to set, read-only keys such as model, firmware or record are ignored, an empty value
// sets nothing) or a readdress plan (CSV rows mac,ip[,mask[,gateway]]). Refused whole, with
// the entry and the reason, for a malformed text, a value refused by the rules of a change,
// or a MAC or a new address named twice.
std::optional<std::vector<SiteEntry>> parseSite(const QByteArray& text, QString* problem);

} // namespace linknode
