#include "ui/file_commands.h"

#include "core/language_table.h"
#include "core/message_format.h"
#include "dialogs/merge_as_dialog.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/name_files.h"
#include "platform/picture_file.h"
#include "platform/text_encoding.h"
#include "ui/control_ids.h"
#include "ui/editor_window.h"
#include "ui/name_box.h"
#include "ui/recent_files.h"

#include <wx/menu.h>

#include <filesystem>
#include <system_error>

namespace glimtags {
namespace {

constexpr const char* kPictureFilter = "PNG picture|*.png";
constexpr const char* kPictureInitialName = "name.png";

wxString writeFailure(const std::string& path, const std::string& reason)
{
    return "Unable to write the file '" + platform::fromFileSystem(path) + "'!\n" + platform::fromFileSystem(reason);
}

} // namespace

FileCommands::FileCommands(EditorWindow& window)
    : window_(window)
{
    const auto bind = [this](auto handler, int id) { window_.Bind(wxEVT_MENU, handler, this, id); };
    bind(&FileCommands::OnNew, ids::MenuNew);
    bind(&FileCommands::OnOpen, ids::MenuOpen);
    bind(&FileCommands::OnMerge, ids::MenuMerge);
    bind(&FileCommands::OnSaveAsUser, ids::MenuSaveAsUser);
    bind(&FileCommands::OnSaveAsHost, ids::MenuSaveAsHost);
    bind(&FileCommands::OnExit, ids::MenuExit);
    bind(&FileCommands::OnExportPicture, ids::MenuExportPicture);
    window_.Bind(wxEVT_CLOSE_WINDOW, &FileCommands::OnCloseWindow, this);
    window_.Bind(wxEVT_MENU, &FileCommands::OnRecentFile, this, ids::FirstRecentFile,
                 ids::FirstRecentFile + RecentFiles::kCount - 1);
}

FileCommands::~FileCommands() = default;

void FileCommands::showRecentFiles()
{
    recentFiles_ = std::make_unique<RecentFiles>(window_.store(),
                                                 *window_.menus().FindItem(ids::RecentFilesMenu)->GetSubMenu());
}

void FileCommands::OnNew(wxCommandEvent&)
{
    if (window_.nameBox().boxBytes().empty() || !window_.askLanguageQuestion("MESSAGE_NAMEWILLBEDELETED"))
        return;
    window_.nameBox().setText(NameText());
}

void FileCommands::OnOpen(wxCommandEvent&)
{
    const std::optional<std::string> chosen = platform::chooseFileToOpen(
        &window_, {kScriptOpenFilter, window_.settings().q3Path, kScriptInitialFileName});
    if (chosen)
        openScript(*chosen);
}

bool FileCommands::openScript(const std::string& path)
{
    const std::optional<NameType> type = openedScriptType(path);
    if (!type)
        return true;
    const OutcomeOf<NameText> read = readNameScript(path, *type);
    if (read.code == kScriptUnreadable) {
        // The name being edited stays; only the file is refused.
        reportFailure("Unable to open the file '" + platform::fromFileSystem(path) + "'!");
        return false;
    }
    if (read.code == kScriptSetsNoName) {
        reportFailure(platform::textWithPath(
            formatMessage(window_.language().lookup("MESSAGE_SCRIPTSETSNONAME"), {path}), path));
        return true;
    }
    window_.nameBox().setText(withoutWhiteEnding(read.value, window_.settings().isOn(Toggle::EndColorWhite)));
    window_.requestRepaint();
    // A path named on the command line is relative to a folder the next start may not share.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (recentFiles_)
        recentFiles_->add(error ? path : absolute.string());
    return true;
}

void FileCommands::OnRecentFile(wxCommandEvent& event)
{
    const std::string path = recentFiles_->path(event.GetId());
    // A link that loops or a path the system cannot look up is as good as gone.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        reportFailure(
            platform::textWithPath(formatMessage(window_.language().lookup("MESSAGE_RECENTGONE"), {path}), path));
        recentFiles_->remove(path);
        return;
    }
    if (!openScript(path))
        recentFiles_->remove(path);
}

void FileCommands::OnSaveAsUser(wxCommandEvent&)
{
    saveScript(NameType::User);
}

void FileCommands::OnSaveAsHost(wxCommandEvent&)
{
    saveScript(NameType::Host);
}

void FileCommands::saveScript(NameType type)
{
    if (const std::optional<NameRefusal> refusal = scriptLineRefusal(window_.nameBox().text())) {
        reportFailure(platform::fromLatin1(window_.language().lookup(refusalMessageKey(*refusal))));
        return;
    }
    const std::optional<std::string> chosen = platform::chooseFileToSave(
        &window_, {saveFilter(type), window_.settings().q3Path, kScriptInitialFileName});
    if (!chosen)
        return;
    const OutcomeOf<platform::SavedScript> saved = platform::saveNameScript(
        type, *chosen, window_.nameBox().text(), window_.settings().isOn(Toggle::EndColorWhite));
    if (!saved) {
        reportFailure(writeFailure(saved.value.path, saved.error));
        return;
    }
    if (recentFiles_)
        recentFiles_->add(saved.value.path);
    platform::showMessage(&window_,
                          platform::fromLatin1(window_.language().lookup("MESSAGE_SAVEDSUCCESSFULLY")) +
                              platform::fromFileSystem(saved.value.shownName),
                          platform::MessageIcon::Information);
}

void FileCommands::OnMerge(wxCommandEvent&)
{
    // The merge takes a name of any length; a quote would still end its value early.
    if (holdsQuote(window_.nameBox().text())) {
        reportFailure(platform::fromLatin1(window_.language().lookup(refusalMessageKey(NameRefusal::HoldsQuote))));
        return;
    }
    MergeAsDialog dialog(&window_, window_.settings().Language);
    if (dialog.ShowModal() != wxID_OK)
        return;
    const platform::MergeOutcome merged =
        platform::mergeNameIntoGameConfig(window_.settings().q3Path, dialog.nameType(), window_.nameBox().text(),
                                          window_.settings().isOn(Toggle::EndColorWhite));
    if (merged)
        window_.showStatus(platform::fromLatin1(window_.language().lookup("STATUS_MERGED")));
    else if (merged.code == platform::kMergeConfigurationUnreadable)
        reportFailure("Unable to find q3Config.cfg!");
    else if (merged.code == platform::kMergeBackupFailed)
        reportFailure(writeFailure(merged.failedPath, merged.error) + "\nq3config.cfg has been left as it was.");
    else
        reportFailure(writeFailure(merged.failedPath, merged.error));
}

void FileCommands::OnExportPicture(wxCommandEvent&)
{
    if (!window_.mayDrawNamePicture())
        return;
    const LanguageTable language = window_.language();
    const std::string folder = pictureFolder_.empty() ? window_.settings().q3Path : pictureFolder_;
    const std::optional<platform::PictureExportChoice> chosen = platform::choosePictureToExport(
        &window_, {{kPictureFilter, folder, kPictureInitialName}, language.lookup("EXPORT_TWICESIZE"),
                   language.lookup("EXPORT_TRANSPARENT")});
    if (!chosen)
        return;
    const platform::FileWriteResult written =
        platform::savePicturePng(chosen->path, window_.namePicture({chosen->twiceSize, chosen->transparent}));
    if (!written) {
        reportFailure(writeFailure(chosen->path, written.error));
        return;
    }
    pictureFolder_ = std::filesystem::path(chosen->path).parent_path().string();
    window_.showStatus(platform::textWithPath(
        formatMessage(language.lookup("STATUS_PICTUREEXPORTED"), {chosen->path}), chosen->path));
}

void FileCommands::reportFailure(const wxString& message)
{
    // An earlier merge's "updated" would read as this command's outcome.
    window_.showStatus(wxString());
    platform::showMessage(&window_, message);
}

bool FileCommands::mayEnd()
{
    return window_.nameBox().boxBytes().empty() || window_.askLanguageQuestion("MESSAGE_NAMEWILLBELOST");
}

void FileCommands::OnExit(wxCommandEvent&)
{
    if (mayEnd())
        window_.endEditor();
}

void FileCommands::OnCloseWindow(wxCloseEvent& event)
{
    // The window manager's close runs Exit, question included.
    if (event.CanVeto() && !mayEnd()) {
        event.Veto();
        return;
    }
    window_.endEditor();
}

} // namespace glimtags
