#pragma once

#include "config/device_record.h"
#include "netid/device_change.h"
#include "netid/device_result.h"

#include <string>
#include <utility>
#include <vector>

// The comparison of a device's record with a planned change.
namespace linknode {

// The expected fields the record does not hold as planned: the field, its value in the
// record, the value planned. Before sending, the change itself; after, what is unconfirmed.
std::vector<FieldChange> differingFields(
    const std::string& record, const std::vector<ReportedField>& expected);
// Every expected field, changed or not: what a change sends.
std::vector<FieldChange> sentFields(
    const std::string& record, const std::vector<ReportedField>& expected);

} // namespace linknode
