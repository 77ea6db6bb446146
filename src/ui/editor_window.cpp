#include "ui/editor_window.h"

#include "core/language_table.h"
#include "dialogs/help_commands.h"
#include "embedded_resources.h"
#include "core/palette.h"
#include "platform/beep.h"
#include "platform/dialog_units.h"
#include "platform/embedded_picture.h"
#include "platform/gl_surface.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "platform/user_folders.h"
#include "render/tga_image.h"
#include "ui/colour_swatch.h"
#include "ui/control_ids.h"
#include "ui/glyph_pictures.h"
#include "ui/menu_bar.h"
#include "ui/name_box.h"
#include "ui/picture_button.h"
#include "ui/preview_canvas.h"

#include <wx/glcanvas.h>
#include <wx/iconbndl.h>
#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace glimtags {
namespace {

using platform::unitSize;
// The layout keeps the proportions of a dialog of 412 x 223 units.
wxPoint units(int x, int y) { return platform::unitPoint(x, y); }

struct Swatch {
    int id;
    unsigned char red, green, blue;
    const char* code;
    int y;
};

constexpr Swatch kSwatches[] = {
    {ids::SwatchBlack, 0, 0, 0, "^0", 49},         {ids::SwatchRed, 255, 0, 0, "^1", 68},
    {ids::SwatchYellow, 255, 255, 0, "^3", 89},    {ids::SwatchGreen, 0, 255, 0, "^2", 108},
    {ids::SwatchCyan, 0, 255, 255, "^5", 129},     {ids::SwatchBlue, 0, 0, 255, "^4", 148},
    {ids::SwatchMagenta, 255, 0, 255, "^6", 169},  {ids::SwatchWhite, 255, 255, 255, "^7", 188},
};

struct SpecialChar {
    unsigned char byte;
    int x;
    int y;
};

// Upper row 1014-1023, lower row 1024-1033, each left to right.
constexpr SpecialChar kSpecialChars[] = {
    {1, 243, 23},  {2, 260, 23},  {3, 276, 23},  {4, 292, 23},  {7, 308, 23},
    {8, 324, 23},  {9, 340, 23},  {18, 356, 23}, {19, 372, 23}, {20, 388, 23},
    {21, 243, 43}, {23, 259, 43}, {24, 275, 43}, {25, 291, 43}, {26, 307, 43},
    {27, 323, 43}, {28, 339, 43}, {29, 355, 43}, {30, 371, 43}, {31, 387, 43},
};

constexpr int kPictureButtonSize = 22;
constexpr int kGlyphPictureSize = 16;

} // namespace

EditorWindow::EditorWindow(SettingsStore& store)
    : wxFrame(nullptr, wxID_ANY, "Quorvant Glimtags Editor v1.7", wxPoint(0, 0), wxDefaultSize,
              wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU)
    , store_(store)
{
    createControls();
    Bind(wxEVT_CLOSE_WINDOW, &EditorWindow::OnCloseWindow, this);
    if (!createPreview())
        return;
    createPalette();
    menuBar_ = createMenuBar();
    SetMenuBar(menuBar_);
    createToolBar(*this);
    // The menu and the toolbar take their room above the controls.
    SetClientSize(unitSize(412, 223));

    settings_.load(store_);
    askFirstRunQuestions();
    setCheckMarks(*menuBar_, settings_);
    nameBox_->onChange([this] { onNameChanged(); });
    nameBox_->onRepaintRequest([this] { requestRepaint(); });
    bindCommands();
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::askFirstRunQuestions()
{
    if (!settings_.Language.empty())
        localiseMenuBar(*menuBar_, *nameLabel_, *specialCharsGroup_, LanguageTable(settings_.Language));
    else
        setLanguage();

    // The game folder stands in for the missing path for this run only.
    if (settings_.q3Path.empty()) {
        const std::string gameFolder = platform::userGameFolder();
        if (!askGamePath(gameFolder))
            settings_.q3Path = gameFolder;
    }
}

void EditorWindow::createControls()
{
    wxIconBundle icons;
    for (const embedded::Resource* png : {&embedded::glimtags_16_png, &embedded::glimtags_32_png,
                                          &embedded::glimtags_48_png}) {
        wxIcon icon;
        icon.CopyFromBitmap(platform::embeddedPicture(*png));
        icons.AddIcon(icon);
    }
    SetIcons(icons);

    panel_ = new wxPanel(this);
    SetClientSize(unitSize(412, 223));
    panel_->SetSize(GetClientSize());

    nameLabel_ = new wxStaticText(panel_, ids::NameLabel, "User/Host Name :", units(23, 25), unitSize(205, 8));
    nameBox_ = new NameBox(panel_, ids::NameBox, units(23, 37), wxSize(unitSize(208, 14).x, -1));
    specialCharsGroup_ =
        new wxStaticBox(panel_, ids::SpecialCharsGroup, "Available Special Chars", units(235, 10), unitSize(172, 48));
    for (const Swatch& swatch : kSwatches)
        swatches_[static_cast<std::size_t>(&swatch - kSwatches)] =
            new ColourSwatch(panel_, swatch.id, units(4, swatch.y), unitSize(16, 16));
    nameBox_->SetFocus();
}

bool EditorWindow::createPreview()
{
    const auto attributes = platform::choosePreviewPixelFormat();
    if (!attributes) {
        platform::showMessage(this, "No se pudo elegir un formato de pixel correcto.");
        return false;
    }
    previewCanvas_ = new PreviewCanvas(panel_, *attributes, units(24, 63), wxSize(kPreviewWidth, kPreviewHeight));
    glContext_ = std::make_unique<wxGLContext>(previewCanvas_);
    if (!glContext_->IsOK()) {
        glContext_.reset();
        platform::showMessage(this, "No se pudo seleccionar el formato de pixel especificado.");
        return false;
    }
    previewCanvas_->onPaint([this] { paintPreview(); });
    return true;
}

void EditorWindow::createPalette()
{
    for (std::size_t i = 0; i < swatches_.size(); ++i)
        swatches_[i]->setColour(wxColour(kSwatches[i].red, kSwatches[i].green, kSwatches[i].blue));
    Bind(wxEVT_BUTTON, &EditorWindow::OnSwatch, this, ids::SwatchBlack, ids::SwatchWhite);

    const GlyphPictures glyphs(kFontFile);
    for (std::size_t i = 0; i < std::size(kSpecialChars); ++i) {
        const SpecialChar& special = kSpecialChars[i];
        new PictureButton(panel_, ids::FirstSpecialCharButton + static_cast<int>(i), units(special.x, special.y),
                          wxSize(kPictureButtonSize, kPictureButtonSize), glyphs.picture(special.byte, kGlyphPictureSize));
    }
    Bind(wxEVT_BUTTON, &EditorWindow::OnSpecialChar, this, ids::FirstSpecialCharButton, ids::LastSpecialCharButton);
}

void EditorWindow::bindCommands()
{
    // A toolbar button runs exactly what its menu twin runs.
    const auto bindBoth = [this](auto handler, int menuId, int toolId) {
        Bind(wxEVT_MENU, handler, this, menuId);
        if (toolId != 0)
            Bind(wxEVT_MENU, handler, this, toolId);
    };
    bindBoth(&EditorWindow::OnNew, ids::MenuNew, ids::ToolNew);
    bindBoth(&EditorWindow::OnOpen, ids::MenuOpen, ids::ToolOpen);
    bindBoth(&EditorWindow::OnMerge, ids::MenuMerge, ids::ToolMerge);
    bindBoth(&EditorWindow::OnSaveAsUser, ids::MenuSaveAsUser, ids::ToolSaveAsUser);
    bindBoth(&EditorWindow::OnSaveAsHost, ids::MenuSaveAsHost, ids::ToolSaveAsHost);
    bindBoth(&EditorWindow::OnExit, ids::MenuExit, ids::ToolExit);
    bindBoth(&EditorWindow::OnCheckString, ids::MenuCheckString, ids::ToolCheckString);
    for (const int toggle : {ids::MenuStripe, ids::MenuTextCursor, ids::MenuCharInfo, ids::MenuLimitGuide,
                             ids::MenuEndsWhite, ids::MenuAutoCheck})
        bindBoth(&EditorWindow::OnToggle, toggle, 0);
    bindBoth(&EditorWindow::OnGamePath, ids::MenuGamePath, 0);
    bindBoth(&EditorWindow::OnSetLanguage, ids::MenuLanguage, 0);
    bindBoth(&EditorWindow::OnSetBackground, ids::MenuSetBackground, 0);
    bindBoth(&EditorWindow::OnHelpContents, ids::MenuContents, 0);
    bindBoth(&EditorWindow::OnAbout, ids::MenuAbout, 0);
    bindBoth(&EditorWindow::OnOnlineCentre, ids::MenuOnlineCentre, 0);
    bindBoth(&EditorWindow::OnUpdate, ids::MenuUpdate, 0);
}

void EditorWindow::OnHelpContents(wxCommandEvent&)
{
    runHelpContents(this, settings_.Language);
}

void EditorWindow::OnAbout(wxCommandEvent&)
{
    runAboutCommand(this, settings_.Language);
}

void EditorWindow::OnOnlineCentre(wxCommandEvent&)
{
    runOnlineCentre();
}

void EditorWindow::OnUpdate(wxCommandEvent&)
{
    runUpdateCommand(this, settings_.Language);
}

void EditorWindow::start()
{
    // A background that cannot be loaded brings up the chooser before the window shows.
    if (glContext_ && !quitRequested_ && !backgroundLoads(settings_.BackGrndImage))
        setBackgroundAtStart();
    if (quitRequested_) {
        endEditor();
        return;
    }
    Show();
    startScene();
    nameBox_->SetFocus();
}

void EditorWindow::startScene()
{
    if (!glContext_)
        return;
    makePreviewCurrent();
    // A background that fails here was chosen away or refused before; the scene runs without it.
    const wxSize size = previewCanvas_->GetClientSize();
    scene_.initScene(size.x, size.y, settings_.BackGrndImage, settings_.Language);
    sceneStarted_ = true;
    requestRepaint();
}

void EditorWindow::endEditor()
{
    quitRequested_ = true;
    Destroy();
}

void EditorWindow::showLanguageMessage(std::string_view key)
{
    platform::showMessage(this, platform::fromLatin1(lookup(key)));
}

std::string EditorWindow::lookup(std::string_view key) const
{
    return LanguageTable(settings_.Language).lookup(key);
}

void EditorWindow::onNameChanged()
{
    // The working copy keeps the first 255 bytes of whatever the box holds.
    const NameText name(nameBox_->boxBytes());
    const PreviewState measured = previewStateFor(name);
    if (measured.nameLonger)
        platform::beep();
    preview_.name = measured.name;
    preview_.nameLonger = measured.nameLonger;
    preview_.inGameLimitExceeded = measured.inGameLimitExceeded;
    nameBox_->setNameCopy(name);
    if (settings_.isOn(Toggle::AutoChecking))
        checkString(*this);
    requestRepaint();
}

void EditorWindow::makePreviewCurrent() const
{
    if (glContext_)
        glContext_->SetCurrent(*previewCanvas_);
}

void EditorWindow::paintPreview()
{
    if (!sceneStarted_)
        return;
    makePreviewCurrent();
    preview_.selectionStart = nameBox_->selectionStart();
    preview_.selectionEnd = nameBox_->selectionEnd();
    preview_.enableStripe = settings_.isOn(Toggle::EnableStripe);
    preview_.enableTextCursor = settings_.isOn(Toggle::EnableTextCursor);
    preview_.inGameLimit = settings_.isOn(Toggle::InGameLimit);
    preview_.charInfo = settings_.isOn(Toggle::CharInfo);
    const wxSize size = previewCanvas_->GetClientSize();
    glimtags::paintPreview(scene_, preview_, size.x, size.y);
    previewCanvas_->SwapBuffers();
}

void EditorWindow::selectRange(int start, int end)
{
    nameBox_->setSelection(start, end);
    nameBox_->scrollCaretIntoView();
}

void EditorWindow::requestRepaint()
{
    if (previewCanvas_)
        previewCanvas_->Refresh(false);
}

bool EditorWindow::askYesNo(std::string_view languageKey)
{
    return platform::askYesNo(this, platform::fromLatin1(lookup(languageKey)));
}

void EditorWindow::replaceName(const NameText& name)
{
    nameBox_->setText(name);
}

void EditorWindow::OnSwatch(wxCommandEvent& event)
{
    for (const Swatch& swatch : kSwatches)
        if (swatch.id == event.GetId())
            insertColourCode(*nameBox_, swatch.code);
}

void EditorWindow::OnSpecialChar(wxCommandEvent& event)
{
    insertSpecialByte(*nameBox_, kSpecialChars[event.GetId() - ids::FirstSpecialCharButton].byte);
}

} // namespace glimtags
