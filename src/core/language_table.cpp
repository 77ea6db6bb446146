#include "core/language_table.h"

#include "core/ascii_case.h"
#include "core/data_files.h"
#include "core/regular_file.h"

#include <filesystem>
#include <system_error>
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
    return quotedValueFrom(text, findIgnoringCase(text, key));
}

std::string quotedValueFrom(std::string_view text, std::size_t position)
{
    if (position >= text.size())
        return {};
    const std::size_t opening = text.find('"', position);
    if (opening == std::string_view::npos)
        return {};
    const std::size_t closing = text.find('"', opening + 1);
    if (closing == std::string_view::npos)
        return {};
    return std::string(text.substr(opening + 1, closing - opening - 1));
}

std::string languageSettingFor(const std::string& chosenPath, const std::string& startFolder)
{
    const std::filesystem::path chosen(chosenPath);
    std::error_code error;
    if (std::filesystem::equivalent(chosen.parent_path(), startFolder, error))
        return chosen.filename().string();
    return chosenPath;
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
    const std::optional<std::string> text = readTextFile(findDataFile(fileName_));
    if (!text) {
        if (failureHandler())
            failureHandler()("Unable to open language file ' " + fileName_ + "'!");
        return {};
    }
    return findQuotedValue(*text, key);
}

} // namespace glimtags
