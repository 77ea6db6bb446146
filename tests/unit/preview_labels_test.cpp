#include "core/language_table.h"
#include "core/preview_labels.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

TEST(PreviewLabels, EachKeyLandsInItsOwnField)
{
    const glimtags::test::TempDir dir;
    const glimtags::LanguageTable language(dir.write("test.lan", "GLTEXT_PREVCHAR \"p\" GLTEXT_CURCHAR \"c\" "
                                                                 "GLTEXT_NEXTCHAR \"n\" GLTEXT_INGAMELIMIT1 \"1\" "
                                                                 "GLTEXT_INGAMELIMIT2 \"2\" GLTEXT_INGAMELIMIT3 \"3\" "
                                                                 "GLTEXT_NAMELONGER \"l\""));
    const glimtags::PreviewLabels labels = glimtags::previewLabels(language);
    const auto& [first, second, third] = labels.inGameLimit;
    EXPECT_EQ(labels.previousChar + labels.currentChar + labels.nextChar + first + second + third + labels.nameLonger,
              "pcn123l");
}
