#include "core/language_table.h"

#include "core/ascii_case.h"
#include "core/data_files.h"
#include "core/regular_file.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace glimtags {
namespace {

// The text between the first double quote from the position on and the next one;
// empty for a position past the end (npos included) or without such a pair.
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

// The file read at start and its text, kept for the rest of the run.
struct LoadedLanguage {
    std::string fileName;
    std::string text;
};

std::optional<LoadedLanguage>& loadedLanguage()
{
    static std::optional<LoadedLanguage> loaded;
    return loaded;
}

std::string fileNameOrDefault(std::string fileName)
{
    return fileName.empty() ? std::string(kDefaultLanguageFile) : std::move(fileName);
}

std::optional<std::string> readLanguageFile(const std::string& fileName)
{
    return readTextFile(findDataFile(fileName));
}

} // namespace

std::string findQuotedValue(std::string_view text, std::string_view key)
{
    return quotedValueFrom(text, findIgnoringCase(text, key));
}

std::string languageSettingFor(const std::string& chosenPath, const std::string& startFolder)
{
    const std::filesystem::path chosen(chosenPath);
    std::error_code error;
    if (std::filesystem::equivalent(chosen.parent_path(), startFolder, error))
        return chosen.filename().string();
    return chosenPath;
}

Outcome loadLanguageFile(const std::string& fileName)
{
    const std::string name = fileNameOrDefault(fileName);
    std::optional<std::string> text = readLanguageFile(name);
    if (!text)
        return Outcome::failure(0, "Unable to open language file ' " + name + "'!");
    loadedLanguage() = LoadedLanguage{name, std::move(*text)};
    return {};
}

LanguageTable::LanguageTable(std::string fileName)
    : fileName_(fileNameOrDefault(std::move(fileName)))
{
}

std::string LanguageTable::lookup(std::string_view key) const
{
    if (const std::optional<LoadedLanguage>& loaded = loadedLanguage(); loaded && loaded->fileName == fileName_)
        return findQuotedValue(loaded->text, key);
    const std::optional<std::string> text = readLanguageFile(fileName_);
    return text ? findQuotedValue(*text, key) : std::string();
}

} // namespace glimtags
