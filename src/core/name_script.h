#pragma once

#include "core/name_text.h"

#include <optional>
#include <string>
#include <string_view>

namespace glimtags {

enum class NameType { User = 0, Host = 1 };

// Dialog filters of the script-file commands.
inline constexpr const char* kUserNameSaveFilter = "NaMe Script File (*.name)|*.name";
inline constexpr const char* kHostNameSaveFilter = "NaMe Script File (*.Host)|*.Host";
inline constexpr const char* kNameScriptOpenFilter =
    "UserName Script File (*.name)|*.name|HostName Script File (*.host)|*.host|";
inline constexpr const char* kScriptInitialFileName = "FiLeNaMe";

const char* saveFilter(NameType type);
// The initial file of the script dialogs: FiLeNaMe in the game folder.
std::string scriptDialogInitialPath(std::string_view gamePath);

// A double quote would end the written value early, so a name that holds one is
// not written anywhere.
bool holdsQuote(const NameText& name);

// The console variable a script sets: "name" or "sv_hostname".
std::string_view scriptVariable(NameType type);

// The seta line for a name: `seta <variable> "<name>[^7]"`, with no line end.
std::string nameScriptBytes(NameType type, const NameText& name, bool endColorWhite);
// The seta line and a line feed, as merged into the game configuration.
std::string mergeText(NameType type, const NameText& name, bool endColorWhite);

// Where a save writes and the file name the success message shows.
struct ScriptSavePlan {
    std::string path;
    std::string shownName;
};

// A chosen file name with any extension is kept; one without gets ".name" or ".host".
ScriptSavePlan planScriptSave(NameType type, std::string_view chosenPath);

// The kind of script a chosen file is read as, by its extension without regard to
// case: "host" or "name"; nothing for any other extension or none.
std::optional<NameType> openedScriptType(std::string_view chosenPath);

// The name a script file sets, by the language lookup rule on the file, cut to
// NameText's limit. Nothing when the file cannot be read.
std::optional<NameText> readNameScript(const std::string& path, NameType type);

} // namespace glimtags
