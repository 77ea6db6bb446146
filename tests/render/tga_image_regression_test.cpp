// Inputs the Targa fuzzer found, kept so that the fixed faults stay fixed.
#include "render/tga_image.h"

#include "tga_files.h"

#include <gtest/gtest.h>

#include <vector>

using glimtags::TgaError;
using glimtags::TgaImage;
using glimtags::test::TempDir;
using Bytes = std::vector<unsigned char>;

namespace {

// Sides near 65535 used to be multiplied before they were checked, overflowing an int.
TEST(TgaImageRegression, HugeSidesFailAsBadSizeWithoutOverflow)
{
    const std::vector<Bytes> files = {
        // As found: 65531 x 65533 at depth 231, then 25 stray bytes.
        {0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xf7, 0xff, 0xfb, 0xff, 0xfd, 0xff,
         0xe7, 0xff, 0x0b, 0x30, 0x55, 0x7a, 0x9f, 0xc4, 0xe9, 0x0e, 0x33, 0x58, 0x7d, 0xa2, 0xc7, 0xd5,
         0x1c, 0xee, 0xc9, 0xa4, 0x80, 0xa5, 0xca, 0xef, 0x14, 0x39, 0x5e},
        glimtags::test::tgaBytes({0, 0, 2, 65535, 65535, 32}, {}),
        glimtags::test::tgaBytes({0, 0, 3, 65535, 32768, 8}, Bytes(64, 1)),
    };
    TempDir dir;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string path = dir.path("huge.tga");
        glimtags::test::writeFile(path, files[i]);
        TgaImage image;
        EXPECT_EQ(image.load(path), 0) << i;
        EXPECT_EQ(image.errorCode, TgaError::BadSize) << i;
        EXPECT_TRUE(image.pixels.empty()) << i;
    }
}

} // namespace
