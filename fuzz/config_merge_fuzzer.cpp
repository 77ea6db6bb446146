// The merge of a seta line into any configuration, for any name and either type: the
// bytes before the setting line stay, the merge text stands where it was, the rest of
// the file follows it unchanged, and merging the result again changes nothing.
#include "fuzz_check.h"

#include "core/ascii_case.h"
#include "core/config_merge.h"
#include "core/name_script.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Where the first line that sets the variable has the search text: at the line start
// after spaces and tabs, then a space, a tab or a quote. Taken line by line, so a
// bind or comment that merely holds the text never counts.
std::size_t settingLine(const std::string& configuration, const std::string& searchText)
{
    for (std::size_t start = 0; start < configuration.size();) {
        const std::size_t at = configuration.find_first_not_of(" \t", start);
        if (at == std::string::npos)
            return std::string::npos;
        const std::string_view rest = std::string_view(configuration).substr(at);
        if (rest.size() > searchText.size() && glimtags::equalIgnoringCase(rest.substr(0, searchText.size()), searchText) &&
            std::string_view(" \t\"").find(rest[searchText.size()]) != std::string_view::npos)
            return at;
        start = configuration.find('\n', start);
        if (start == std::string::npos)
            return std::string::npos;
        ++start;
    }
    return std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const auto type = provider.ConsumeBool() ? glimtags::NameType::Host : glimtags::NameType::User;
    const glimtags::NameText name(provider.ConsumeRandomLengthString(300));
    const std::string text = glimtags::mergeText(type, name, provider.ConsumeBool());
    const std::string configuration = provider.ConsumeRemainingBytesAsString();

    const std::string merged = glimtags::mergeIntoConfiguration(configuration, type, text);
    const std::string searchText = "seta " + std::string(glimtags::scriptVariable(type));
    const std::size_t match = settingLine(configuration, searchText);

    std::size_t textAt = match;
    if (match == std::string::npos) {
        // No line to replace: the configuration, a line end where it lacked one, the line.
        textAt = configuration.size() + (!configuration.empty() && configuration.back() != '\n');
        FUZZ_CHECK(merged.size() == textAt + text.size());
        FUZZ_CHECK(merged.compare(0, configuration.size(), configuration) == 0);
    } else {
        FUZZ_CHECK(merged.compare(0, match, configuration, 0, match) == 0);
        // What follows the merge text is the configuration's own tail, from inside the
        // matched line or its end: never bytes of a later line.
        FUZZ_CHECK(merged.size() >= match + text.size());
        const std::size_t tail = merged.size() - match - text.size();
        const std::size_t end = configuration.size() - tail;
        FUZZ_CHECK(tail <= configuration.size() && end > match);
        FUZZ_CHECK(merged.compare(match + text.size(), tail, configuration, end, tail) == 0);
        const std::size_t lineFeed = configuration.find('\n', match);
        FUZZ_CHECK(lineFeed == std::string::npos || end <= lineFeed + 1);
    }
    FUZZ_CHECK(merged.compare(textAt, text.size(), text) == 0);
    FUZZ_CHECK(settingLine(merged, searchText) == textAt);

    // A name without quotes or line feeds leaves a line that the next merge replaces exactly.
    if (name.bytes().find_first_of("\"\n") == std::string::npos)
        FUZZ_CHECK(glimtags::mergeIntoConfiguration(merged, type, text) == merged);
    return 0;
}
