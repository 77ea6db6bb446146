#pragma once

#include "core/name_text.h"
#include "core/outcome.h"

#include <optional>
#include <string>
#include <string_view>

namespace glimtags {

enum class NameType { User = 0, Host = 1 };

// Longest name (by limitLength) a script file takes.
inline constexpr int kSaveLimit = 35;

// Whether the name fits a script file; a longer one is too long for the game.
inline bool fitsSaveLimit(const NameText& name) { return limitLength(name) <= kSaveLimit; }

// Dialog filters and the proposed file name of the script-file commands.
inline constexpr const char* kScriptOpenFilter =
    "UserName Script File (*.name)|*.name|HostName Script File (*.host)|*.host";
inline constexpr const char* kScriptInitialFileName = "FiLeNaMe";
const char* saveFilter(NameType type);

// A double quote would end the written value early, so a name that holds one is
// not written anywhere.
bool holdsQuote(const NameText& name);

// Why a name is not written as a script line, in the order the save asks.
enum class NameRefusal { TooLong, HoldsQuote };
std::optional<NameRefusal> scriptLineRefusal(const NameText& name);
// The language key of the message that explains the refusal.
const char* refusalMessageKey(NameRefusal refusal);

// The console variable a script sets: "name" or "sv_hostname".
std::string_view scriptVariable(NameType type);

// Whether "^7" follows the name in a written line: with the option on, unless the
// name already ends with the digit 7.
bool needsWhiteEnding(const NameText& name, bool endColorWhite);

// The quoted value written for a name: the name and, where the rule asks, "^7".
std::string nameWithEnding(const NameText& name, bool endColorWhite);

// A name read back from a script without the "^7" the save added: taken off only where
// saving the rest writes it back, so that a file opened and saved again keeps its bytes.
NameText withoutWhiteEnding(const NameText& read, bool endColorWhite);

// `<variable> "<name>[^7]"`: what a seta line and a console command both set.
std::string variableAssignment(NameType type, const NameText& name, bool endColorWhite);

// The seta line for a name: `seta <variable> "<name>[^7]"`, with no line end.
std::string nameScriptBytes(NameType type, const NameText& name, bool endColorWhite);

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

// Why Open found no name in a script file, as its outcome's code.
inline constexpr int kScriptUnreadable = 1;
inline constexpr int kScriptSetsNoName = 2;

// What Open finds in a script file: the name it sets, read as the game's console reads
// the file (lastSetting) and cut to NameText's limit; a failure for a file that cannot
// be read or sets no name (the name being edited then stays).
OutcomeOf<NameText> readNameScript(const std::string& path, NameType type);

} // namespace glimtags
