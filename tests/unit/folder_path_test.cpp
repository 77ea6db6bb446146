#include "core/folder_path.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using glimtags::ProcessFolderPath;
using glimtags::test::TempDir;
namespace fs = std::filesystem;

namespace {

// A component may start with a full stop (hidden folders), but not end with one nor
// start or end with a blank; the whole path is at most 259 bytes.
TEST(FolderPath, SyntaxOfAbsolutePaths)
{
    for (const char* valid : {"/", "/games", "/home/p/.q3a/baseq3", "/a b/c.d", "/\x01x/\xE9t\xE9", "/. q3"})
        EXPECT_EQ(ProcessFolderPath(valid, true).code, glimtags::kFolderPathAccepted) << valid;
    for (const char* invalid : {"", "games", "./games", "/games/", "//", "/games//q3", "/games/../q3", "/games/.",
                                "/q3.", "/ q3", "/q3 ", "/\tq3", "/q3\t", "/ .q3", "C:\\games"})
        EXPECT_EQ(ProcessFolderPath(invalid, true).code, glimtags::kFolderPathInvalid) << '[' << invalid << ']';
    for (const char reserved : std::string("\"*:<>?\\|"))
        EXPECT_EQ(ProcessFolderPath("/q" + std::string(1, reserved), true).code, glimtags::kFolderPathInvalid)
            << reserved;
    const std::string longest = "/" + std::string(200, 'a') + "/" + std::string(57, 'b');
    EXPECT_EQ(ProcessFolderPath(longest, true).code, glimtags::kFolderPathAccepted);
    EXPECT_EQ(ProcessFolderPath(longest + "c", true).code, glimtags::kFolderPathInvalid);
}

// Records each message as "?question" or "!error".
struct RecordingHost : glimtags::FolderPathHost {
    void showError(const std::string& message) override { messages.push_back("!" + message); }
    bool askYesNo(const std::string& question) override
    {
        messages.push_back("?" + question);
        return answer;
    }

    bool answer = true;
    std::vector<std::string> messages;
};

TEST(FolderPath, ConfirmAsksBeforeCreatingAndExplainsEveryRefusal)
{
    const TempDir dir;
    const std::string lan = dir.write("test.lan", "PATHDLG_ERROR1 \"Create '%s'?\" PATHDLG_ERROR2 \"Invalid %s (%d)\""
                                                  " PATHDLG_ERROR3 \"Cannot create %s\"");
    const std::string missing = dir.file("quake3/baseq3");
    const struct { std::string path; bool answer; int result; std::vector<std::string> messages; } cases[] = {
        {"/", true, glimtags::kFolderPathAccepted, {}},
        {"games/q3", true, glimtags::kFolderPathInvalid, {"!Invalid games/q3 (%d)"}},
        {lan, true, glimtags::kFolderPathInvalid, {"!Invalid " + lan + " (%d)"}},
        {missing, false, glimtags::kFolderPathCreationDeclined, {"?Create '" + missing + "'?"}},
        {lan + "/sub", true, glimtags::kFolderPathNotCreated,
         {"?Create '" + lan + "/sub'?", "!Cannot create " + lan + "/sub\nNot a directory"}},
        {missing, true, glimtags::kFolderPathAccepted, {"?Create '" + missing + "'?"}},
        {missing, true, glimtags::kFolderPathAccepted, {}},
    };
    for (const auto& c : cases) {
        RecordingHost host;
        host.answer = c.answer;
        EXPECT_EQ(glimtags::ConfirmFolderPath(c.path, host, glimtags::LanguageTable(lan)).code, c.result) << c.path;
        EXPECT_EQ(host.messages, c.messages) << c.path;
        EXPECT_EQ(fs::exists(missing), c.result == glimtags::kFolderPathAccepted && c.path == missing) << c.path;
    }
}

} // namespace
