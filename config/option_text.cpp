#include "config/option_text.h"

#include "core/text_fields.h"

namespace linknode {

namespace {

    constexpr size_t optionCount = 4;

} // namespace

std::string withOptionCharacter(std::string_view options, int position, char c)
{
    if (position < 1 || position > static_cast<int>(optionCount))
        return std::string(options);
    // A text shorter than four characters carries no options: start from all off.
    std::string result
        = options.size() < optionCount ? std::string(optionCount, '0') : std::string(options);
    result[static_cast<size_t>(position - 1)] = c;
    return result;
}

std::string withTimeoutCharacter(std::string_view options, bool on)
{
    // A text shorter than three characters is filled up with "0" so the timeout always lands
    // on the fourth character; anything after the fourth is dropped.
    std::string result(options.substr(0, optionCount - 1));
    result.resize(optionCount - 1, '0');
    result.push_back(on ? '9' : '0');
    return result;
}

char autoBootCharacter(bool autoBoot, bool auxPort)
{
    if (auxPort)
        return static_cast<char>(autoBoot ? 184 : 128); // '8' (56) plus 128 for the AUX port
    return autoBoot ? '8' : '0';
}

std::string withAutoBootCharacter(std::string_view options, char c)
{
    return withOptionCharacter(options, 3, c);
}

std::string optionsShown(std::string_view options)
{
    std::string shown;
    for (const char c : options) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 32 || (code >= 127 && code < 160) || c == '^')
            shown += "^" + std::to_string(code) + "^";
        else
            shown.push_back(c);
    }
    return shown;
}

std::string optionsTyped(std::string_view shown)
{
    return expandCarets(shown);
}

} // namespace linknode
