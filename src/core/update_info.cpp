#include "core/update_info.h"

#include "core/ascii_case.h"
#include "core/language_table.h"

#include <limits>

namespace glimtags {
namespace {

bool isCSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::optional<UpdateInfo> parseUpdateInfo(std::string_view body)
{
    if (findIgnoringCase(body, "HighVersion") == std::string_view::npos)
        return std::nullopt;
    return UpdateInfo{leadingInteger(findQuotedValue(body, "HighVersion")),
                      leadingInteger(findQuotedValue(body, "LowVersion"))};
}

int leadingInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    // Accumulated as a negative number, which reaches one further than a positive one.
    constexpr int kLowest = std::numeric_limits<int>::min();
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        value = value < (kLowest + digit) / 10 ? kLowest : value * 10 - digit;
    }
    if (negative)
        return value;
    return value == kLowest ? std::numeric_limits<int>::max() : -value;
}

bool isNewerVersion(int high, int low)
{
    return high > kUpdateBaseline.highVersion || (high == kUpdateBaseline.highVersion && low > kUpdateBaseline.lowVersion);
}

} // namespace glimtags
