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
using glimtags::platform::gameDataFolders;
using glimtags::platform::GameFontSearch;
using glimtags::platform::kGameFontMaxBytes;
using glimtags::test::TempDir;
using Outcome = GameFontSearch::Outcome;
namespace fs = std::filesystem;

namespace {

const std::string kSheet = "gfx/2d/bigchars.tga";

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

void put32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

class GameFontTest : public ::testing::Test {
protected:
    std::string folder(const std::string& name) const
    {
        fs::create_directories(dir.path() / name);
        return dir.file(name);
    }
    void pak(const std::string& path, const std::string& sheet) const
    {
        dir.write(path, zipOf({{"readme.txt", "x"}, {kSheet, sheet}}));
    }
    void loose(const std::string& folderName, const std::string& sheet) const
    {
        fs::create_directories(dir.path() / folderName / "gfx/2d");
        dir.write(folderName + "/" + kSheet, sheet);
    }

    TempDir dir;
};

} // namespace

TEST_F(GameFontTest, LastPakInByteOrderThatHoldsTheSheetWins)
{
    const std::string base = folder("baseq3");
    pak("baseq3/pak0.pk3", "zero");
    pak("baseq3/pak1.pk3", "one");
    pak("baseq3/Pak9.pk3", "upper case sorts first");
    dir.write("baseq3/zz.pk3", zipOf({{"maps/q3dm1.bsp", "map"}}));
    dir.write("baseq3/zzz.txt", zipOf({{kSheet, "not a pk3"}}));

    const GameFontSearch result = findGameFont({base});
    EXPECT_EQ(result.outcome, Outcome::Found);
    EXPECT_EQ(result.bytes, "one");
    EXPECT_EQ(result.source, base + "/pak1.pk3: " + kSheet);
}

TEST_F(GameFontTest, EntryAndExtensionCompareWithoutCase)
{
    const std::string base = folder("baseoa");
    dir.write("baseoa/PAK0.PK3", zipOf({{"GFX/2D/BigChars.TGA", "sheet"}, {kSheet + "/", ""}}));
    const GameFontSearch result = findGameFont({base});
    EXPECT_EQ(result.outcome, Outcome::Found);
    EXPECT_EQ(result.bytes, "sheet");
    EXPECT_EQ(result.source, base + "/PAK0.PK3: GFX/2D/BigChars.TGA");
}

TEST_F(GameFontTest, LooseFileWinsOverPaksAndEarlierFolderOverLater)
{
    const std::string empty = folder("empty");
    const std::string first = folder("first");
    const std::string second = folder("second");
    pak("first/zz.pk3", "packed");
    loose("first", "loose");
    loose("second", "later");

    const GameFontSearch result = findGameFont({empty, first, second});
    EXPECT_EQ(result.outcome, Outcome::Found);
    EXPECT_EQ(result.bytes, "loose");
    EXPECT_EQ(result.source, first + "/" + kSheet);
}

TEST_F(GameFontTest, PipesAndFoldersUnderSheetNamesAreNeverOpened)
{
    const std::string base = folder("baseq3");
    pak("baseq3/pak0.pk3", "real");
    ASSERT_EQ(::mkfifo(dir.file("baseq3/zz.pk3").c_str(), 0600), 0);
    fs::create_directories(dir.path() / "baseq3/zzz.pk3");
    fs::create_directories(dir.path() / "baseq3/gfx/2d");
    ASSERT_EQ(::mkfifo(dir.file("baseq3/" + kSheet).c_str(), 0600), 0);

    const GameFontSearch result = findGameFont({base});
    EXPECT_EQ(result.outcome, Outcome::Found);
    EXPECT_EQ(result.bytes, "real");
}

TEST_F(GameFontTest, NothingFoundNamesTheFoldersAndThePaksThatAreNoZips)
{
    const std::string base = folder("baseq3");
    const std::string whole = zipOf({{kSheet, "sheet"}});
    dir.write("baseq3/garbage.pk3", std::string(4096, 'G'));
    dir.write("baseq3/truncated.pk3", whole.substr(0, whole.size() - 30));

    const GameFontSearch result = findGameFont({base, dir.file("missing")});
    EXPECT_EQ(result.outcome, Outcome::NotFound);
    EXPECT_EQ(result.reason, "No " + kSheet + " in " + base + ", " + dir.file("missing")
                                 + "; not readable as pk3: " + base + "/truncated.pk3, " + base + "/garbage.pk3");
    EXPECT_EQ(findGameFont({}).outcome, Outcome::NotFound);
}

// The damaged pak sorts last, so it is the one the game would take: the good
// older one must not stand in for it.
TEST_F(GameFontTest, LyingOrDamagedWinningEntryIsReportedNotReplaced)
{
    const std::string good = "sheet bytes";
    const std::string whole = zipOf({{kSheet, good}});
    const std::size_t central = whole.find("PK\x01\x02");
    const std::size_t data = whole.find(good);
    using Patch = std::pair<std::size_t, std::uint32_t>;
    const auto shorter = static_cast<std::uint32_t>(good.size() - 1);
    const std::vector<std::pair<const char*, std::vector<Patch>>> lies = {
        {"central size 2 GiB", {{central + 24, 0x80000000u}}},
        {"central offset past the end", {{central + 42, 0x00100000u}}},
        {"central compressed size past the end", {{central + 20, 0x00100000u}}},
        {"central size one short", {{central + 24, shorter}}},
        {"both sizes one short", {{22, shorter}, {central + 24, shorter}}},
        {"data fails its checksum", {{data, 0x58585858u}}},
    };
    for (const auto& [what, patches] : lies) {
        TempDir root;
        fs::create_directories(root.path() / "baseq3");
        root.write("baseq3/pak0.pk3", zipOf({{kSheet, "older"}}));
        std::string patched = whole;
        for (const auto& [at, value] : patches)
            put32(patched, at, value);
        const std::string liar = root.write("baseq3/pak1.pk3", patched);

        const GameFontSearch result = findGameFont({root.file("baseq3")});
        EXPECT_EQ(result.outcome, Outcome::Unreadable) << what;
        EXPECT_EQ(result.reason.rfind(liar + ": " + kSheet + " ", 0), 0u) << what << ": " << result.reason;
        EXPECT_TRUE(result.bytes.empty()) << what;
    }
}

TEST_F(GameFontTest, EntryLargerThanAFontSheetIsRefused)
{
    for (const std::size_t size : {kGameFontMaxBytes, kGameFontMaxBytes + 1}) {
        TempDir root;
        root.write("pak0.pk3", zipOf({{kSheet, std::string(size, '\0')}}, wxZIP_METHOD_DEFLATE));
        const GameFontSearch result = findGameFont({root.path().string()});
        EXPECT_EQ(result.outcome, size > kGameFontMaxBytes ? Outcome::Unreadable : Outcome::Found) << size;
        EXPECT_EQ(result.bytes.size(), size > kGameFontMaxBytes ? 0 : size);
    }
}

TEST_F(GameFontTest, DataFoldersOfTheSameNameFollowTheGameFolder)
{
    const std::string q3 = folder("roots/quake3/baseq3");
    folder("roots/openarena/baseoa");
    const std::string local = folder("roots/local/baseq3");
    const std::vector<std::string> roots = {dir.file("roots/quake3"), dir.file("roots/openarena"),
                                            dir.file("roots/local"), dir.file("roots/absent")};
    const std::string home = dir.file("home/.q3a/baseq3/");

    EXPECT_EQ(gameDataFolders(home, roots), (std::vector<std::string>{home, q3, local}));
    EXPECT_EQ(gameDataFolders(q3, roots), (std::vector<std::string>{q3, local})) << "listed once";
    EXPECT_TRUE(gameDataFolders("", roots).empty());
}
