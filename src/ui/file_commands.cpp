#include "ui/file_commands.h"

#include "core/app_settings.h"
#include "core/language_table.h"
#include "core/message_format.h"
#include "dialogs/merge_as_dialog.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/name_files.h"
#include "platform/picture_file.h"
#include "platform/text_encoding.h"
#include "ui/control_ids.h"
#include "ui/editor_services.h"
#include "ui/name_box.h"
#include "ui/recent_files.h"

#include <wx/frame.h>
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

FileCommands::FileCommands(wxFrame& frame, UserTalk& talk, NameBox& box, const AppSettings& settings,
                           SettingsStore& store, NameDrawing& drawing)
    : frame_(frame)
    , talk_(talk)
    , box_(box)
    , settings_(settings)
    , drawing_(drawing)
    , recentFiles_(
          std::make_unique<RecentFiles>(store, *frame.GetMenuBar()->FindItem(ids::RecentFilesMenu)->GetSubMenu()))
{
    const auto bind = [this](auto handler, int id) { frame_.Bind(wxEVT_MENU, handler, this, id); };
    bind(&FileCommands::OnNew, ids::MenuNew);
    bind(&FileCommands::OnOpen, ids::MenuOpen);
    bind(&FileCommands::OnMerge, ids::MenuMerge);
    bind(&FileCommands::OnSaveAsUser, ids::MenuSaveAsUser);
    bind(&FileCommands::OnSaveAsHost, ids::MenuSaveAsHost);
    bind(&FileCommands::OnExit, ids::MenuExit);
    bind(&FileCommands::OnExportPicture, ids::MenuExportPicture);
    frame_.Bind(wxEVT_CLOSE_WINDOW, &FileCommands::OnCloseWindow, this);
    frame_.Bind(wxEVT_MENU, &FileCommands::OnRecentFile, this, ids::FirstRecentFile,
                ids::FirstRecentFile + RecentFiles::kCount - 1);
}

FileCommands::~FileCommands() = default;

void FileCommands::OnNew(wxCommandEvent&)
{
    if (box_.boxBytes().empty() || !talk_.ask("MESSAGE_NAMEWILLBEDELETED"))
        return;
    box_.setText(NameText());
}

void FileCommands::OnOpen(wxCommandEvent&)
{
    const std::optional<std::string> chosen = platform::chooseFileToOpen(
        &frame_, {kScriptOpenFilter, settings_.q3Path, kScriptInitialFileName});
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
            formatMessage(talk_.language().lookup("MESSAGE_SCRIPTSETSNONAME"), {path}), path));
        return true;
    }
    box_.setText(withoutWhiteEnding(read.value, settings_.isOn(Toggle::EndColorWhite)));
    drawing_.requestRepaint();
    // A path named on the command line is relative to a folder the next start may not share.
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
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
            platform::textWithPath(formatMessage(talk_.language().lookup("MESSAGE_RECENTGONE"), {path}), path));
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
    if (const std::optional<NameRefusal> refusal = scriptLineRefusal(box_.text())) {
        reportFailure(platform::fromLatin1(talk_.language().lookup(refusalMessageKey(*refusal))));
        return;
    }
    const std::optional<std::string> chosen = platform::chooseFileToSave(
        &frame_, {saveFilter(type), settings_.q3Path, kScriptInitialFileName});
    if (!chosen)
        return;
    const OutcomeOf<platform::SavedScript> saved =
        platform::saveNameScript(type, *chosen, box_.text(), settings_.isOn(Toggle::EndColorWhite));
    if (!saved) {
        reportFailure(writeFailure(saved.value.path, saved.error));
        return;
    }
    recentFiles_->add(saved.value.path);
    platform::showMessage(&frame_,
                          platform::fromLatin1(talk_.language().lookup("MESSAGE_SAVEDSUCCESSFULLY")) +
                              platform::fromFileSystem(saved.value.shownName),
                          platform::MessageIcon::Information);
}

void FileCommands::OnMerge(wxCommandEvent&)
{
    // The merge takes a name of any length; a quote would still end its value early.
    if (holdsQuote(box_.text())) {
        reportFailure(platform::fromLatin1(talk_.language().lookup(refusalMessageKey(NameRefusal::HoldsQuote))));
        return;
    }
    MergeAsDialog dialog(&frame_, settings_.Language);
    if (dialog.ShowModal() != wxID_OK)
        return;
    const platform::MergeOutcome merged = platform::mergeNameIntoGameConfig(
        settings_.q3Path, dialog.nameType(), box_.text(), settings_.isOn(Toggle::EndColorWhite));
    if (merged)
        talk_.showStatus(platform::fromLatin1(talk_.language().lookup("STATUS_MERGED")));
    else if (merged.code == platform::kMergeConfigurationUnreadable)
        reportFailure("Unable to find q3Config.cfg!");
    else if (merged.code == platform::kMergeBackupFailed)
        reportFailure(writeFailure(merged.failedPath, merged.error) + "\nq3config.cfg has been left as it was.");
    else
        reportFailure(writeFailure(merged.failedPath, merged.error));
}

void FileCommands::OnExportPicture(wxCommandEvent&)
{
    if (!drawing_.mayDrawNamePicture())
        return;
    const LanguageTable language = talk_.language();
    const std::string folder = pictureFolder_.empty() ? settings_.q3Path : pictureFolder_;
    const std::optional<platform::PictureExportChoice> chosen = platform::choosePictureToExport(
        &frame_, {{kPictureFilter, folder, kPictureInitialName}, language.lookup("EXPORT_TWICESIZE"),
                   language.lookup("EXPORT_TRANSPARENT")});
    if (!chosen)
        return;
    const platform::FileWriteResult written =
        platform::savePicturePng(chosen->path, drawing_.namePicture({chosen->twiceSize, chosen->transparent}));
    if (!written) {
        reportFailure(writeFailure(chosen->path, written.error));
        return;
    }
    pictureFolder_ = std::filesystem::path(chosen->path).parent_path().string();
    talk_.showStatus(platform::textWithPath(
        formatMessage(language.lookup("STATUS_PICTUREEXPORTED"), {chosen->path}), chosen->path));
}

void FileCommands::reportFailure(const wxString& message)
{
    // An earlier merge's "updated" would read as this command's outcome.
    talk_.showStatus(wxString());
    platform::showMessage(&frame_, message);
}

bool FileCommands::mayEnd()
{
    return box_.boxBytes().empty() || talk_.ask("MESSAGE_NAMEWILLBELOST");
}

void FileCommands::OnExit(wxCommandEvent&)
{
    if (mayEnd())
        frame_.Destroy();
}

void FileCommands::OnCloseWindow(wxCloseEvent& event)
{
    // The window manager's close runs Exit, question included.
    if (event.CanVeto() && !mayEnd()) {
        event.Veto();
        return;
    }
    frame_.Destroy();
}

} // namespace glimtags
