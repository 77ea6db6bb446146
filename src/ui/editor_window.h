#pragma once

#include "core/app_settings.h"
#include "core/game_profile.h"
#include "core/rgba_picture.h"
#include "platform/desktop.h"
#include "render/preview_paint.h"
#include "render/tga_image.h"
#include "ui/name_picture_export.h"

#include <wx/frame.h>

#include <memory>
#include <string>
#include <string_view>

class wxMenuBar;
class wxStaticBox;
class wxStaticText;

namespace glimtags {

class EditCommands;
class FileCommands;
class FontSheets;
class LanguageTable;
class NameBox;
class NameCounts;
class OptionCommands;
class Palette;
class PreviewCanvas;

// The editor's one window: it lays out the name box, the palette and the preview,
// attaches the menus and the toolbar, and wires them to the commands.
class EditorWindow : public wxFrame {
public:
    explicit EditorWindow(SettingsStore& store, platform::Desktop desktop = {});
    ~EditorWindow() override;

    // Shows the window and starts the preview scene, which needs the shown surface.
    // Ends the editor at once when start-up asked for that (a new language was chosen).
    void start();

    AppSettings& settings() { return settings_; }
    SettingsStore& store() { return store_; }
    NameBox& nameBox() { return *nameBox_; }
    PreviewCanvas* previewCanvas() { return previewCanvas_; }
    wxMenuBar& menus() { return *menuBar_; }
    // What the preview shows now: the name, its limits, the selection and the options.
    PreviewState previewState() const;

    LanguageTable language() const;
    void showLanguageMessage(std::string_view key);
    // What a command did, in the status bar.
    void showStatus(const wxString& text);
    // Reads the script named at start into the name as File > Open does; false, after a
    // message, when it cannot be read or is no .name or .host script.
    bool openScript(const std::string& path);
    // A Yes/No question with the language text; true only for Yes.
    bool askLanguageQuestion(std::string_view key);
    void requestRepaint();
    // The string check on the name; nothing while a check runs, whose deletions are
    // changes of the name too. tellCut: say where a server cuts the name.
    void checkName(bool tellCut);
    // The preview's new background; a picture without pixels leaves none.
    void showBackground(const TgaImage& picture);
    // Whether the name can be drawn as a picture; after a beep (no glyph to draw) or a
    // message (no font sheet) when it cannot.
    bool mayDrawNamePicture();
    // The name as the preview draws it: the same font sheet and background.
    RgbaPicture namePicture(PictureLook look) const;
    FontSheets& fonts() { return *fonts_; }
    // The sheet the preview draws with: the game's when wanted and usable, else the editor's own.
    const TgaImage& fontSheet() const;
    Palette& palette() { return *palette_; }
    // The game whose rules the editor speaks of (Options > Game, else the game folder's).
    Game game() const { return game_; }
    // Shows the name, its counts and the server's line by the game's rules.
    void setGame(Game game);
    // Ends the editor: at once while it runs, or instead of showing it while it starts.
    void endEditor();
    bool ending() const { return ending_; }

private:
    void createControls();
    void askFirstRunQuestions();
    void onNameChanged(bool undone);

    SettingsStore& store_;
    platform::Desktop desktop_;
    AppSettings settings_;
    std::unique_ptr<FontSheets> fonts_;
    std::unique_ptr<NameCounts> nameCounts_;
    bool ending_ = false;
    Game game_ = Game::Ioquake3;
    // Whether a server would cut the name last checked, so that the cut is told once.
    bool serverCutsName_ = false;
    bool checking_ = false;
    TgaImage background_;

    wxMenuBar* menuBar_ = nullptr;
    wxStaticText* nameLabel_ = nullptr;
    wxStaticBox* specialCharsGroup_ = nullptr;
    NameBox* nameBox_ = nullptr;
    PreviewCanvas* previewCanvas_ = nullptr;
    std::unique_ptr<Palette> palette_;
    std::unique_ptr<FileCommands> fileCommands_;
    std::unique_ptr<EditCommands> editCommands_;
    std::unique_ptr<OptionCommands> optionCommands_;
};

} // namespace glimtags
