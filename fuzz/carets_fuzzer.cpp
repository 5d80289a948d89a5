#include "commands/login_text.h"
#include "config/device_record.h"
#include "core/text_fields.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <string>

using namespace linknode;

namespace {
// Every byte written as its caret code.
std::string caretCodes(std::string_view bytes)
{
    std::string codes;
    for (const char c : bytes)
        codes += "^" + std::to_string(static_cast<unsigned char>(c)) + "^";
    return codes;
}
}

// Caret expansion and the caret check on any text; the caret form of any bytes expands back
// to them.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::string expanded = expandCarets(text);
    const auto bad = badCaretCode(text);
    if (bad) {
        // The pair as written: kept in the expansion, never turned into a made-up byte.
        FUZZ_CHECK(bad->size() >= 2 && bad->front() == '^' && bad->back() == '^');
        FUZZ_CHECK(text.find(*bad) != std::string::npos);
        FUZZ_CHECK(expanded.find(*bad) != std::string::npos);
    }
    // A pair of at least two carets stands for at most one byte.
    FUZZ_CHECK(expanded.size() <= text.size());
    if (text.find('^') == std::string::npos)
        FUZZ_CHECK(expanded == text && !bad);

    FUZZ_CHECK(expandCarets(caretCodes(text)) == text);
    FUZZ_CHECK(!badCaretCode(caretCodes(text)));

    // The login as the view shows it expands back to what the device holds (byte 234 is the
    // device's comma), as long as the raw login has no caret of its own.
    if (text.find('^') == std::string::npos) {
        std::string device = text;
        for (char& c : device)
            if (static_cast<unsigned char>(c) == 234)
                c = ',';
        FUZZ_CHECK(expandCarets(loginCaretForm(text)) == device);
    }

    if (const auto command = caretCommand(text)) {
        FUZZ_CHECK(command->starts_with("^3^^4^^3^") && command->ends_with("^3^^4^^3^"));
        FUZZ_CHECK(!badCaretCode(*command) || bad);
    }
    const auto code = byteCode(text);
    (void)code;
    (void)leadingNumber(text);
    return 0;
}
