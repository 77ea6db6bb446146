#include "core/preview_labels.h"

#include "core/language_table.h"

namespace glimtags {

PreviewLabels previewLabels(const LanguageTable& language)
{
    PreviewLabels labels;
    labels.previousChar = language.lookup("GLTEXT_PREVCHAR");
    labels.currentChar = language.lookup("GLTEXT_CURCHAR");
    labels.nextChar = language.lookup("GLTEXT_NEXTCHAR");
    labels.inGameLimit = {language.lookup("GLTEXT_INGAMELIMIT1"), language.lookup("GLTEXT_INGAMELIMIT2"),
                          language.lookup("GLTEXT_INGAMELIMIT3")};
    labels.nameLonger = language.lookup("GLTEXT_NAMELONGER");
    labels.serverName = language.lookup("GLTEXT_SERVERNAME");
    return labels;
}

} // namespace glimtags
