// The File menu: New, Open, the two saves, the merge into the game configuration, Exit.
#include "ui/editor_window.h"

#include "dialogs/merge_as_dialog.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/name_files.h"
#include "platform/text_encoding.h"
#include "ui/name_box.h"


namespace glimtags {

namespace {

// The filters keep their trailing separator out of the dialog.
constexpr const char* kOpenFilter = "UserName Script File (*.name)|*.name|HostName Script File (*.host)|*.host";

wxString writeFailure(const std::string& path, const std::string& reason)
{
    return "Unable to write the file '" + platform::fromFileSystem(path) + "'!\n" + platform::fromFileSystem(reason);
}

} // namespace

void EditorWindow::OnNew(wxCommandEvent&)
{
    if (nameBox_->boxBytes().empty() || !askYesNo("MESSAGE_NAMEWILLBEDELETED"))
        return;
    replaceName(NameText());
}

void EditorWindow::OnOpen(wxCommandEvent&)
{
    const std::optional<std::string> chosen =
        platform::chooseFileToOpen(this, {kOpenFilter, settings_.q3Path, kScriptInitialFileName});
    if (!chosen)
        return;
    const std::optional<NameType> type = openedScriptType(*chosen);
    if (!type)
        return;
    const std::optional<NameText> name = readNameScript(*chosen, *type);
    if (!name) {
        // The name being edited stays; only the file is refused.
        platform::showMessage(this, "Unable to open the file '" + platform::fromFileSystem(*chosen) + "'!");
        return;
    }
    replaceName(*name);
    requestRepaint();
}

void EditorWindow::OnSaveAsUser(wxCommandEvent&)
{
    saveScript(NameType::User);
}

void EditorWindow::OnSaveAsHost(wxCommandEvent&)
{
    saveScript(NameType::Host);
}

bool EditorWindow::refuseQuotedName()
{
    if (!holdsQuote(preview_.name))
        return false;
    showLanguageMessage("MESSAGE_NAMEHOLDSQUOTE");
    return true;
}

void EditorWindow::saveScript(NameType type)
{
    if (limitLength(preview_.name) > kSaveLimit) {
        showLanguageMessage("MESSAGE_NAMELONGER");
        return;
    }
    if (refuseQuotedName())
        return;
    const std::optional<std::string> chosen =
        platform::chooseFileToSave(this, {saveFilter(type), settings_.q3Path, kScriptInitialFileName});
    if (!chosen)
        return;
    const platform::ScriptSaveResult saved =
        platform::saveNameScript(type, *chosen, preview_.name, settings_.isOn(Toggle::EndColorWhite));
    if (!saved.written) {
        platform::showMessage(this, writeFailure(saved.path, saved.written.error));
        return;
    }
    platform::showMessage(this,
                          platform::fromLatin1(lookup("MESSAGE_SAVEDSUCCESSFULLY")) +
                              platform::fromFileSystem(saved.shownName),
                          platform::MessageIcon::Information);
}

void EditorWindow::OnMerge(wxCommandEvent&)
{
    if (refuseQuotedName())
        return;
    MergeAsDialog dialog(this, settings_.Language);
    if (dialog.ShowModal() != wxID_OK)
        return;
    const platform::MergeResult result = platform::mergeNameIntoGameConfig(
        settings_.q3Path, dialog.nameType(), preview_.name, settings_.isOn(Toggle::EndColorWhite));
    switch (result.outcome) {
    case platform::MergeOutcome::Merged:
        break;
    case platform::MergeOutcome::ConfigurationUnreadable:
        platform::showMessage(this, "Unable to find q3Config.cfg!");
        break;
    case platform::MergeOutcome::BackupFailed:
        platform::showMessage(this, writeFailure(result.failedPath, result.error) +
                                        "\nq3config.cfg has been left as it was.");
        break;
    case platform::MergeOutcome::WriteFailed:
        platform::showMessage(this, writeFailure(result.failedPath, result.error));
        break;
    }
}

bool EditorWindow::mayEnd()
{
    return nameBox_->boxBytes().empty() || askYesNo("MESSAGE_NAMEWILLBELOST");
}

void EditorWindow::OnExit(wxCommandEvent&)
{
    if (mayEnd())
        endEditor();
}

void EditorWindow::OnCloseWindow(wxCloseEvent& event)
{
    // The window manager's close runs Exit, question included.
    if (event.CanVeto() && !mayEnd()) {
        event.Veto();
        return;
    }
    endEditor();
}

} // namespace glimtags
