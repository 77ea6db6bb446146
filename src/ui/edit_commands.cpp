#include "ui/edit_commands.h"

#include "core/colour_effects.h"
#include "core/console_command.h"
#include "core/game_name.h"
#include "core/language_table.h"
#include "core/message_format.h"
#include "core/needless_codes.h"
#include "platform/clipboard.h"
#include "platform/picture_file.h"
#include "platform/text_encoding.h"
#include "ui/control_ids.h"
#include "ui/editor_window.h"
#include "ui/name_box.h"
#include "ui/name_box_clipboard.h"

#include <iterator>

namespace glimtags {

EditCommands::EditCommands(EditorWindow& window)
    : window_(window)
{
    const auto bind = [this](auto handler, int id) { window_.Bind(wxEVT_MENU, handler, this, id); };
    bind(&EditCommands::OnUndo, ids::MenuUndo);
    bind(&EditCommands::OnRedo, ids::MenuRedo);
    bind(&EditCommands::OnRedo, ids::KeyRedo);
    bind(&EditCommands::OnCut, ids::MenuCut);
    bind(&EditCommands::OnCopy, ids::MenuCopy);
    bind(&EditCommands::OnPaste, ids::MenuPaste);
    bind(&EditCommands::OnSelectAll, ids::MenuSelectAll);
    bind(&EditCommands::OnCopyCommand, ids::MenuCopyCommand);
    bind(&EditCommands::OnCopyCommand, ids::MenuCopyHostCommand);
    bind(&EditCommands::OnCopyPicture, ids::MenuCopyPicture);
    bind(&EditCommands::OnRemoveCodes, ids::MenuRemoveCodes);
    bind(&EditCommands::OnRainbow, ids::MenuRainbow);
    bind(&EditCommands::OnRemoveNeedlessCodes, ids::MenuRemoveNeedlessCodes);
    bind(&EditCommands::OnServerVersion, ids::MenuServerVersion);
    const wxAcceleratorEntry keys[] = {{wxACCEL_CTRL, 'Y', ids::KeyRedo}};
    window_.SetAcceleratorTable(wxAcceleratorTable(std::size(keys), keys));
}

void EditCommands::OnUndo(wxCommandEvent&)
{
    if (!window_.nameBox().undo())
        window_.nameBox().beep();
}

void EditCommands::OnRedo(wxCommandEvent&)
{
    if (!window_.nameBox().redo())
        window_.nameBox().beep();
}

void EditCommands::OnCut(wxCommandEvent&)
{
    cutSelection(window_.nameBox());
}

void EditCommands::OnCopy(wxCommandEvent&)
{
    copySelection(window_.nameBox());
}

void EditCommands::OnPaste(wxCommandEvent&)
{
    pasteClipboard(window_.nameBox());
}

void EditCommands::OnSelectAll(wxCommandEvent&)
{
    window_.nameBox().setSelection(0, static_cast<int>(window_.nameBox().boxBytes().size()));
}

void EditCommands::OnCopyCommand(wxCommandEvent& event)
{
    const NameText name = window_.nameBox().text();
    if (const std::optional<NameRefusal> refusal = scriptLineRefusal(name)) {
        window_.showLanguageMessage(refusalMessageKey(*refusal));
        return;
    }
    if (!consoleTakesName(name)) {
        window_.showLanguageMessage(kConsoleRefusalKey);
        return;
    }
    const NameType type = event.GetId() == ids::MenuCopyHostCommand ? NameType::Host : NameType::User;
    platform::copyTextToClipboard(
        platform::fromLatin1(consoleCommand(type, name, window_.settings().isOn(Toggle::EndColorWhite))));
}

void EditCommands::OnCopyPicture(wxCommandEvent&)
{
    if (!window_.mayDrawNamePicture())
        return;
    if (!platform::copyPictureToClipboard(window_.namePicture({}))) {
        window_.nameBox().beep();
        return;
    }
    window_.showStatus(platform::fromLatin1(window_.language().lookup("STATUS_PICTURECOPIED")));
}

void EditCommands::OnRemoveCodes(wxCommandEvent&)
{
    NameBox& box = window_.nameBox();
    const BoxState result = removeColourCodes(box.text(), box.selectionStart(), box.selectionEnd());
    box.editAsOneStep([&] {
        box.setText(result.name);
        box.setSelection(result.selectionStart, result.selectionEnd);
    });
}

void EditCommands::OnRainbow(wxCommandEvent&)
{
    NameBox& box = window_.nameBox();
    const std::optional<BoxState> result = rainbow(box.text(), box.selectionStart(), box.selectionEnd());
    if (!result) {
        box.beep();
        return;
    }
    box.editAsOneStep([&] {
        box.setText(result->name);
        box.setSelection(result->selectionStart, result->selectionEnd);
    });
}

void EditCommands::OnRemoveNeedlessCodes(wxCommandEvent&)
{
    NameBox& box = window_.nameBox();
    const NameText name = box.text();
    const BoxState result = removeNeedlessCodes(name, box.selectionStart(), box.selectionEnd(), window_.game());
    const int saved = name.length() - result.name.length();
    if (saved == 0) {
        box.beep();
        return;
    }
    box.editAsOneStep([&] {
        box.setText(result.name);
        box.setSelection(result.selectionStart, result.selectionEnd);
    });
    window_.showStatus(platform::fromLatin1(formatMessage(window_.language().lookup("STATUS_NEEDLESSCODES"), {saved})));
}

void EditCommands::OnServerVersion(wxCommandEvent&)
{
    NameBox& box = window_.nameBox();
    const std::optional<NameText> server = serverNameIfChanged(box.text(), window_.game());
    if (!server) {
        box.beep();
        return;
    }
    box.editAsOneStep([&] {
        box.setText(*server);
        box.setSelection(server->length(), server->length());
    });
}

} // namespace glimtags
