#include "core/text_fields.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace linknode {

namespace {

    constexpr auto npos = std::string_view::npos;

    // An empty separator never matches: the whole line is then one field.
    size_t findSeparator(std::string_view line, std::string_view separator, size_t from)
    {
        if (separator.empty())
            return npos;
        return line.find(separator, from);
    }

    bool isDigit(char c)
    {
        return c >= '0' && c <= '9';
    }

    // Blanks, tabs and line feeds inside a typed number are ignored: "^ 13^" and "^1 3^" are
    // both 13.
    bool isSkipped(char c)
    {
        return c == ' ' || c == '\t' || c == '\n';
    }

    // Decimal value of the leading number in `text`: optional sign, digits, optional fraction.
    // Reading stops at the first other character; no digits at all gives 0.
    double leadingDecimal(std::string_view text)
    {
        std::string number;
        bool point = false;
        for (const char c : text) {
            if (isSkipped(c))
                continue;
            if (isDigit(c) || (c == '.' && !point) || ((c == '-' || c == '+') && number.empty()))
                number.push_back(c);
            else
                break;
            point = point || c == '.';
        }
        const bool negative = !number.empty() && number.front() == '-';
        const size_t digits = number.find_first_not_of("+-");
        double value = 0;
        if (digits != std::string::npos) {
            const char* first = number.data() + digits;
            const char* last = number.data() + number.size();
            if (std::from_chars(first, last, value).ec == std::errc::result_out_of_range) {
                // Out of range with a non-zero whole part is too large for any code;
                // otherwise it is a fraction too small to matter.
                const char* dot = std::find(first, last, '.');
                const bool tooLarge = std::any_of(first, dot, [](char c) { return c != '0'; });
                value = tooLarge ? HUGE_VAL : 0;
            }
        }
        return negative ? -value : value;
    }

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string GET_PAR(std::string_view line, int pos, std::string_view separator)
{
    // Field `pos` starts after the pos-th separator; separators do not overlap, and field 0
    // starts at the beginning of the line whatever the separator's length.
    size_t start = 0;
    for (int i = 0; i < pos; ++i) {
        const size_t q = findSeparator(line, separator, start);
        if (q == npos)
            return {};
        start = q + separator.size();
    }
    const size_t end = findSeparator(line, separator, start);
    const std::string_view field
        = end == npos ? line.substr(start) : line.substr(start, end - start);
    return std::string(trimBlanks(field));
}

std::string RW_PAR(
    std::string_view line, std::string_view separator, int pos, std::string_view write)
{
    size_t start = 0;
    int missing = 0;
    for (int i = 2; i <= pos; ++i) {
        const size_t q = findSeparator(line, separator, start);
        if (q == npos) {
            start = line.size();
            ++missing;
        } else {
            start = q + separator.size();
        }
    }
    size_t end = findSeparator(line, separator, start);
    if (end == npos)
        end = line.size();
    if (write.empty())
        return std::string(line.substr(start, end - start));

    std::string result;
    result.reserve(line.size() + missing * separator.size() + write.size());
    result.append(line.substr(0, start));
    for (int i = 0; i < missing; ++i)
        result.append(separator);
    result.append(write);
    result.append(line.substr(end));
    return result;
}

std::string PADL(std::string& line, int length, std::string_view pad)
{
    const size_t wanted = length > 0 ? static_cast<size_t>(length) : 0;
    if (line.size() > wanted)
        line.erase(0, line.size() - wanted);
    std::string result;
    result.reserve((wanted - line.size()) * pad.size() + line.size());
    for (size_t i = line.size(); i < wanted; ++i)
        result.append(pad);
    result.append(line);
    return result;
}

int VALID_KEY(int keyAscii)
{
    const bool control = keyAscii >= 0 && keyAscii <= 31; // backspace (8) among them
    const bool numeric = (keyAscii >= '0' && keyAscii <= '9') || keyAscii == '.';
    return control || numeric ? keyAscii : 0;
}

int VERSION_CODE(std::string_view version)
{
    // Read as a number, "24" followed by the code of the last character ("70" for F, "102"
    // for f). A text too short for two leading characters uses what there is; reading stops
    // at the first non-digit ("4F" gives 4), an empty text gives 0.
    if (version.empty())
        return 0;
    std::string digits;
    for (const char c : version) {
        if (c != '.' && digits.size() < 2)
            digits.push_back(c);
    }
    const int code = static_cast<unsigned char>(version.back());
    if (code < 10)
        digits.push_back('0');
    digits += std::to_string(code);

    int value = 0;
    for (size_t i = 0; i < digits.size() && isDigit(digits[i]); ++i)
        value = value * 10 + (digits[i] - '0');
    return value;
}

std::optional<unsigned char> byteCode(std::string_view text)
{
    const double value = std::nearbyint(leadingDecimal(text)); // halves to even
    if (!(value >= 0 && value <= 255))
        return std::nullopt;
    return static_cast<unsigned char>(value);
}

namespace {
    // Walks `text` as caret notation: `plain` gets each run of ordinary text, `pair` each
    // caret pair with the text between its carets.
    template <class Plain, class Pair>
    void walkCarets(std::string_view text, Plain&& plain, Pair&& pair)
    {
        size_t p = 0;
        while (p < text.size()) {
            const size_t a = text.find('^', p);
            const size_t b = a == npos ? npos : text.find('^', a + 1);
            if (b == npos)
                break;
            plain(text.substr(p, a - p));
            pair(text.substr(a, b - a + 1), text.substr(a + 1, b - a - 1));
            p = b + 1;
        }
        if (p < text.size())
            plain(text.substr(p));
    }
}

std::string expandCarets(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    walkCarets(
        text, [&](std::string_view run) { result.append(run); },
        [&](std::string_view written, std::string_view number) {
            // A code outside 0..255 is no byte: the pair stays as written rather than
            // sending a byte made up from it.
            if (const auto code = byteCode(number))
                result.push_back(static_cast<char>(*code));
            else
                result.append(written);
        });
    return result;
}

std::optional<std::string> badCaretCode(std::string_view text)
{
    std::optional<std::string> bad;
    walkCarets(
        text, [](std::string_view) {},
        [&](std::string_view written, std::string_view number) {
            if (!bad && !byteCode(number))
                bad = std::string(written);
        });
    return bad;
}

long long leadingNumber(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isSkipped(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isSkipped(c))
            continue;
        if (!isDigit(c))
            break;
        const int digit = c - '0';
        if (value > (LLONG_MAX - digit) / 10) {
            value = LLONG_MAX;
            continue;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

} // namespace linknode
