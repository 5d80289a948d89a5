#include "config/wiegand.h"

namespace linknode {

const std::vector<std::string>& wiegandItems()
{
    static const std::vector<std::string> items {
        "^6^^1^^1^^1^ Wiegand  disable",
        "^6^^5^^16^^10^ Standard 26 Bits without facility code",
        "^6^^98^^24^^8^ Standard 26 Bits DEC:DEC",
        "^6^^97^^24^^2^ Standard 26 Bits HEX:DEC",
        "^6^^8^^24^^2^  Standard 26 Bits with facility code",
        "^6^^5^^16^^21^ HID 38 Bits",
        "^6^^7^^20^^16^ CHUBBSECURITY 36 Bits",
        "^6^^16^^64^^0^ UID HEX 64 Bits",
        "^6^^17^^64^^0^ UID HEX 64 Bits Invert",
        "^6^^99^^99^^2^ Conduit Modbus auto with parity",
        "^6^^99^^99^^0^ Conduit Modbus auto no parity",
    };
    return items;
}

std::string wiegandSelectorText(std::string_view code)
{
    // The selector walks one entry past its last, which reads as "". Once an item has been
    // taken the text no longer ends with "^"; should a later item contain it, the text goes
    // back to the bare code.
    const std::vector<std::string>& items = wiegandItems();
    std::string text(code);
    for (size_t i = 0; i <= items.size(); ++i) {
        const std::string_view entry = i < items.size() ? std::string_view(items[i]) : "";
        if (entry.find(text) == std::string_view::npos)
            continue;
        if (!text.ends_with('^'))
            return std::string(code);
        text = entry;
    }
    return text;
}

} // namespace linknode
