// The language lookup on any file and any key: the file read as text (CR LF as LF),
// then the first case-blind match of the key and the quoted value after it.
#include "fuzz_check.h"
#include "memory_file.h"

#include "core/language_table.h"
#include "core/regular_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace {

const glimtags::fuzz::MemoryFile* input = nullptr;

// The raw bytes with every CR LF pair made a LF, by splitting and joining.
std::string asText(const std::string& raw)
{
    std::string text;
    std::size_t start = 0;
    for (std::size_t pair; (pair = raw.find("\r\n", start)) != std::string::npos; start = pair + 2)
        text += raw.substr(start, pair - start) + '\n';
    return text + raw.substr(start);
}

bool sameLetters(const std::string& text, std::size_t at, const std::string& key)
{
    for (std::size_t i = 0; i < key.size(); ++i) {
        const unsigned char a = static_cast<unsigned char>(text[at + i]);
        const unsigned char b = static_cast<unsigned char>(key[i]);
        const bool letters = (a | 0x20) >= 'a' && (a | 0x20) <= 'z' && (b | 0x20) >= 'a' && (b | 0x20) <= 'z';
        if (letters ? (a | 0x20) != (b | 0x20) : a != b)
            return false;
    }
    return true;
}

// The lookup rule written out position by position.
std::string expectedValue(const std::string& text, const std::string& key)
{
    if (key.empty() || key.size() > text.size())
        return {};
    for (std::size_t at = 0; at + key.size() <= text.size(); ++at) {
        if (!sameLetters(text, at, key))
            continue;
        const auto opening = std::find(text.begin() + static_cast<std::ptrdiff_t>(at), text.end(), '"');
        if (opening == text.end())
            return {};
        const auto closing = std::find(opening + 1, text.end(), '"');
        return closing == text.end() ? std::string() : std::string(opening + 1, closing);
    }
    return {};
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
    const std::string key = provider.ConsumeRandomLengthString(64);
    const std::string raw = provider.ConsumeRemainingBytesAsString();
    input->replace(raw.data(), raw.size());

    const std::optional<std::string> text = glimtags::readTextFile(input->path());
    FUZZ_CHECK(text && *text == asText(raw));

    const std::string value = glimtags::findQuotedValue(*text, key);
    FUZZ_CHECK(value == expectedValue(*text, key));
    FUZZ_CHECK(value.find('"') == std::string::npos);
    FUZZ_CHECK(glimtags::LanguageTable(input->path()).lookup(key) == value);
    return 0;
}
