#include "core/language_table.h"
#include "core/preview_labels.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

TEST(PreviewLabels, EachKeyLandsInItsOwnField)
{
    const glimtags::test::TempDir dir;
    const glimtags::LanguageTable language(dir.write(
        "test.lan", "GLTEXT_PREVCHAR \"prev\"\nGLTEXT_CURCHAR \"cur\"\nGLTEXT_NEXTCHAR \"next\"\nGLTEXT_INGAMELIMIT1 \"l1\"\n"
                    "GLTEXT_INGAMELIMIT2 \"l2\"\nGLTEXT_INGAMELIMIT3 \"l3\"\nGLTEXT_NAMELONGER \"longer\"\n"));
    const glimtags::PreviewLabels labels = glimtags::previewLabels(language);
    EXPECT_EQ(labels.previousChar + "|" + labels.currentChar + "|" + labels.nextChar + "|" + labels.inGameLimit[0] + "|" +
                  labels.inGameLimit[1] + "|" + labels.inGameLimit[2] + "|" + labels.nameLonger,
              "prev|cur|next|l1|l2|l3|longer");
}
