#pragma once

#include "core/outcome.h"

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

// Reads the language file once, as the editor does at start: from then on every table
// by that name (empty for the default file) looks its texts up in what was read,
// whatever becomes of the file. When it cannot be read, the error is the message to show
// and the file loaded before stays.
Outcome loadLanguageFile(const std::string& fileName);

// A language file by its name (a bare name is found as every data file is, from the start folder on)
// and the one lookup rule every text is read by. The file loaded at start is not read
// again; any other is read afresh at each lookup, and gives empty texts when it cannot be
// read: load it first to learn why.
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
