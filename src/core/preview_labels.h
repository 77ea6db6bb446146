#pragma once

#include <array>
#include <string>

namespace glimtags {

class LanguageTable;

// The texts the preview draws, from the language file.
struct PreviewLabels {
    std::string previousChar;
    std::string currentChar;
    std::string nextChar;
    std::array<std::string, 3> inGameLimit;
    std::string nameLonger;
    // Leads the line that shows what a server makes of the name.
    std::string serverName;
};

PreviewLabels previewLabels(const LanguageTable& language);

} // namespace glimtags
