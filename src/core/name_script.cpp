#include "core/name_script.h"

#include "core/ascii_case.h"
#include "core/language_table.h"
#include "core/string_check.h"

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
    return type == NameType::User ? kUserNameSaveFilter : kHostNameSaveFilter;
}

std::string scriptDialogInitialPath(std::string_view gamePath)
{
    std::string path(gamePath);
    if (path.empty() || path.back() != '/')
        path.push_back('/');
    return path + kScriptInitialFileName;
}

std::string_view scriptVariable(NameType type)
{
    return type == NameType::User ? "name" : "sv_hostname";
}

std::string nameScriptBytes(NameType type, const NameText& name, bool endColorWhite)
{
    return "seta " + std::string(scriptVariable(type)) + " \"" + nameWithEnding(name, endColorWhite) + '"';
}

std::string mergeText(NameType type, const NameText& name, bool endColorWhite)
{
    return nameScriptBytes(type, name, endColorWhite) + '\n';
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

std::optional<NameText> readNameScript(const std::string& path, NameType type)
{
    const std::optional<std::string> text = readTextFile(path);
    if (!text)
        return std::nullopt;
    return NameText(findQuotedValue(*text, scriptVariable(type)));
}

} // namespace glimtags
