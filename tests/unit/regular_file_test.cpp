#include "core/regular_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <string>

using glimtags::readRegularFile;
using glimtags::test::TempDir;
using namespace std::string_literals;

TEST(RegularFile, ReadsRegularFilesOnlyAndWithinTheBound)
{
    const TempDir dir;
    const std::string raw = "a\r\nb\0\xFF\r"s;
    EXPECT_EQ(readRegularFile(dir.write("raw", raw)), raw);
    EXPECT_EQ(readRegularFile(dir.write("empty", "")), "");
    EXPECT_EQ(readRegularFile(dir.write("four", "1234"), 4), "1234");

    ASSERT_EQ(::mkfifo(dir.file("pipe").c_str(), 0600), 0);
    const struct { std::string path; std::size_t bound; int error; } refused[] = {
        {dir.file("missing"), glimtags::kMaxReadBytes, ENOENT},
        {dir.path().string(), glimtags::kMaxReadBytes, EISDIR},
        {dir.file("pipe"), glimtags::kMaxReadBytes, EINVAL},
        {"/dev/zero", glimtags::kMaxReadBytes, EINVAL},
        {dir.file("four"), 3, EFBIG},
    };
    for (const auto& c : refused) {
        int error = 0;
        EXPECT_EQ(readRegularFile(c.path, c.bound, &error), std::nullopt) << c.path;
        EXPECT_EQ(error, c.error) << c.path;
    }
}

TEST(RegularFile, TextDropsOnlyTheCarriageReturnBeforeALineFeed)
{
    const TempDir dir;
    EXPECT_EQ(glimtags::readTextFile(dir.write("t", "a\r\nb\rc\r\r\n\r")), "a\nb\rc\r\n\r");
    EXPECT_EQ(glimtags::readTextFile(dir.path().string()), std::nullopt);
}
