#include "fleet/config_change.h"

#include "commands/serial_codes.h"
#include "core/latin1.h"
#include "core/text_fields.h"

namespace linknode {

namespace {
    const char* const fieldNames[]
        = { "mac", "ip", "mask", "gateway", "bauds", "parity", "dataBits", "version", "mode",
              "hostIp", "hostPort", "options", "wiegand1", "wiegand2", "wiegand3", "login" };

}

std::vector<FieldChange> differingFields(
    const std::string& record, const std::vector<std::pair<RecordField, std::string>>& expected)
{
    std::vector<FieldChange> differing;
    for (const auto& [field, wanted] : expected) {
        std::string reported = recordField(record, field);
        if (field == FLD_MODE)
            reported = std::to_string(socketMode(reported) == 0 ? 0 : 1);
        if (field == FLD_PARITY || field == FLD_DATABITS)
            reported = std::to_string(leadingNumber(reported));
        if (reported == wanted)
            continue;
        // A login is shown as the user writes it: caret form, without the maker's prefix.
        const auto shown = [&](const std::string& value) {
            return toText(field == FLD_LOGIN ? shownLogin(loginCaretForm(value)) : value);
        };
        differing.push_back(
            { QString::fromLatin1(fieldNames[field]), shown(reported), shown(wanted) });
    }
    return differing;
}

} // namespace linknode
