// The system's words for an error, told alike on every system: errno's codes, and on Windows
// the socket calls' own, in words without the final stop and line end FormatMessage adds.
#include "core/system_error.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace linknode;

namespace {

TEST(SystemError, ErrnoCodesInTheLibrarysWords)
{
    const struct {
        int code;
        const char* words;
    } cases[] = {
        { ENOENT, "No such file or directory" },
        { EACCES, "Permission denied" },
        { ENOSPC, "No space left on device" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(systemErrorText(c.code), c.words) << c.code;
}

// On Windows a socket's code the system has no words for (wine has none) is told by number.
TEST(SystemError, AConnectionThatTimedOutIsToldOnOneLineEndingInNoStop)
{
    const std::string text = systemErrorText(connectionTimedOutCode());
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
    EXPECT_NE(text.back(), '.') << text;
}

} // namespace
