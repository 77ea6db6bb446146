// The merge of a seta line into any configuration, for any name and either type: the
// game reads the merged name from the result, every other command stays, and merging
// the result again changes nothing.
#include "fuzz_check.h"

#include "core/config_merge.h"
#include "core/console_script.h"
#include "core/name_script.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

using namespace std::string_literals;

namespace {

std::size_t commandCount(const std::string& script)
{
    return glimtags::consoleCommands(script).size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const auto type = provider.ConsumeBool() ? glimtags::NameType::Host : glimtags::NameType::User;
    const glimtags::NameText name(provider.ConsumeRandomLengthString(300));
    const bool endColorWhite = provider.ConsumeBool();
    const std::string line = glimtags::nameScriptBytes(type, name, endColorWhite);
    const std::string configuration = provider.ConsumeRemainingBytesAsString();

    const std::string merged = glimtags::mergeIntoConfiguration(configuration, type, line);
    const std::string_view variable = glimtags::scriptVariable(type);
    const std::optional<glimtags::ConsoleSetting> before = glimtags::lastSetting(configuration, variable);
    if (before) {
        // Only the setting's own bytes change.
        FUZZ_CHECK(merged.compare(0, before->command.start, configuration, 0, before->command.start) == 0);
        FUZZ_CHECK(merged.compare(before->command.start + line.size(), std::string::npos, configuration,
                                  before->command.end) == 0);
    } else {
        FUZZ_CHECK(merged.compare(0, configuration.size(), configuration) == 0);
    }

    // A name the line can carry whole, in a file that does not end inside a comment or
    // after a zero byte, is what the game reads, and every other command stays.
    const bool carried = name.bytes().find_first_of("\"\r\n"s + '\0') == std::string::npos;
    const bool plainFile = configuration.find("/*") == std::string::npos &&
                           configuration.find('\0') == std::string::npos;
    if (carried && plainFile) {
        const std::optional<glimtags::ConsoleSetting> after = glimtags::lastSetting(merged, variable);
        FUZZ_CHECK(after && after->value == glimtags::nameWithEnding(name, endColorWhite));
        FUZZ_CHECK(commandCount(merged) == commandCount(configuration) + (before ? 0 : 1));
        FUZZ_CHECK(glimtags::mergeIntoConfiguration(merged, type, line) == merged);
    }
    return 0;
}
