#include "core/language_table.h"

#include "core/ascii_case.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace glimtags {
namespace {

LanguageFailureHandler& failureHandler()
{
    static LanguageFailureHandler handler;
    return handler;
}

} // namespace

std::string findQuotedValue(std::string_view text, std::string_view key)
{
    const std::size_t match = findIgnoringCase(text, key);
    if (match == std::string_view::npos)
        return {};
    const std::size_t opening = text.find('"', match);
    if (opening == std::string_view::npos)
        return {};
    const std::size_t closing = text.find('"', opening + 1);
    if (closing == std::string_view::npos)
        return {};
    return std::string(text.substr(opening + 1, closing - opening - 1));
}

std::optional<std::string> readTextFile(const std::string& path)
{
    // Only a regular file: a pipe in its place would block the window for ever.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return std::nullopt;
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i)
        if (!(raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n'))
            text.push_back(raw[i]);
    return text;
}

void setLanguageFailureHandler(LanguageFailureHandler handler)
{
    failureHandler() = std::move(handler);
}

LanguageTable::LanguageTable(std::string fileName)
    : fileName_(fileName.empty() ? std::string(kDefaultLanguageFile) : std::move(fileName))
{
}

std::string LanguageTable::lookup(std::string_view key) const
{
    const std::optional<std::string> text = readTextFile(fileName_);
    if (!text) {
        if (failureHandler())
            failureHandler()("Unable to open language file ' " + fileName_ + "'!");
        return {};
    }
    return findQuotedValue(*text, key);
}

} // namespace glimtags
