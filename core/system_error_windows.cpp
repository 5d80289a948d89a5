#include "core/system_error.h"

#include <cstring>
#include <winsock2.h>

namespace linknode {

namespace {

    // FormatMessage's text ends in ".\r\n"; the messages built around it want neither.
    std::string withoutEnding(std::string text)
    {
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
            text.pop_back();
        if (!text.empty() && text.back() == '.')
            text.pop_back();
        return text;
    }

    std::string formattedMessage(DWORD code)
    {
        wchar_t* wide = nullptr;
        const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER
                | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, code, 0, reinterpret_cast<wchar_t*>(&wide), 0, nullptr);
        std::string text;
        if (length > 0) {
            const int size = WideCharToMultiByte(
                CP_UTF8, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
            text.resize(static_cast<size_t>(size));
            WideCharToMultiByte(
                CP_UTF8, 0, wide, static_cast<int>(length), text.data(), size, nullptr, nullptr);
        }
        LocalFree(wide);
        return withoutEnding(text);
    }

} // namespace

std::string systemErrorText(int code)
{
    if (code >= WSABASEERR) {
        std::string text = formattedMessage(static_cast<DWORD>(code));
        return text.empty() ? "error " + std::to_string(code) : text;
    }
    char buffer[256] = {};
    strerror_s(buffer, sizeof buffer, code);
    return buffer;
}

int connectionTimedOutCode()
{
    return WSAETIMEDOUT;
}

} // namespace linknode
