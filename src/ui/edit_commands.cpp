#include "ui/edit_commands.h"

#include "core/app_settings.h"
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
#include "ui/editor_services.h"
#include "ui/name_box.h"
#include "ui/name_box_clipboard.h"

#include <wx/frame.h>

#include <iterator>

namespace glimtags {

EditCommands::EditCommands(wxFrame& frame, UserTalk& talk, NameBox& box, const AppSettings& settings,
                           NameDrawing& drawing, const Game& game)
    : frame_(frame)
    , talk_(talk)
    , box_(box)
    , settings_(settings)
    , drawing_(drawing)
    , game_(game)
{
    const auto bind = [this](auto handler, int id) { frame_.Bind(wxEVT_MENU, handler, this, id); };
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
    frame_.SetAcceleratorTable(wxAcceleratorTable(std::size(keys), keys));
}

void EditCommands::OnUndo(wxCommandEvent&)
{
    if (!box_.undo())
        box_.beep();
}

void EditCommands::OnRedo(wxCommandEvent&)
{
    if (!box_.redo())
        box_.beep();
}

void EditCommands::OnCut(wxCommandEvent&)
{
    cutSelection(box_);
}

void EditCommands::OnCopy(wxCommandEvent&)
{
    copySelection(box_);
}

void EditCommands::OnPaste(wxCommandEvent&)
{
    pasteClipboard(box_);
}

void EditCommands::OnSelectAll(wxCommandEvent&)
{
    box_.setSelection(0, static_cast<int>(box_.boxBytes().size()));
}

void EditCommands::OnCopyCommand(wxCommandEvent& event)
{
    const NameText name = box_.text();
    if (const std::optional<NameRefusal> refusal = scriptLineRefusal(name)) {
        talk_.tell(refusalMessageKey(*refusal));
        return;
    }
    if (!consoleTakesName(name)) {
        talk_.tell(kConsoleRefusalKey);
        return;
    }
    const NameType type = event.GetId() == ids::MenuCopyHostCommand ? NameType::Host : NameType::User;
    if (!platform::copyTextToClipboard(
            platform::fromLatin1(consoleCommand(type, name, settings_.isOn(Toggle::EndColorWhite)))))
        box_.beep();
}

void EditCommands::OnCopyPicture(wxCommandEvent&)
{
    if (!drawing_.mayDrawNamePicture())
        return;
    if (!platform::copyPictureToClipboard(drawing_.namePicture({}))) {
        box_.beep();
        return;
    }
    talk_.showStatus(platform::fromLatin1(talk_.language().lookup("STATUS_PICTURECOPIED")));
}

void EditCommands::OnRemoveCodes(wxCommandEvent&)
{
    const BoxState result = removeColourCodes(box_.text(), box_.selectionStart(), box_.selectionEnd());
    box_.editAsOneStep([&] {
        box_.setText(result.name);
        box_.setSelection(result.selectionStart, result.selectionEnd);
    });
}

void EditCommands::OnRainbow(wxCommandEvent&)
{
    const std::optional<BoxState> result = rainbow(box_.text(), box_.selectionStart(), box_.selectionEnd());
    if (!result) {
        box_.beep();
        return;
    }
    box_.editAsOneStep([&] {
        box_.setText(result->name);
        box_.setSelection(result->selectionStart, result->selectionEnd);
    });
}

void EditCommands::OnRemoveNeedlessCodes(wxCommandEvent&)
{
    const NameText name = box_.text();
    const BoxState result = removeNeedlessCodes(name, box_.selectionStart(), box_.selectionEnd(), game_);
    const int saved = name.length() - result.name.length();
    if (saved == 0) {
        box_.beep();
        return;
    }
    box_.editAsOneStep([&] {
        box_.setText(result.name);
        box_.setSelection(result.selectionStart, result.selectionEnd);
    });
    talk_.showStatus(platform::fromLatin1(formatMessage(talk_.language().lookup("STATUS_NEEDLESSCODES"), {saved})));
}

void EditCommands::OnServerVersion(wxCommandEvent&)
{
    const std::optional<NameText> server = serverNameIfChanged(box_.text(), game_);
    if (!server) {
        box_.beep();
        return;
    }
    box_.editAsOneStep([&] {
        box_.setText(*server);
        box_.setSelection(server->length(), server->length());
    });
}

} // namespace glimtags
