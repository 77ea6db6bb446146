#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace glimtags {

inline constexpr const char* kDefaultLanguageFile = "English.lan";

// The text between the first double quote after the first occurrence of key
// (letters compared without regard to case) and the next double quote.
// Empty when the key is missing or no complete pair of quotes follows it.
std::string findQuotedValue(std::string_view text, std::string_view key);

// How a chosen language file is stored so that later starts find it: its bare name
// when it lies in the start folder, where bare names resolve, else its whole path.
std::string languageSettingFor(const std::string& chosenPath, const std::string& startFolder);

// Called when a language file cannot be opened, with the message to show.
// The program's handler shows it and ends the process; if a handler returns,
// the lookup gives the empty text.
using LanguageFailureHandler = std::function<void(const std::string& message)>;
void setLanguageFailureHandler(LanguageFailureHandler handler);

// Reads the language file once, as the program does at start: from then on every table
// by that name (empty for the default file) looks its texts up in what was read,
// whatever becomes of the file. False, after the failure handler, when it cannot be read.
bool loadLanguageFile(const std::string& fileName);

// A language file by its name (a bare name is found as every data file is, from the start folder on)
// and the one lookup rule every text is read by. The file loaded at start is not read
// again; any other is read afresh at each lookup.
class LanguageTable {
public:
    explicit LanguageTable(std::string fileName);

    std::string lookup(std::string_view key) const;
    // The name the file is opened by: the default file for an empty name.
    const std::string& fileName() const { return fileName_; }

private:
    std::string fileName_;
};

} // namespace glimtags
