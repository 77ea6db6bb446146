#include "gui/editor_fixture.h"

#include "core/data_files.h"
#include "ui/control_ids.h"
#include "ui/picture_command_line.h"

#include <wx/clipbrd.h>
#include <wx/statusbr.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

using glimtags::test::EditorFixture;
using glimtags::test::ExpectFileDialog;
using glimtags::test::ExpectMessage;
using glimtags::test::FileDialogSeen;
namespace ids = glimtags::ids;
namespace fs = std::filesystem;

namespace {

// The editor over a background of one colour, so that the picture's margin shows it exactly.
class PictureCommandsTest : public EditorFixture {
protected:
    void SetUp() override
    {
        start.write("Blue.TGA", plainPicture(0, 0, 255));
        storeSetting("BackGrnd Image", "Blue.TGA");
        startUsualEditor();
    }

    std::string inGame(const std::string& name) const { return (fs::path(gameFolder()) / name).string(); }
    wxString status() const { return window->GetStatusBar()->GetStatusText(0); }

    // The name "^1M" at the game's size: one red glyph in a 16-pixel cell, 8 pixels of the
    // opaque blue background all round.
    static void expectRedGlyphOverBlue(const wxImage& picture)
    {
        ASSERT_EQ(picture.GetSize(), wxSize(32, 32));
        int red = 0;
        int blue = 0;
        int marginNotBlue = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const bool inCell = x >= 8 && x < 24 && y >= 8 && y < 24;
                const bool opaque = !picture.HasAlpha() || picture.GetAlpha(x, y) == 255;
                const unsigned char r = picture.GetRed(x, y), g = picture.GetGreen(x, y), b = picture.GetBlue(x, y);
                const bool isRed = opaque && r > 200 && g < 60 && b < 60;
                const bool isBlue = opaque && r == 0 && g == 0 && b == 255;
                marginNotBlue += !inCell && !isBlue;
                red += inCell && isRed;
                blue += inCell && isBlue;
            }
        EXPECT_EQ(marginNotBlue, 0) << "the margin is the background's";
        EXPECT_GT(red, 20) << "the M's strokes";
        EXPECT_GT(blue, 20) << "the background between them";
    }
};

using PictureCommandLineTest = EditorFixture;

} // namespace

TEST_F(PictureCommandsTest, ExportPictureWritesTheNameAsTheGameDrawsIt)
{
    setName("^1M", 3, 3);
    FileDialogSeen seen;
    GT_TEST_DIALOG(command(ids::MenuExportPicture), ExpectFileDialog(inGame("red.png"), &seen));
    EXPECT_EQ(seen.directory, gameFolder());
    EXPECT_EQ(seen.fileName, "name.png");
    EXPECT_EQ(seen.wildcard, "PNG picture|*.png;*.png;*.PNG");
    wxImage picture;
    ASSERT_TRUE(picture.LoadFile(inGame("red.png"), wxBITMAP_TYPE_PNG));
    expectRedGlyphOverBlue(picture);
    EXPECT_EQ(status(), "Picture of the name written to " + inGame("red.png"));

    const fs::path elsewhere = start.path() / "pictures";
    fs::create_directory(elsewhere);
    GT_TEST_DIALOG(command(ids::MenuExportPicture), ExpectFileDialog((elsewhere / "a.png").string()));
    GT_TEST_DIALOG(command(ids::MenuExportPicture), ExpectFileDialog((elsewhere / "b.png").string(), &seen));
    EXPECT_EQ(seen.directory, elsewhere.string()) << "the next export starts where the last one went";

    wxString message;
    const std::string taken = inGame("taken.png");
    fs::create_directory(taken);
    GT_TEST_DIALOG(command(ids::MenuExportPicture), ExpectFileDialog(taken), ExpectMessage(wxID_OK, &message));
    EXPECT_EQ(message, "Unable to write the file '" + taken + "'!\nIs a directory");
    EXPECT_EQ(status(), "");

    setName("^1", 2, 2);
    GT_EXPECT_NO_DIALOG(command(ids::MenuExportPicture));
    GT_EXPECT_NO_DIALOG(command(ids::MenuCopyPicture));
    EXPECT_EQ(beeps, 2) << "a name without glyphs has no picture";
}

TEST_F(PictureCommandsTest, CopyPicturePutsTheSamePictureOnTheClipboard)
{
    setName("^1M", 3, 3);
    command(ids::MenuCopyPicture);
    EXPECT_EQ(status(), "Picture of the name copied to the clipboard");
    wxBitmapDataObject copied;
    ASSERT_TRUE(wxTheClipboard->Open());
    const bool read = wxTheClipboard->GetData(copied);
    wxTheClipboard->Close();
    ASSERT_TRUE(read);
    expectRedGlyphOverBlue(copied.GetBitmap().ConvertToImage());
}

// Without a window, the picture is drawn with the game's font as the editor would draw it.
TEST_F(PictureCommandLineTest, ExportPictureDrawsWithTheGamesFontWhenTheGameFolderHoldsOne)
{
    storeUsualSettings();
    putGameSheet(solidSheet());
    glimtags::platform::PictureRequest request;
    request.output = start.file("solid.png");
    request.name = glimtags::NameText("^1W");
    const int status = glimtags::writeRequestedPicture(request, stderr);
    glimtags::setDataFolders({});
    ASSERT_EQ(status, EXIT_SUCCESS);
    wxImage picture;
    ASSERT_TRUE(picture.LoadFile(request.output, wxBITMAP_TYPE_PNG));
    // A solid square fills the glyph's cell to its corner, which the editor's own W never does.
    EXPECT_GT(picture.GetRed(8, 8), 200);
    EXPECT_LT(picture.GetBlue(8, 8), 60);
}
