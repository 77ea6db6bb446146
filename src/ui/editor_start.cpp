#include "ui/editor_start.h"

#include "core/app_settings.h"
#include "core/data_files.h"
#include "core/language_table.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "platform/user_folders.h"
#include "ui/editor_window.h"
#include "ui/preview_canvas.h"
#include "ui/settings_questions.h"

#include <optional>
#include <string>
#include <utility>

namespace glimtags {
namespace {

// Even when it cannot be stored, the chosen language serves this run.
void askLanguageOfNewUser(AppSettings& settings, SettingsStore& store)
{
    if (!settings.Language.empty())
        return;
    if (const std::optional<std::string> language = pickLanguageFile(nullptr)) {
        store.writeText(settings_key::Language, *language);
        settings.Language = *language;
    }
}

void askMissingGamePath(AppSettings& settings, SettingsStore& store)
{
    if (!settings.q3Path.empty())
        return;
    // The usual game folder stands in for the missing path for this run only.
    const std::string gameFolder = platform::userGameFolder();
    if (!askGamePath(nullptr, settings, store, gameFolder))
        settings.q3Path = gameFolder;
}

// The stored background, else one chosen in its place, else none when the chooser is
// cancelled; nothing, after the message, when the chosen one does not load either.
std::optional<TgaImage> backgroundAtStart(AppSettings& settings, SettingsStore& store)
{
    if (std::optional<TgaImage> stored = loadPicture(findDataFile(settings.BackGrndImage)))
        return stored;
    const std::optional<std::string> chosen = pickBackgroundFile(nullptr);
    if (!chosen)
        return TgaImage();
    std::optional<TgaImage> picture = loadPicture(*chosen);
    // Only a picture that loads is kept, so that the next start does not meet it again.
    if (!picture) {
        platform::showMessage(nullptr,
                              platform::fromLatin1(LanguageTable(settings.Language).lookup("MESSAGE_INVALIDBKGRND")));
        return std::nullopt;
    }
    storeBackground(settings, store, *chosen);
    return picture;
}

} // namespace

EditorStart startEditor(SettingsStore& store, platform::Desktop desktop)
{
    const std::optional<wxGLAttributes> pixelFormat = PreviewCanvas::choosePixelFormat();
    if (!pixelFormat)
        return {nullptr, EXIT_FAILURE};
    AppSettings settings;
    settings.load(store);
    askLanguageOfNewUser(settings, store);
    // Read once, as the texts of a catalogue are: a file that goes away later changes
    // nothing. The editor cannot run without it; settings are stored the moment they
    // change, so nothing is lost.
    if (const Outcome loaded = loadLanguageFile(settings.Language); !loaded) {
        platform::showMessage(nullptr, platform::fromFileSystem(loaded.error));
        return {nullptr, EXIT_FAILURE};
    }
    askMissingGamePath(settings, store);
    const std::optional<TgaImage> background = backgroundAtStart(settings, store);
    if (!background)
        return {nullptr, EXIT_SUCCESS};
    EditorWindow* window = EditorWindow::create(store, std::move(settings), *pixelFormat, std::move(desktop));
    if (!window)
        return {nullptr, EXIT_FAILURE};
    window->start(*background);
    return {window};
}

} // namespace glimtags
