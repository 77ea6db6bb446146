// The name script reader on any file, the round trip of a saved script, and the
// rules that turn a chosen file name into an opened type or a save target.
#include "fuzz_check.h"
#include "memory_file.h"

#include "core/name_script.h"
#include "core/name_text.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

using namespace std::string_literals;

namespace {

const glimtags::fuzz::MemoryFile* input = nullptr;

void checkChosenPath(glimtags::NameType type, const std::string& chosen)
{
    const glimtags::ScriptSavePlan plan = glimtags::planScriptSave(type, chosen);
    FUZZ_CHECK(plan.path.compare(0, chosen.size(), chosen) == 0);
    FUZZ_CHECK(plan.shownName.find('/') == std::string::npos);
    FUZZ_CHECK(plan.path.size() >= plan.shownName.size() &&
               plan.path.compare(plan.path.size() - plan.shownName.size(), std::string::npos, plan.shownName) == 0);
    // A second plan keeps the first one's target: the extension is added once.
    FUZZ_CHECK(glimtags::planScriptSave(type, plan.path).path == plan.path);
    if (plan.path != chosen)
        FUZZ_CHECK(glimtags::openedScriptType(plan.path) == type);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    input = new glimtags::fuzz::MemoryFile;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider provider(data, size);
    const auto type = provider.ConsumeBool() ? glimtags::NameType::Host : glimtags::NameType::User;
    const bool endColorWhite = provider.ConsumeBool();
    const bool roundTrip = provider.ConsumeBool();
    checkChosenPath(type, provider.ConsumeRandomLengthString(300));
    const std::string bytes = provider.ConsumeRemainingBytesAsString();

    if (!roundTrip) {
        input->replace(bytes.data(), bytes.size());
        const glimtags::OutcomeOf<glimtags::NameText> read = glimtags::readNameScript(input->path(), type);
        FUZZ_CHECK(read.code != glimtags::kScriptUnreadable);
        // A value ends at its line and at its quote, and the script ends at a zero byte.
        FUZZ_CHECK(read.value.bytes().size() <= glimtags::NameText::kMaxBytes);
        FUZZ_CHECK(read.value.bytes().find_first_of("\"\r\n"s + '\0') == std::string::npos);
        FUZZ_CHECK(read || read.value.empty());
        return 0;
    }

    // A saved name comes back with its white ending, cut to the name's limit, unless a quote
    // or a line end inside it ends the value early, as it would in the game.
    const glimtags::NameText name(bytes);
    if (name.bytes().find_first_of("\"\r\n"s + '\0') != std::string::npos)
        return 0;
    const std::string script = glimtags::nameScriptBytes(type, name, endColorWhite);
    input->replace(script.data(), script.size());
    const glimtags::OutcomeOf<glimtags::NameText> read = glimtags::readNameScript(input->path(), type);
    const std::string written = glimtags::nameWithEnding(name, endColorWhite);
    FUZZ_CHECK(read && read.value == glimtags::NameText(written));
    // Opened and saved again with the same option, an uncut name keeps its bytes.
    if (written.size() <= glimtags::NameText::kMaxBytes)
        FUZZ_CHECK(glimtags::nameWithEnding(glimtags::withoutWhiteEnding(read.value, endColorWhite), endColorWhite) ==
                   written);
    return 0;
}
