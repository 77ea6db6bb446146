#include "platform/game_font.h"

#include "support/temp_dir.h"
#include "support/zip_bytes.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using glimtags::platform::findGameFont;
using glimtags::platform::GameFontSearch;
using glimtags::platform::kGameFontMaxBytes;
using glimtags::test::extraField;
using glimtags::test::TempDir;
using glimtags::test::ZipEntry;
using glimtags::test::storedZip;
using glimtags::test::zipOf;
using Outcome = GameFontSearch::Outcome;
namespace fs = std::filesystem;

namespace {

const std::string kSheet(glimtags::platform::kGameFontEntry);
constexpr std::uint32_t kZip64 = 0xFFFFFFFFu;
constexpr std::uint16_t kZip64Field = 1;

std::string describe(const GameFontSearch& result)
{
    return result.source + " [" + result.bytes + "]";
}

// Each pak holds the sheet with its own name as the bytes; a name ending in "dir" is an
// unpacked pak, a folder. The winners are the game's own (ioq3ded +which); the order of
// names itself is the pak order's.
TEST(GameFont, PaksAreSearchedInTheGamesOrder)
{
    struct Case {
        std::vector<std::string> paks;
        std::string winner;
    };
    for (const auto& [paks, winner] : std::vector<Case>{
             {{"a.pk3", "Z.pk3"}, "Z.pk3"},
             {{"!.pk3", ".pk3", "pak1.PK3"}, "pak1.PK3"},
             {{"b.pk3", "c.pk3dir"}, "c.pk3dir"},
             {{"d.pk3", "c.pk3dir"}, "d.pk3"},
             {{"a.pk3", "b.pk3DIR"}, "a.pk3"},
         }) {
        const TempDir dir;
        for (const std::string& pak : paks) {
            if (pak.ends_with("dir"))
                dir.write(pak + "/" + kSheet, pak);
            else
                dir.write(pak, storedZip({{kSheet, pak}}));
        }
        const GameFontSearch result = findGameFont({dir.path().string()});
        const std::string where = winner.ends_with("dir") ? "/" + kSheet : ": " + kSheet;
        EXPECT_EQ(describe(result), dir.file(winner) + where + " [" + winner + "]") << paks.front();
    }
}

// The entry matches as the game's look-up does; of two, the later wins. A pipe would block
// the search and a folder is no archive: neither is opened.
TEST(GameFont, EntryIsTheOneTheGameWouldOpen)
{
    const TempDir dir;
    dir.write("baseq3/pak0.pk3", storedZip({{kSheet, "zero"}}));
    dir.write("baseq3/pak1.pk3", storedZip({{"GFX\\2D\\BigChars.TGA", "one"}, {kSheet + "/", ""}, {"gfx/2d/x", ""}}));
    dir.write("baseq3/pak2.pk3", storedZip({{"/" + kSheet, "leading slash"}, {"gfx:2d:bigchars.tga", "colons"}}));
    dir.write("baseq3/pak3.pk3.txt", storedZip({{kSheet, "not a pk3"}}));
    fs::create_directories(dir.path() / "baseq3/zzzz.pk3");
    fs::create_directories(dir.path() / "baseq3/gfx/2d");
    for (const std::string pipe : {"baseq3/zzzzz.pk3", "baseq3/gfx/2d/bigchars.tga"})
        ASSERT_EQ(::mkfifo(dir.file(pipe).c_str(), 0600), 0);
    EXPECT_EQ(describe(findGameFont({dir.file("baseq3")})), dir.file("baseq3/pak1.pk3: GFX\\2D\\BigChars.TGA [one]"));
    dir.write("baseq3/pak4.pk3", storedZip({{kSheet, "first"}, {"maps/q3dm1.bsp", ""}, {"Gfx/2D/bigchars.tga", "second"}}));
    EXPECT_EQ(describe(findGameFont({dir.file("baseq3")})), dir.file("baseq3/pak4.pk3: Gfx/2D/bigchars.tga [second]"));
}

// Sizes past 4 GiB stand in a zip64 field; what the game's reader takes whole, so does the editor.
TEST(GameFont, EveryFormOfEntryTheGameReadsIsRead)
{
    const std::string sheet(300, 's');
    for (const ZipEntry& entry : std::vector<ZipEntry>{
             {.name = kSheet, .data = sheet},
             {.name = kSheet, .data = sheet, .method = 8},
             {.name = kSheet, .data = sheet, .dataDescriptor = true},
             {.name = kSheet, .data = sheet, .method = 8, .dataDescriptor = true},
             {.name = kSheet, .data = sheet, .centralSize = kZip64, .centralExtra = extraField(kZip64Field, {300}, 8)},
         }) {
        const TempDir dir;
        dir.write("pak0.pk3", zipOf({entry}));
        const GameFontSearch result = findGameFont({dir.path().string()});
        EXPECT_EQ(result.outcome, Outcome::Found) << entry.method << entry.dataDescriptor << result.reason;
        EXPECT_EQ(result.bytes, sheet);
    }
}

TEST(GameFont, LooseFileWinsOverPaksAndEarlierFolderOverLater)
{
    const TempDir dir;
    fs::create_directories(dir.path() / "empty");
    dir.write("first/zz.pk3", storedZip({{kSheet, "packed"}}));
    dir.write("first/" + kSheet, "loose");
    dir.write("second/" + kSheet, "later");
    const GameFontSearch result = findGameFont({dir.file("empty"), dir.file("first"), dir.file("second")});
    EXPECT_EQ(result.outcome, Outcome::Found);
    EXPECT_EQ(describe(result), dir.file("first/" + kSheet) + " [loose]");
}

// A zip64 field shorter than the sizes it stands for leaves the archive unreadable, and
// no size read from beyond the field turns up in the message.
TEST(GameFont, NothingFoundNamesTheFoldersAndThePaksThatAreNoZips)
{
    const TempDir dir;
    const std::string whole = storedZip({{kSheet, "sheet"}});
    dir.write("baseq3/garbage.pk3", std::string(4096, 'G'));
    dir.write("baseq3/empty.pk3", "");
    dir.write("baseq3/truncated.pk3", whole.substr(0, whole.size() - 30));
    dir.write("baseq3/short.pk3", zipOf({{.name = kSheet, .data = "sheet", .centralSize = kZip64,
                                         .centralExtra = extraField(kZip64Field, {}, 4)}}));
    const std::string base = dir.file("baseq3");
    const GameFontSearch result = findGameFont({base, dir.file("missing")});
    EXPECT_EQ(result.outcome, Outcome::NotFound);
    EXPECT_EQ(result.reason, "No " + kSheet + " in " + base + ", " + dir.file("missing") + "; not readable as pk3: " +
                                 base + "/truncated.pk3, " + base + "/short.pk3, " + base + "/garbage.pk3, " +
                                 base + "/empty.pk3");
    EXPECT_EQ(findGameFont({}).outcome, Outcome::NotFound);
}

// The lying pak sorts last, so it is the one the game would take: the good older one
// must not stand in for it.
TEST(GameFont, LyingOrDamagedWinningEntryIsReportedNotReplaced)
{
    const std::string good = "sheet bytes";
    const auto shorter = static_cast<std::uint32_t>(good.size() - 1);
    const std::string corrupt = "sheet bytez";
    struct Case {
        const char* what;
        ZipEntry entry;
        std::string reason;
    };
    for (const auto& [what, entry, reason] : std::vector<Case>{
             {"size 2 GiB", {.name = kSheet, .data = good, .centralSize = 0x80000000u},
              "is too large for a font sheet (2147483648 bytes, at most 4194304)"},
             {"zip64 size 2^64-2", {.name = kSheet, .data = good, .centralSize = kZip64,
                                    .centralExtra = extraField(kZip64Field, {~std::uint64_t{1}}, 8)},
              "is too large for a font sheet (18446744073709551614 bytes, at most 4194304)"},
             {"zip64 compressed size 2^63-1", {.name = kSheet, .data = good, .centralCompressedSize = kZip64,
                                               .centralExtra = extraField(kZip64Field, {~std::uint64_t{0} >> 1}, 8)},
              "is damaged"},
             {"size one short", {.name = kSheet, .data = good, .centralSize = shorter}, "is damaged"},
             {"compressed size one short", {.name = kSheet, .data = good, .method = 8, .centralCompressedSize = 5},
              "is damaged"},
             {"bzip2", {.name = kSheet, .data = good, .method = 12},
              "is compressed with method 12, which the game cannot read"},
         }) {
        const TempDir dir;
        dir.write("baseq3/pak0.pk3", storedZip({{kSheet, "older"}}));
        const std::string liar = dir.write("baseq3/pak1.pk3", zipOf({entry}));
        const GameFontSearch result = findGameFont({dir.file("baseq3")});
        EXPECT_EQ(result.outcome, Outcome::Unreadable) << what;
        EXPECT_EQ(result.reason, liar + ": " + kSheet + " " + reason) << what;
        EXPECT_EQ(result.bytes, "") << what;
    }
    const TempDir dir;
    std::string archive = storedZip({{kSheet, good}});
    archive.replace(archive.find(good), good.size(), corrupt);
    dir.write("pak0.pk3", archive);
    EXPECT_EQ(findGameFont({dir.path().string()}).reason, dir.file("pak0.pk3: ") + kSheet + " is damaged")
        << "data that fails its checksum";
}

TEST(GameFont, EntryLargerThanAFontSheetIsRefused)
{
    for (const std::size_t size : {kGameFontMaxBytes, kGameFontMaxBytes + 1}) {
        const TempDir dir;
        dir.write("pak0.pk3", zipOf({{.name = kSheet, .data = std::string(size, '\0'), .method = 8}}));
        const GameFontSearch result = findGameFont({dir.path().string()});
        EXPECT_EQ(result.outcome, size > kGameFontMaxBytes ? Outcome::Unreadable : Outcome::Found) << size;
        EXPECT_EQ(result.bytes.size(), size > kGameFontMaxBytes ? 0 : size);
    }
    const TempDir dir;
    dir.write(kSheet, std::string(kGameFontMaxBytes + 1, '\0'));
    EXPECT_NE(findGameFont({dir.path().string()}).reason.find(" is too large for a font sheet ("), std::string::npos)
        << "a loose file too";
}

// Each read counts at least 4096 bytes: reading a small archive costs a few such reads.
TEST(GameFont, SearchEndsAtItsReadLimits)
{
    const TempDir dir;
    dir.write("pak0.pk3", storedZip({{kSheet, "sheet"}}));
    const std::string large = dir.write("pak1.pk3", storedZip({{"maps/a.bsp", std::string(100000, 'm')}}));
    const std::string base = dir.path().string();
    EXPECT_EQ(findGameFont({base}, {.perArchive = 65536, .perSearch = 1 << 20}).reason,
              large + " is too large to search (more than 65536 bytes to read)");
    EXPECT_EQ(findGameFont({base}, {.perArchive = 1 << 20, .perSearch = 1 << 20}).outcome, Outcome::Found);
    for (int i = 2; i < 40; ++i)
        dir.write("pak" + std::to_string(i) + ".pk3", storedZip({{"maps/a.bsp", "map"}}));
    const GameFontSearch result = findGameFont({base}, {.perArchive = 1 << 20, .perSearch = 1 << 17});
    EXPECT_EQ(result.outcome, Outcome::Unreadable);
    EXPECT_TRUE(result.reason.ends_with(".pk3 was not searched: the pk3 files before it took the 131072 bytes the "
                                        "search may read"))
        << result.reason;
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
