// The File menu: New, Open, the two saves, the merge into the game configuration, Exit.
#include "ui/editor_window.h"

#include "core/config_merge.h"
#include "dialogs/merge_as_dialog.h"
#include "platform/file_dialogs.h"
#include "platform/file_writer.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "ui/name_box.h"

#include <filesystem>

namespace glimtags {

namespace {

constexpr const char* kConfigurationFile = "q3config.cfg";
constexpr const char* kConfigurationBackup = "q3config.cfg.bak";

// The filters keep their trailing separator out of the dialog.
constexpr const char* kOpenFilter = "UserName Script File (*.name)|*.name|HostName Script File (*.host)|*.host";

std::string inGameFolder(const std::string& gamePath, const char* file)
{
    return (std::filesystem::path(gamePath) / file).string();
}

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

void EditorWindow::saveScript(NameType type)
{
    if (limitLength(preview_.name) > kSaveLimit) {
        showLanguageMessage("MESSAGE_NAMELONGER");
        return;
    }
    const std::optional<std::string> chosen =
        platform::chooseFileToSave(this, {saveFilter(type), settings_.q3Path, kScriptInitialFileName});
    if (!chosen)
        return;
    const ScriptSavePlan plan = planScriptSave(type, *chosen);
    const platform::FileWriteResult written = platform::writeFileAtomically(
        plan.path, nameScriptBytes(type, preview_.name, settings_.isOn(Toggle::EndColorWhite)));
    if (!written) {
        platform::showMessage(this, writeFailure(plan.path, written.error));
        return;
    }
    platform::showMessage(this,
                          platform::fromLatin1(lookup("MESSAGE_SAVEDSUCCESSFULLY")) +
                              platform::fromFileSystem(plan.shownName),
                          platform::MessageIcon::Information);
}

void EditorWindow::OnMerge(wxCommandEvent&)
{
    MergeAsDialog dialog(this, settings_.Language);
    if (dialog.ShowModal() != wxID_OK)
        return;
    const NameType type = dialog.nameType();
    const std::string text = mergeText(type, preview_.name, settings_.isOn(Toggle::EndColorWhite));

    const std::string configuration = inGameFolder(settings_.q3Path, kConfigurationFile);
    // The backup always holds the configuration as it was just before the latest merge.
    platform::copyFile(configuration, inGameFolder(settings_.q3Path, kConfigurationBackup));
    const std::optional<std::string> bytes = platform::readWholeFile(configuration);
    if (!bytes) {
        platform::showMessage(this, "Unable to find q3Config.cfg!");
        return;
    }
    const platform::FileWriteResult written =
        platform::writeFileAtomically(configuration, mergeIntoConfiguration(*bytes, type, text));
    if (!written)
        platform::showMessage(this, writeFailure(configuration, written.error));
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
