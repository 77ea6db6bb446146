#pragma once

#include "core/app_settings.h"
#include "core/game_profile.h"
#include "platform/desktop.h"
#include "render/preview_paint.h"
#include "render/tga_image.h"
#include "ui/editor_services.h"

#include <wx/frame.h>

#include <memory>
#include <string>

class wxGLAttributes;
class wxMenuBar;
class wxStaticBox;
class wxStaticText;

namespace glimtags {

class EditCommands;
class FileCommands;
class FontSheets;
class NameBox;
class NameCounts;
class OptionCommands;
class Palette;
class PreviewCanvas;

// The editor's one window: it lays out the name box, the palette and the preview,
// attaches the menus and the toolbar, and wires them to the commands, which it serves.
class EditorWindow : public wxFrame, public UserTalk, public NameDrawing, public OptionEffects {
public:
    // The whole window, not yet shown, with the settings start-up has decided; nothing,
    // after the message, when the preview gets no rendering context.
    static EditorWindow* create(SettingsStore& store, AppSettings settings, const wxGLAttributes& pixelFormat,
                                platform::Desktop desktop);
    ~EditorWindow() override;

    // Shows the window and starts the preview scene, which needs the shown surface.
    void start(const TgaImage& background);

    const AppSettings& settings() const { return settings_; }
    NameBox& nameBox() { return *nameBox_; }
    PreviewCanvas* previewCanvas() { return previewCanvas_; }
    wxMenuBar& menus() { return *menuBar_; }
    // What the preview shows now: the name, its limits, the selection and the options.
    PreviewState previewState() const;
    // Reads the script named at start into the name as File > Open does; false, after a
    // message, when it cannot be read or is no .name or .host script.
    bool openScript(const std::string& path);

private:
    EditorWindow(SettingsStore& store, AppSettings settings, const wxGLAttributes& pixelFormat,
                 platform::Desktop desktop);

    // What it does for its commands.
    LanguageTable language() const override;
    void tell(std::string_view languageKey) override;
    bool ask(std::string_view languageKey) override;
    void showStatus(const wxString& text) override;

    void requestRepaint() override;
    bool mayDrawNamePicture() override;
    RgbaPicture namePicture(PictureLook look) const override;

    void showBackground(const TgaImage& picture) override;
    void applyFont() override;
    void setGame(Game game) override;
    // Nothing while a check runs, whose deletions are changes of the name too.
    void checkName(bool tellCut) override;

    void createControls(const wxGLAttributes& pixelFormat);
    void onNameChanged(bool undone);
    // The sheet the preview draws with: the game's when wanted and usable, else the editor's own.
    const TgaImage& fontSheet() const;

    SettingsStore& store_;
    platform::Desktop desktop_;
    AppSettings settings_;
    std::unique_ptr<FontSheets> fonts_;
    std::unique_ptr<NameCounts> nameCounts_;
    // The game whose rules the editor speaks of (Options > Game, else the game folder's).
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
