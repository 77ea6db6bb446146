#include "platform/picture_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <wx/image.h>

using glimtags::RgbaPicture;
using glimtags::platform::savePicturePng;

// The PNG holds every pixel with its own alpha, top row first.
TEST(PictureFile, SavesThePixelsAndTheirAlpha)
{
    glimtags::test::TempDir folder;
    const RgbaPicture picture{2, 2, {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 10, 20, 30, 255}};
    const std::string path = folder.file("name.png");
    ASSERT_TRUE(savePicturePng(path, picture));

    wxImage read;
    ASSERT_TRUE(read.LoadFile(path, wxBITMAP_TYPE_PNG));
    ASSERT_EQ(read.GetWidth(), 2);
    ASSERT_TRUE(read.HasAlpha());
    EXPECT_EQ(read.GetRed(0, 0), 255);
    EXPECT_EQ(read.GetGreen(1, 0), 255);
    EXPECT_EQ(read.GetAlpha(1, 0), 128);
    EXPECT_EQ(read.GetAlpha(0, 1), 0);
    EXPECT_EQ(read.GetBlue(1, 1), 30);
}

// No picture (an unusable font sheet) writes no file and says so.
TEST(PictureFile, RefusesAnEmptyPicture)
{
    glimtags::test::TempDir folder;
    const std::string path = folder.file("none.png");
    EXPECT_FALSE(savePicturePng(path, RgbaPicture{}));
    EXPECT_FALSE(std::filesystem::exists(path));
}
