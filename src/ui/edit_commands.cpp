#include "ui/edit_commands.h"

#include "core/colour_effects.h"
#include "core/console_command.h"
#include "core/name_characters.h"
#include "platform/clipboard.h"
#include "platform/text_encoding.h"
#include "ui/control_ids.h"
#include "ui/editor_window.h"
#include "ui/name_box.h"

namespace glimtags {
namespace {

// The bytes of text from elsewhere, by the box's character rule; nothing when a
// character has no single-byte form.
std::optional<std::string> bytesOf(const wxString& text)
{
    std::string bytes;
    for (const wxUniChar character : text) {
        const std::optional<unsigned char> byte = byteForCharacter(character.GetValue());
        if (!byte)
            return std::nullopt;
        bytes.push_back(static_cast<char>(*byte));
    }
    return bytes;
}

} // namespace

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
    bind(&EditCommands::OnRemoveCodes, ids::MenuRemoveCodes);
    bind(&EditCommands::OnRainbow, ids::MenuRainbow);
    const wxAcceleratorEntry redoKey(wxACCEL_CTRL, 'Y', ids::KeyRedo);
    window_.SetAcceleratorTable(wxAcceleratorTable(1, &redoKey));
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

void EditCommands::copySelection()
{
    NameBox& box = window_.nameBox();
    const std::string selected =
        box.boxBytes().substr(static_cast<std::size_t>(box.selectionStart()),
                              static_cast<std::size_t>(box.selectionEnd() - box.selectionStart()));
    platform::copyToClipboard(selected, NameBox::displayText(selected));
}

void EditCommands::OnCut(wxCommandEvent&)
{
    NameBox& box = window_.nameBox();
    if (box.selectionStart() == box.selectionEnd())
        return;
    copySelection();
    box.editAsOneStep([&box] { box.replaceSelection(""); });
}

void EditCommands::OnCopy(wxCommandEvent&)
{
    if (window_.nameBox().selectionStart() != window_.nameBox().selectionEnd())
        copySelection();
}

void EditCommands::OnPaste(wxCommandEvent&)
{
    NameBox& box = window_.nameBox();
    const std::optional<platform::ClipboardContent> content = platform::clipboardContent();
    if (!content)
        return;
    // The editor's own copy keeps every byte; text from elsewhere goes by the box's rule.
    const std::optional<std::string> bytes = content->nameBytes ? content->nameBytes : bytesOf(content->text);
    const std::size_t kept = box.boxBytes().size() - static_cast<std::size_t>(box.selectionEnd() - box.selectionStart());
    if (!bytes || kept + bytes->size() > static_cast<std::size_t>(NameBox::kMaxTypedCharacters)) {
        box.beep();
        return;
    }
    box.editAsOneStep([&] { box.replaceSelection(*bytes); });
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
    const NameType type = event.GetId() == ids::MenuCopyHostCommand ? NameType::Host : NameType::User;
    platform::copyTextToClipboard(
        platform::fromLatin1(consoleCommand(type, name, window_.settings().isOn(Toggle::EndColorWhite))));
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

} // namespace glimtags
