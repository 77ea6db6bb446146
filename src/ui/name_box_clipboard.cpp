#include "ui/name_box_clipboard.h"

#include "core/name_characters.h"
#include "platform/clipboard.h"
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

bool putSelectionOnClipboard(const NameBox& box)
{
    const std::string selected =
        box.boxBytes().substr(static_cast<std::size_t>(box.selectionStart()),
                              static_cast<std::size_t>(box.selectionEnd() - box.selectionStart()));
    return platform::copyToClipboard(selected, NameBox::displayText(selected));
}

} // namespace

void copySelection(NameBox& box)
{
    if (box.selectionStart() != box.selectionEnd() && !putSelectionOnClipboard(box))
        box.beep();
}

void cutSelection(NameBox& box)
{
    if (box.selectionStart() == box.selectionEnd())
        return;
    // Text that did not reach the clipboard would be lost.
    if (putSelectionOnClipboard(box))
        box.editAsOneStep([&box] { box.replaceSelection(""); });
    else
        box.beep();
}

void pasteClipboard(NameBox& box)
{
    const std::optional<platform::ClipboardContent> content = platform::clipboardContent();
    if (!content)
        return;
    // The editor's own copy keeps every byte.
    const std::optional<std::string> bytes = content->nameBytes ? content->nameBytes : bytesOf(content->text);
    const std::size_t kept = box.boxBytes().size() - static_cast<std::size_t>(box.selectionEnd() - box.selectionStart());
    if (!bytes || kept + bytes->size() > NameText::kMaxBytes) {
        box.beep();
        return;
    }
    box.editAsOneStep([&] { box.replaceSelection(*bytes); });
}

} // namespace glimtags
