#include "netid/change_comparison.h"

#include "core/latin1.h"

namespace linknode {

namespace {
    std::vector<FieldChange> fields(
        const std::string& record, const std::vector<ReportedField>& expected, bool every)
    {
        std::vector<FieldChange> listed;
        for (const auto& [field, wanted] : expected) {
            const std::string reported = reportedValue(record, field);
            if (reported == wanted && !every)
                continue;
            // A login is shown as the user writes it: caret form, without the maker's prefix.
            const auto shown = [login = field == FLD_LOGIN](const std::string& value) {
                return toText(login ? shownLogin(loginCaretForm(value)) : value);
            };
            listed.push_back(
                { QString::fromLatin1(fieldName(field)), shown(reported), shown(wanted) });
        }
        return listed;
    }
}

std::vector<FieldChange> differingFields(
    const std::string& record, const std::vector<ReportedField>& expected)
{
    return fields(record, expected, false);
}

std::vector<FieldChange> sentFields(
    const std::string& record, const std::vector<ReportedField>& expected)
{
    return fields(record, expected, true);
}

} // namespace linknode
