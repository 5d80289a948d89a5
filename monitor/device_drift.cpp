#include "monitor/device_drift.h"

#include "config/device_settings.h"
#include "netid/change_comparison.h"

namespace linknode {

namespace {
    // A value refused for its own sake: the device cannot be holding it.
    const char* refusedField(Refusal::Value value)
    {
        switch (value) {
        case Refusal::Value::Mode:
            return "mode";
        case Refusal::Value::Wiegand:
            return "wiegand";
        case Refusal::Value::Login:
        case Refusal::Value::MqttItem:
            return "login";
        default:
            return nullptr;
        }
    }

    std::vector<std::string> names(const std::vector<FieldChange>& changes)
    {
        std::vector<std::string> fields;
        for (const FieldChange& change : changes)
            fields.push_back(change.field.toStdString());
        return fields;
    }
}

std::vector<std::string> driftedFields(const std::string& record, const ConfigRequest& request)
{
    // Other devices' addresses are not this device's drift: the duplicate metric shows them.
    const PlannedChange plan = planChange(record, request, {});
    if (!plan.problem)
        return names(differingFields(record, plan.expected));
    // The file's values could not all be sent (a device whose own gateway no check passes,
    // say): its configuration compares all the same.
    std::vector<std::string> fields = names(differingFields(record, reportedFields(plan.config)));
    if (const char* field = refusedField(plan.problem.value))
        fields.push_back(field);
    return fields;
}

} // namespace linknode
