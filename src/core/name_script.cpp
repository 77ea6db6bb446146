#include "core/name_script.h"

#include "core/ascii_case.h"
#include "core/console_script.h"
#include "core/name_characters.h"
#include "core/regular_file.h"

namespace glimtags {
namespace {

std::string_view fileNameOf(std::string_view path)
{
    const std::size_t separator = path.rfind('/');
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

// The text after the file name's last full stop; empty when there is none.
std::string_view extensionOf(std::string_view path)
{
    const std::string_view fileName = fileNameOf(path);
    const std::size_t dot = fileName.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : fileName.substr(dot + 1);
}

} // namespace

const char* saveFilter(NameType type)
{
    return type == NameType::User ? "NaMe Script File (*.name)|*.name" : "NaMe Script File (*.Host)|*.Host";
}

bool holdsQuote(const NameText& name)
{
    return name.bytes().find(static_cast<char>(kQuote)) != std::string::npos;
}

std::optional<NameRefusal> scriptLineRefusal(const NameText& name)
{
    if (!fitsSaveLimit(name))
        return NameRefusal::TooLong;
    if (holdsQuote(name))
        return NameRefusal::HoldsQuote;
    return std::nullopt;
}

const char* refusalMessageKey(NameRefusal refusal)
{
    return refusal == NameRefusal::TooLong ? "MESSAGE_NAMELONGER" : "MESSAGE_NAMEHOLDSQUOTE";
}

std::string_view scriptVariable(NameType type)
{
    return type == NameType::User ? "name" : "sv_hostname";
}

bool needsWhiteEnding(const NameText& name, bool endColorWhite)
{
    return endColorWhite && (name.empty() || name.at(name.length() - 1) != '7');
}

std::string nameWithEnding(const NameText& name, bool endColorWhite)
{
    return needsWhiteEnding(name, endColorWhite) ? name.bytes() + "^7" : name.bytes();
}

NameText withoutWhiteEnding(const NameText& read, bool endColorWhite)
{
    const std::string& bytes = read.bytes();
    if (!bytes.ends_with("^7"))
        return read;
    const NameText rest(std::string_view(bytes).substr(0, bytes.size() - 2));
    return needsWhiteEnding(rest, endColorWhite) ? rest : read;
}

std::string variableAssignment(NameType type, const NameText& name, bool endColorWhite)
{
    return std::string(scriptVariable(type)) + " \"" + nameWithEnding(name, endColorWhite) + '"';
}

std::string nameScriptBytes(NameType type, const NameText& name, bool endColorWhite)
{
    return "seta " + variableAssignment(type, name, endColorWhite);
}

ScriptSavePlan planScriptSave(NameType type, std::string_view chosenPath)
{
    if (!extensionOf(chosenPath).empty())
        return {std::string(chosenPath), std::string(fileNameOf(chosenPath))};
    const std::string extension = "." + std::string(type == NameType::User ? "name" : "host");
    return {std::string(chosenPath) + extension, std::string(fileNameOf(chosenPath)) + extension};
}

std::optional<NameType> openedScriptType(std::string_view chosenPath)
{
    const std::string_view extension = extensionOf(chosenPath);
    if (equalIgnoringCase(extension, "host"))
        return NameType::Host;
    if (equalIgnoringCase(extension, "name"))
        return NameType::User;
    return std::nullopt;
}

OutcomeOf<NameText> readNameScript(const std::string& path, NameType type)
{
    const std::optional<std::string> bytes = readRegularFile(path);
    if (!bytes)
        return {Outcome::failure(kScriptUnreadable)};
    const std::optional<ConsoleSetting> setting = lastSetting(*bytes, scriptVariable(type));
    if (!setting)
        return {Outcome::failure(kScriptSetsNoName)};
    return {{}, NameText(setting->value)};
}

} // namespace glimtags
