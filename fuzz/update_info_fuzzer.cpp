// The update-file parser on any body, the integer reading against the C library's, and
// the message formatter on any format text with an integer and a text argument.
#include "fuzz_check.h"

#include "core/ascii_case.h"
#include "core/language_table.h"
#include "core/message_format.h"
#include "core/update_info.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// atoi's reading without its overflow: strtol, clamped to int.
int clampedStrtol(const std::string& text)
{
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

void checkFormat(const std::string& format, int number, const std::string& word, std::size_t maxLength)
{
    const std::string full = glimtags::formatMessage(format, {number, word});
    FUZZ_CHECK(glimtags::formatMessage(format, {number, word}, maxLength) == full.substr(0, maxLength));
    if (format.find('%') == std::string::npos)
        FUZZ_CHECK(full == format);
    // Without arguments every conversion but %% stands as written, so nothing grows.
    FUZZ_CHECK(glimtags::formatMessage(format, {}).size() <= format.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const int number = provider.ConsumeIntegral<int>();
    const std::string word = provider.ConsumeRandomLengthString(64);
    const std::size_t maxLength = provider.ConsumeIntegralInRange<std::size_t>(0, 300);
    const std::string format = provider.ConsumeRandomLengthString(512);
    const std::string body = provider.ConsumeRemainingBytesAsString();

    checkFormat(format, number, word, maxLength);
    FUZZ_CHECK(glimtags::leadingInteger(word) == clampedStrtol(word));

    const std::optional<glimtags::UpdateInfo> info = glimtags::parseUpdateInfo(body);
    FUZZ_CHECK(info.has_value() == (glimtags::findIgnoringCase(body, "highversion") != std::string::npos));
    if (info) {
        FUZZ_CHECK(info->highVersion == clampedStrtol(glimtags::findQuotedValue(body, "HIGHVERSION")));
        FUZZ_CHECK(info->lowVersion == clampedStrtol(glimtags::findQuotedValue(body, "lowversion")));
        FUZZ_CHECK(glimtags::isNewerVersion(info->highVersion, info->lowVersion) ==
                   (info->highVersion > 1 || (info->highVersion == 1 && info->lowVersion >= 9)));
    }
    return 0;
}
