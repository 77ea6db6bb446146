#include "core/palette.h"

#include <algorithm>
#include <string>

namespace glimtags {
namespace {

bool fits(int length, std::size_t added)
{
    return static_cast<std::size_t>(length) + added <= NameText::kMaxBytes;
}

// Writes the bytes at the selection start, in front of any selection. Setting the
// text leaves the caret at 0.
void insertAtCaret(NameEditBox& box, std::string_view bytes)
{
    std::string result = box.text().bytes();
    const auto start = std::min(static_cast<std::size_t>(box.selectionStart()), result.size());
    result.insert(start, bytes);
    box.setText(NameText(result));
}

void placeCaret(NameEditBox& box, int position)
{
    position = std::clamp(position, 0, box.text().length());
    box.setSelection(position, position);
    box.scrollCaretIntoView();
}

// The code in force before the position: that of the last caret in front of it.
std::string codeInForceBefore(const NameText& name, int position)
{
    for (int i = position - 1; i >= 0; --i)
        if (startsCode(name, i))
            return colourCode(name.at(i + 1));
    return "^7";
}

struct CodeRemoval {
    int removed = 0;
    int end = 0;
    unsigned char lastCodeByte = 0;
};

// Removes the codes from the selection start through its end; a code that starts at
// the end (right after the selection) goes too, since it is restored afterwards.
// Only codes that begin inside the selection move its end back.
template <typename RemoveCode>
CodeRemoval removeCodes(NameText name, int start, int end, RemoveCode&& removeCode)
{
    CodeRemoval result{0, end, 0};
    for (int j = start; j <= result.end && j < name.length();) {
        if (!startsCode(name, j)) {
            ++j;
            continue;
        }
        result.lastCodeByte = name.at(j + 1);
        std::string bytes = name.bytes();
        bytes.erase(static_cast<std::size_t>(j), 2);
        name = removeCode(j, NameText(bytes));
        ++result.removed;
        result.end = std::max(j, result.end - 2);
    }
    return result;
}

void colourSelection(NameEditBox& box, std::string_view code)
{
    const int start = box.selectionStart();
    const int end = box.selectionEnd();
    const NameText before = box.text();

    // Refuse the whole colouring, not half of it, when the result would not fit.
    const CodeRemoval plan = removeCodes(before, start, end, [](int, NameText shorter) { return shorter; });
    const int shortened = before.length() - 2 * plan.removed;
    const bool restoreAfter = plan.end != shortened;
    if (!fits(shortened, code.size() + (restoreAfter ? 2 : 0))) {
        box.beep();
        return;
    }

    const CodeRemoval removal = removeCodes(before, start, end, [&box](int j, NameText) {
        box.setSelection(j, j + 2);
        box.replaceSelection("");
        return box.text();
    });
    placeCaret(box, removal.end);

    const NameText freed = box.text();
    if (removal.end != freed.length()) {
        const std::string restore =
            removal.removed > 0 ? colourCode(removal.lastCodeByte) : codeInForceBefore(freed, start);
        if (removal.removed > 0)
            box.beep();
        insertAtCaret(box, restore);
    }

    box.setSelection(start, start);
    insertAtCaret(box, code);
    // Behind the coloured text, which holds no code: typing goes on in the new colour.
    placeCaret(box, removal.end + static_cast<int>(code.size()));
}

} // namespace

void insertSpecialByte(NameEditBox& box, unsigned char byte)
{
    if (!fits(box.text().length(), 1)) {
        box.beep();
        return;
    }
    const int start = box.selectionStart();
    insertAtCaret(box, std::string(1, static_cast<char>(byte)));
    placeCaret(box, start + 1);
}

void insertColourCode(NameEditBox& box, std::string_view code)
{
    if (box.selectionStart() < box.selectionEnd()) {
        colourSelection(box, code);
        return;
    }
    if (!fits(box.text().length(), code.size())) {
        box.beep();
        return;
    }
    const int start = box.selectionStart();
    insertAtCaret(box, code);
    placeCaret(box, start + static_cast<int>(code.size()));
}

} // namespace glimtags
