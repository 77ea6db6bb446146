#include "core/desktop_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

using glimtags::applicationFolders;

namespace {

TEST(ApplicationFolders, UserFolderFirstThenTheSystemOnes)
{
    using Folders = std::vector<std::string>;
    EXPECT_EQ(applicationFolders("", "", "/home/p"),
              (Folders{"/home/p/.local/share/applications", "/usr/local/share/applications",
                       "/usr/share/applications"}));
    EXPECT_EQ(applicationFolders("/data", "/a:/b/", "/home/p"),
              (Folders{"/data/applications", "/a/applications", "/b//applications"}));
    // Empty and relative entries of the search path are skipped.
    EXPECT_EQ(applicationFolders("/data", "::relative:/c:", "/home/p"),
              (Folders{"/data/applications", "/c/applications"}));
}

TEST(DesktopEntryExec, TheExecValueOfTheMainGroup)
{
    const struct { const char* entry; std::optional<std::string> expected; } cases[] = {
        {"[Desktop Entry]\nName=Browser\nExec=/usr/bin/browser %u\n", "/usr/bin/browser %u"},
        {"[Desktop Entry]\r\nExec=browser --new-window %U\r\nType=Application\r\n", "browser --new-window %U"},
        // Blanks around the equals sign are not part of the value.
        {"[Desktop Entry]\nExec = browser %u  \n", "browser %u"},
        {"[Desktop Entry]\nExec=\"/opt/My\\sBrowser/run\" \\\\x\\n %u\n", "\"/opt/My Browser/run\" \\x\n %u"},
        // Unknown escapes stay as written; a lone backslash at the end too.
        {"[Desktop Entry]\nExec=b \\q %u \\\n", "b \\q %u \\"},
        // Only the main group counts, and only the key Exec itself.
        {"[Desktop Action new]\nExec=browser --action %u\n[Desktop Entry]\nTryExec=x\nExecutable=y\nExec[de]=z\n"
         "Exec=browser %u\n",
         "browser %u"},
        {"Exec=outside\n[Desktop Entry]\nName=B\n", std::nullopt},
        {"[Desktop Entry]\nName=B\n[Desktop Action x]\nExec=action\n", std::nullopt},
        {"[Desktop Entry]\nExec=\n", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(glimtags::desktopEntryExec(c.entry), c.expected) << c.entry;
}

} // namespace
