#pragma once

#include <optional>
#include <string>
#include <string_view>

// Field, padding, key and caret routines on device texts (bytes 0..255).
namespace linknode {

// Field POS (0-based) of LIGNE split at SEPARATEUR, trimmed of blanks; "" when absent. The
// last field runs to the end of the line. An empty separator leaves the line one field.
std::string GET_PAR(std::string_view line, int pos, std::string_view separator);

// Field POS (1-based), untrimmed, when `write` is empty; otherwise the whole line with that
// field replaced by `write` (missing fields are created empty).
std::string RW_PAR(
    std::string_view line, std::string_view separator, int pos, std::string_view write = {});

// Left-pads LIGNE with CAR_PAD to STR_LEN; a longer LIGNE is first cut to its last STR_LEN
// characters, in the caller's variable too.
std::string PADL(std::string& line, int length, std::string_view pad);

// Key filter of numeric entries: digits, ".", and control codes up to 31 pass; others give 0.
int VALID_KEY(int keyAscii);

// "2.4F" -> 2470: first two digits, then the last character's code with at least two digits
// ("2.4f" -> 24102). Short texts give what their leading digits say; "" gives 0.
int VERSION_CODE(std::string_view version);

// "^13^" -> CR and so on; "~" and all other characters pass unchanged. A pair whose number
// is not a byte code ("^300^", "^-1^") is kept as written.
std::string expandCarets(std::string_view text);

// The same under the name the window's handlers know it by.
inline std::string EXPAND_CARETS(std::string_view text)
{
    return expandCarets(text);
}

// The first caret pair whose number names no byte ("^300^", "^-1^"), as written; none when
// every pair is a byte. Senders check this first and send nothing rather than the pair.
std::optional<std::string> badCaretCode(std::string_view text);

// The byte a typed number stands for: blanks skipped, no digits 0, fractions rounded to
// nearest (halves to even); none when the value is outside 0..255.
std::optional<unsigned char> byteCode(std::string_view text);

// Leading numeric value of a text as the old tool reads numbers: an optional sign, then digits
// up to the first other character ("2101V" -> 2101, "3.9" -> 3); blanks, tabs and line feeds
// are skipped anywhere ("1 2" -> 12); no digits gives 0. Saturates instead of overflowing.
long long leadingNumber(std::string_view text);

// Blanks (code 32 only) removed from both ends.
std::string_view trimBlanks(std::string_view text);

} // namespace linknode
