#include "platform/game_font.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <wx/mstream.h>
#include <wx/zipstrm.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using glimtags::platform::findGameFont;
using glimtags::platform::GameFontSearch;
using glimtags::platform::kGameFontMaxBytes;
using glimtags::test::TempDir;
using Outcome = GameFontSearch::Outcome;
namespace fs = std::filesystem;

namespace {

const std::string kSheet(glimtags::platform::kGameFontEntry);

// Entries whose name ends in '/' become folders. Stored files stand in the archive
// as written, so that a test can patch their bytes.
std::string zipOf(const std::vector<std::pair<std::string, std::string>>& entries,
                  wxZipMethod method = wxZIP_METHOD_STORE)
{
    wxMemoryOutputStream memory;
    {
        wxZipOutputStream zip(memory);
        for (const auto& [name, bytes] : entries) {
            if (name.back() == '/') {
                zip.PutNextDirEntry(name);
                continue;
            }
            auto* entry = new wxZipEntry(name);
            entry->SetMethod(method);
            zip.PutNextEntry(entry);
            zip.Write(bytes.data(), bytes.size());
        }
    }
    std::string bytes(memory.GetSize(), '\0');
    memory.CopyTo(bytes.data(), bytes.size());
    return bytes;
}

// Writes the file, making the folders it lies in.
std::string put(const TempDir& dir, const std::string& path, const std::string& bytes)
{
    fs::create_directories(fs::path(dir.file(path)).parent_path());
    return dir.write(path, bytes);
}

std::string describe(const GameFontSearch& result)
{
    return result.source + " [" + result.bytes + "]";
}

// Names order byte for byte; the entry and the extension match without regard to case.
// A pipe would block the search and a folder is no archive: neither is opened.
TEST(GameFont, LastPakInByteOrderThatHoldsTheSheetWins)
{
    const TempDir dir;
    put(dir, "baseq3/pak0.pk3", zipOf({{kSheet, "zero"}}));
    put(dir, "baseq3/pak1.PK3", zipOf({{"GFX/2D/BigChars.TGA", "one"}, {kSheet + "/", ""}}));
    put(dir, "baseq3/Pak9.pk3", zipOf({{kSheet, "upper case sorts first"}}));
    put(dir, "baseq3/zz.pk3", zipOf({{"maps/q3dm1.bsp", "map"}}));
    put(dir, "baseq3/zzz.txt", zipOf({{kSheet, "not a pk3"}}));
    fs::create_directories(dir.path() / "baseq3/zzzz.pk3");
    fs::create_directories(dir.path() / "baseq3/gfx/2d");
    for (const std::string pipe : {"baseq3/zzzzz.pk3", "baseq3/gfx/2d/bigchars.tga"})
        ASSERT_EQ(::mkfifo(dir.file(pipe).c_str(), 0600), 0);
    const GameFontSearch result = findGameFont({dir.file("baseq3")});
    EXPECT_EQ(result.outcome, Outcome::Found);
    EXPECT_EQ(describe(result), dir.file("baseq3/pak1.PK3: GFX/2D/BigChars.TGA [one]"));
}

TEST(GameFont, LooseFileWinsOverPaksAndEarlierFolderOverLater)
{
    const TempDir dir;
    fs::create_directories(dir.path() / "empty");
    put(dir, "first/zz.pk3", zipOf({{kSheet, "packed"}}));
    put(dir, "first/" + kSheet, "loose");
    put(dir, "second/" + kSheet, "later");
    const GameFontSearch result = findGameFont({dir.file("empty"), dir.file("first"), dir.file("second")});
    EXPECT_EQ(result.outcome, Outcome::Found);
    EXPECT_EQ(describe(result), dir.file("first/" + kSheet) + " [loose]");
}

TEST(GameFont, NothingFoundNamesTheFoldersAndThePaksThatAreNoZips)
{
    const TempDir dir;
    const std::string whole = zipOf({{kSheet, "sheet"}});
    put(dir, "baseq3/garbage.pk3", std::string(4096, 'G'));
    put(dir, "baseq3/truncated.pk3", whole.substr(0, whole.size() - 30));
    const std::string base = dir.file("baseq3");
    const GameFontSearch result = findGameFont({base, dir.file("missing")});
    EXPECT_EQ(result.outcome, Outcome::NotFound);
    EXPECT_EQ(result.reason, "No " + kSheet + " in " + base + ", " + dir.file("missing") +
                                 "; not readable as pk3: " + base + "/truncated.pk3, " + base + "/garbage.pk3");
    EXPECT_EQ(findGameFont({}).outcome, Outcome::NotFound);
}

// The damaged pak sorts last, so it is the one the game would take: the good
// older one must not stand in for it.
TEST(GameFont, LyingOrDamagedWinningEntryIsReportedNotReplaced)
{
    const std::string good = "sheet bytes";
    const std::string whole = zipOf({{kSheet, good}});
    const std::size_t central = whole.find("PK\x01\x02");
    const auto shorter = static_cast<std::uint32_t>(good.size() - 1);
    const std::vector<std::pair<const char*, std::vector<std::pair<std::size_t, std::uint32_t>>>> lies = {
        {"central size 2 GiB", {{central + 24, 0x80000000u}}},
        {"central offset past the end", {{central + 42, 0x00100000u}}},
        {"central size one short", {{central + 24, shorter}}},
        {"data fails its checksum", {{whole.find(good), 0x58585858u}}},
    };
    for (const auto& [what, patches] : lies) {
        const TempDir dir;
        put(dir, "baseq3/pak0.pk3", zipOf({{kSheet, "older"}}));
        std::string patched = whole;
        for (const auto& [at, value] : patches)
            for (int i = 0; i < 4; ++i)
                patched[at + i] = static_cast<char>(value >> (8 * i));
        const std::string liar = put(dir, "baseq3/pak1.pk3", patched);
        const GameFontSearch result = findGameFont({dir.file("baseq3")});
        EXPECT_EQ(result.outcome, Outcome::Unreadable) << what;
        EXPECT_TRUE(result.reason.starts_with(liar + ": " + kSheet + " ")) << what << ": " << result.reason;
        EXPECT_EQ(result.bytes, "") << what;
    }
}

TEST(GameFont, EntryLargerThanAFontSheetIsRefused)
{
    for (const std::size_t size : {kGameFontMaxBytes, kGameFontMaxBytes + 1}) {
        const TempDir dir;
        dir.write("pak0.pk3", zipOf({{kSheet, std::string(size, '\0')}}, wxZIP_METHOD_DEFLATE));
        const GameFontSearch result = findGameFont({dir.path().string()});
        EXPECT_EQ(result.outcome, size > kGameFontMaxBytes ? Outcome::Unreadable : Outcome::Found) << size;
        EXPECT_EQ(result.bytes.size(), size > kGameFontMaxBytes ? 0 : size);
    }
    const TempDir dir;
    put(dir, kSheet, std::string(kGameFontMaxBytes + 1, '\0'));
    EXPECT_NE(findGameFont({dir.path().string()}).reason.find(" is too large for a font sheet ("), std::string::npos)
        << "a loose file too";
}

TEST(GameFont, DataFoldersOfTheSameNameFollowTheGameFolder)
{
    const TempDir dir;
    for (const char* folder : {"quake3/baseq3", "openarena/baseoa", "local/baseq3"})
        fs::create_directories(dir.path() / folder);
    const std::vector<std::string> roots = {dir.file("quake3"), dir.file("openarena"), dir.file("local"),
                                            dir.file("absent")};
    const std::string home = dir.file("home/.q3a/baseq3/");
    const std::string q3 = dir.file("quake3/baseq3");
    using Folders = std::vector<std::string>;
    EXPECT_EQ(glimtags::platform::gameDataFolders(home, roots), (Folders{home, q3, dir.file("local/baseq3")}));
    EXPECT_EQ(glimtags::platform::gameDataFolders(q3, roots), (Folders{q3, dir.file("local/baseq3")})) << "listed once";
    EXPECT_TRUE(glimtags::platform::gameDataFolders("", roots).empty());
}

} // namespace
