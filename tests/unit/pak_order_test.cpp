#include "core/pak_order.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

using namespace std::string_view_literals;

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

// Each row was checked against the game: of two pk3 files holding the same file, the
// game takes the one that comes later (ioq3ded +which).
TEST(PakOrder, ComparesNamesAsTheGameDoes)
{
    for (const auto& [a, b, order] : {
             std::tuple{"a.pk3"sv, "Z.pk3"sv, -1},   // letters fold to upper case
             {"zz.pk3", "z_x.pk3", -1},              // so '_' comes after them
             {"a\xE9.pk3", "a.pk3", -1},             // a high byte comes before the end
             {"a\xE9.pk3", "a!.pk3", -1},
             {"a:.pk3", "a1.pk3", -1},               // ':' and '\' are read as '/'
             {"a\\.pk3", "a1.pk3", -1},
             {"a:b.pk3", "a\\B.pk3", 0},
             {"PAK0.pk3", "pak0.PK3", 0},
             {"pak0.pk3", "pak0.pk3", 0},
             {"!.pk3", ".pk3", -1},
             {"pak1.pk3", "pak10.pk3", -1},
             {"pak9.pk3", "pak10.pk3", 1},
             {"", "a", -1},
             {"b.pk3dir", "c.pk3", -1},
         }) {
        EXPECT_EQ(sign(glimtags::comparePakNames(a, b)), order) << a << " / " << b;
        EXPECT_EQ(sign(glimtags::comparePakNames(b, a)), -order) << b << " / " << a;
    }
}

TEST(PakOrder, KnowsWhichNamesTheGameLoads)
{
    for (const auto& [name, file, folder] : {
             std::tuple{"pak0.pk3"sv, true, false},
             {"MAP.PK3", true, false},
             {".pk3", true, false},
             {"pk3", false, false},
             {"a.pk30", false, false},
             {"a.pk3.txt", false, false},
             {"b.pk3dir", false, true},
             {"b.PK3dir", false, true},
             {".pk3dir", false, true},
             {"b.pk3DIR", false, false},
             {"b.pk3Dir", false, false},
             {"b.pkdir", false, false},
         }) {
        EXPECT_EQ(glimtags::isPakFileName(name), file) << name;
        EXPECT_EQ(glimtags::isPakFolderName(name), folder) << name;
    }
}

TEST(PakOrder, MatchesAnEntryToAPathAsTheGameDoes)
{
    constexpr std::string_view sheet = "gfx/2d/bigchars.tga";
    for (const auto& [entry, match] : {
             std::tuple{"gfx/2d/bigchars.tga"sv, true},
             {"GFX/2D/BigChars.TGA", true},
             {"gfx\\2d\\bigchars.tga", true},
             {"gfx:2d:bigchars.tga", false},
             {"/gfx/2d/bigchars.tga", false},
             {"./gfx/2d/bigchars.tga", false},
             {"gfx//2d/bigchars.tga", false},
             {"gfx/2d/bigchars.tga/", false},
             {"gfx/2d/bigchars.tg", false},
             {"gfx/2d/bigch\xC1rs.tga", false},
         })
        EXPECT_EQ(glimtags::isPakEntryFor(entry, sheet), match) << entry;
}
