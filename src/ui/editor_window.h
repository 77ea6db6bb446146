#pragma once

#include "core/app_settings.h"
#include "core/name_script.h"
#include "core/string_check.h"
#include "render/preview_paint.h"
#include "render/preview_view.h"

#include <wx/frame.h>
#include <wx/panel.h>

#include <array>
#include <memory>
#include <string>

class wxGLContext;
class wxMenuBar;
class wxStaticText;
class wxStaticBox;

namespace glimtags {

class ColourSwatch;
class NameBox;
class PreviewCanvas;

// The editor's one window: the name box, the palettes, the live preview, the menus and
// the toolbar, and the commands behind them.
class EditorWindow : public wxFrame, public CheckHost {
public:
    static constexpr int kPreviewWidth = 576;
    static constexpr int kPreviewHeight = 228;

    explicit EditorWindow(SettingsStore& store);
    ~EditorWindow() override;

    // Shows the window and starts the preview scene, which needs the shown surface.
    // Ends the editor at once when start-up asked for that (a new language was chosen).
    void start();

    // CheckHost: the string check works on the name through the window.
    NameText currentName() const override { return preview_.name; }
    void selectRange(int start, int end) override;
    void requestRepaint() override;
    bool askYesNo(std::string_view languageKey) override;
    void replaceName(const NameText& name) override;

    NameBox& nameBox() { return *nameBox_; }
    PreviewCanvas* previewCanvas() { return previewCanvas_; }
    const AppSettings& settings() const { return settings_; }
    bool nameLonger() const { return preview_.nameLonger; }
    bool inGameLimitExceeded() const { return preview_.inGameLimitExceeded; }
    bool previewReady() const { return sceneStarted_; }
    void makePreviewCurrent() const;

private:
    void createControls();
    bool createPreview();
    void createPalette();
    void bindCommands();
    void askFirstRunQuestions();
    void onNameChanged();
    void paintPreview();
    void startScene();
    std::string lookup(std::string_view key) const;
    void showLanguageMessage(std::string_view key);
    void endEditor();

    // Option commands.
    void OnToggle(wxCommandEvent& event);
    void OnCheckString(wxCommandEvent& event);
    void OnSetBackground(wxCommandEvent& event);
    void OnSetLanguage(wxCommandEvent& event);
    void OnGamePath(wxCommandEvent& event);
    void setLanguage();
    void setBackgroundAtStart();
    bool askGamePath(const std::string& initialPath);
    static bool backgroundLoads(const std::string& path);

    // File commands.
    void OnNew(wxCommandEvent& event);
    void OnOpen(wxCommandEvent& event);
    void OnSaveAsUser(wxCommandEvent& event);
    void OnSaveAsHost(wxCommandEvent& event);
    void OnMerge(wxCommandEvent& event);
    void OnExit(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    void saveScript(NameType type);
    // Shows why a name with a double quote is not written; true when it holds one.
    bool refuseQuotedName();
    // The Exit question; true when the editor may end.
    bool mayEnd();

    // Help commands.
    void OnHelpContents(wxCommandEvent& event);
    void OnAbout(wxCommandEvent& event);
    void OnOnlineCentre(wxCommandEvent& event);
    void OnUpdate(wxCommandEvent& event);

    void OnSwatch(wxCommandEvent& event);
    void OnSpecialChar(wxCommandEvent& event);

    SettingsStore& store_;
    AppSettings settings_;
    PreviewState preview_;
    bool quitRequested_ = false;

    wxPanel* panel_ = nullptr;
    wxMenuBar* menuBar_ = nullptr;
    wxStaticText* nameLabel_ = nullptr;
    wxStaticBox* specialCharsGroup_ = nullptr;
    NameBox* nameBox_ = nullptr;
    PreviewCanvas* previewCanvas_ = nullptr;
    std::array<ColourSwatch*, 8> swatches_{};
    std::unique_ptr<wxGLContext> glContext_;
    PreviewView scene_;
    bool sceneStarted_ = false;
};

} // namespace glimtags
