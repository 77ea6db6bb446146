#include "ui/editor_window.h"

#include "core/game_glyphs.h"
#include "core/data_files.h"
#include "core/game_name.h"
#include "core/language_table.h"
#include "core/message_format.h"
#include "core/name_script.h"
#include "core/preview_labels.h"
#include "core/string_check.h"
#include "core/version.h"
#include "platform/dialog_units.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "render/preview_view.h"
#include "ui/app_icons.h"
#include "ui/control_ids.h"
#include "ui/edit_commands.h"
#include "ui/file_commands.h"
#include "ui/font_sheets.h"
#include "ui/lazy_status_bar.h"
#include "ui/menu_bar.h"
#include "ui/name_box.h"
#include "ui/name_check.h"
#include "ui/name_counts.h"
#include "ui/option_commands.h"
#include "ui/palette.h"
#include "ui/preview_canvas.h"

#include <wx/panel.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include <utility>

namespace glimtags {

using platform::unitPoint;
using platform::unitSize;

EditorWindow* EditorWindow::create(SettingsStore& store, AppSettings settings, const wxGLAttributes& pixelFormat,
                                   platform::Desktop desktop)
{
    auto* window = new EditorWindow(store, std::move(settings), pixelFormat, std::move(desktop));
    if (window->previewCanvas_->createContext())
        return window;
    window->Destroy();
    return nullptr;
}

EditorWindow::EditorWindow(SettingsStore& store, AppSettings settings, const wxGLAttributes& pixelFormat,
                           platform::Desktop desktop)
    : wxFrame(nullptr, wxID_ANY, "Quorvant Glimtags Editor v" GLIMTAGS_VERSION, wxPoint(0, 0), wxDefaultSize,
              wxCAPTION | wxCLOSE_BOX | wxSYSTEM_MENU)
    , store_(store)
    , desktop_(std::move(desktop))
    , settings_(std::move(settings))
{
    SetIcons(applicationIcons());
    fonts_ = std::make_unique<FontSheets>(findDataFile("Font.TGA"));
    createControls(pixelFormat);
    menuBar_ = createMenuBar();
    SetMenuBar(menuBar_);
    createToolBar(*this);
    SetStatusBar(new LazyStatusBar(this, 2));
    // The menu items carry no help texts; wx would show its English ones for the stock items.
    SetStatusBarPane(-1);
    // The menu, the toolbar and the status bar take their room around the controls.
    SetClientSize(unitSize(412, 223));
    if (!settings_.Language.empty())
        localiseMenuBar(*this, *nameLabel_, *specialCharsGroup_, language());
    setCheckMarks(*menuBar_, settings_);
    nameCounts_ = std::make_unique<NameCounts>(language());

    fileCommands_ = std::make_unique<FileCommands>(*this, *this, *nameBox_, settings_, store_, *this);
    editCommands_ = std::make_unique<EditCommands>(*this, *this, *nameBox_, settings_, *this, game_);
    optionCommands_ = std::make_unique<OptionCommands>(*this, *this, settings_, store_, *fonts_, *this, *this);
    optionCommands_->findGameFont();
    optionCommands_->applyGame();
    bindHelpMenu(*this, settings_.Language, desktop_);
    previewCanvas_->onPaint([this] { return previewState(); });
    nameBox_->onChange([this](bool undone) { onNameChanged(undone); });
    nameBox_->onRepaintRequest([this] { requestRepaint(); });
}

EditorWindow::~EditorWindow() = default;

void EditorWindow::createControls(const wxGLAttributes& pixelFormat)
{
    auto* panel = new wxPanel(this);
    SetClientSize(unitSize(412, 223));
    panel->SetSize(GetClientSize());
    nameLabel_ = new wxStaticText(panel, ids::NameLabel, "User/Host Name :", unitPoint(23, 25), unitSize(205, 8));
    nameBox_ = new NameBox(panel, ids::NameBox, unitPoint(23, 37), wxSize(unitSize(208, 14).x, -1), desktop_.beep);
    specialCharsGroup_ = new wxStaticBox(panel, ids::SpecialCharsGroup, "Available Special Chars", unitPoint(235, 10),
                                         unitSize(172, 48));
    nameBox_->SetFocus();
    previewCanvas_ = new PreviewCanvas(panel, pixelFormat, unitPoint(24, 63), wxSize(kPreviewWidth, kPreviewHeight));
    palette_ = std::make_unique<Palette>(panel, *nameBox_, fonts_->sheet(false));
}

bool EditorWindow::openScript(const std::string& path)
{
    // A file of another kind, as a desktop's "Open With" may pass, is refused with a word.
    if (!openedScriptType(path)) {
        platform::showMessage(
            this, platform::textWithPath(formatMessage(language().lookup("MESSAGE_NOTASCRIPT"), {path}), path));
        return false;
    }
    return fileCommands_->openScript(path);
}

void EditorWindow::showStatus(const wxString& text)
{
    SetStatusText(text, 0);
}

void EditorWindow::start(const TgaImage& background)
{
    Show();
    previewCanvas_->startScene(fontSheet(), previewLabels(language()));
    showBackground(background);
    nameBox_->SetFocus();
    // Names can still be edited without the glyphs, which the preview then draws as blocks.
    if (!fonts_->ownSheetUsable())
        platform::showMessage(this, platform::fromLatin1(language().lookup("MESSAGE_FONTUNUSABLE")) + "\n" +
                                        platform::fromFileSystem(fonts_->ownSheetProblem()));
}

void EditorWindow::showBackground(const TgaImage& picture)
{
    background_ = picture;
    previewCanvas_->setBackground(picture);
}

const TgaImage& EditorWindow::fontSheet() const
{
    return fonts_->sheet(settings_.isOn(Toggle::UseGameFont));
}

bool EditorWindow::mayDrawNamePicture()
{
    if (gameGlyphCount(nameBox_->text()) == 0) {
        nameBox_->beep();
        return false;
    }
    if (fontSheet().pixels.empty()) {
        platform::showMessage(this, platform::fromLatin1(language().lookup("MESSAGE_NOPICTUREFONT")) + "\n" +
                                        platform::fromFileSystem(fonts_->ownSheetProblem()));
        return false;
    }
    return true;
}

RgbaPicture EditorWindow::namePicture(PictureLook look) const
{
    return pictureOfName(nameBox_->text(), fontSheet(), background_, look);
}

PreviewState EditorWindow::previewState() const
{
    PreviewState state = previewStateFor(nameBox_->text());
    state.selectionStart = nameBox_->selectionStart();
    state.selectionEnd = nameBox_->selectionEnd();
    state.enableStripe = settings_.isOn(Toggle::EnableStripe);
    state.enableTextCursor = settings_.isOn(Toggle::EnableTextCursor);
    state.inGameLimit = settings_.isOn(Toggle::InGameLimit);
    state.charInfo = settings_.isOn(Toggle::CharInfo);
    if (settings_.isOn(Toggle::ShowInGameName))
        state.serverName = serverNameIfChanged(state.name, game_);
    return state;
}

LanguageTable EditorWindow::language() const
{
    return LanguageTable(settings_.Language);
}

void EditorWindow::tell(std::string_view languageKey)
{
    platform::showMessage(this, platform::fromLatin1(language().lookup(languageKey)));
}

bool EditorWindow::ask(std::string_view languageKey)
{
    return platform::askYesNo(this, platform::fromLatin1(language().lookup(languageKey)));
}

void EditorWindow::requestRepaint()
{
    previewCanvas_->requestRepaint();
}

void EditorWindow::applyFont()
{
    const TgaImage& sheet = fontSheet();
    palette_->setGlyphs(sheet);
    if (previewCanvas_->sceneStarted())
        previewCanvas_->setFont(sheet);
}

void EditorWindow::setGame(Game game)
{
    game_ = game;
    serverCutsName_ = serverCut(nameBox_->text(), game_).has_value();
    nameCounts_->show(*this, nameBox_->text(), game_);
    requestRepaint();
}

void EditorWindow::onNameChanged(bool undone)
{
    nameCounts_->show(*this, nameBox_->text(), game_);
    if (!fitsSaveLimit(nameBox_->text()))
        nameBox_->beep();
    // A server's cut is told when the name first reaches it, not on every later key.
    const bool cut = serverCut(nameBox_->text(), game_).has_value();
    const bool newlyCut = cut && !serverCutsName_;
    serverCutsName_ = cut;
    // Undoing a deletion of the check would only bring its question back.
    if (!undone && settings_.isOn(Toggle::AutoChecking))
        checkName(newlyCut);
    requestRepaint();
}

void EditorWindow::checkName(bool tellCut)
{
    if (checking_)
        return;
    checking_ = true;
    NameCheck check(*nameBox_, *this, *this);
    checkString(check, {settings_.isOn(Toggle::CheckGameRules), tellCut, game_});
    checking_ = false;
}

} // namespace glimtags
