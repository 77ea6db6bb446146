#include "ui/name_box.h"

#include "core/name_characters.h"
#include "ui/name_box_clipboard.h"

#include <utility>

namespace glimtags {
namespace {

BoxEvent boxEventForKey(int keyCode)
{
    switch (keyCode) {
    case WXK_RIGHT: case WXK_NUMPAD_RIGHT: return BoxEvent::Right;
    case WXK_LEFT: case WXK_NUMPAD_LEFT: return BoxEvent::Left;
    case WXK_UP: case WXK_NUMPAD_UP: return BoxEvent::Up;
    case WXK_DOWN: case WXK_NUMPAD_DOWN: return BoxEvent::Down;
    case WXK_HOME: case WXK_NUMPAD_HOME: return BoxEvent::Home;
    case WXK_END: case WXK_NUMPAD_END: return BoxEvent::End;
    case WXK_DELETE: case WXK_NUMPAD_DELETE: return BoxEvent::Delete;
    case WXK_BACK: return BoxEvent::Backspace;
    default: return BoxEvent::OtherKey;
    }
}

} // namespace

NameBox::NameBox(wxWindow* parent, int id, const wxPoint& position, const wxSize& size,
                 std::function<void()> warningSound)
    : wxTextCtrl(parent, id, wxString(), position, size, wxBORDER_SUNKEN)
    , beep_(std::move(warningSound))
{
    SetMaxLength(NameText::kMaxBytes);
    Bind(wxEVT_KEY_DOWN, &NameBox::OnKeyDown, this);
    Bind(wxEVT_CHAR, &NameBox::OnChar, this);
    Bind(wxEVT_TEXT, &NameBox::OnText, this);
    // A paste or a key that would pass the box's limit inserts nothing; say so.
    Bind(wxEVT_TEXT_MAXLEN, [this](wxCommandEvent&) { beep(); });
    // The keys and the context menu use the Edit menu's clipboard, not the box's own.
    Bind(wxEVT_TEXT_COPY, [this](wxClipboardTextEvent&) { copySelection(*this); });
    Bind(wxEVT_TEXT_CUT, [this](wxClipboardTextEvent&) { cutSelection(*this); });
    Bind(wxEVT_TEXT_PASTE, [this](wxClipboardTextEvent&) { pasteClipboard(*this); });
    Bind(wxEVT_LEFT_DOWN, &NameBox::OnLeftDown, this);
    Bind(wxEVT_MOTION, &NameBox::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &NameBox::OnLeftUp, this);
}

int NameBox::selectionStart() const
{
    long from = 0;
    long to = 0;
    GetSelection(&from, &to);
    return static_cast<int>(from);
}

int NameBox::selectionEnd() const
{
    long from = 0;
    long to = 0;
    GetSelection(&from, &to);
    return static_cast<int>(to);
}

void NameBox::setSelection(int anchor, int caret)
{
    select(anchor, caret);
    history_.noteState(state(), true);
}

void NameBox::select(int anchor, int caret)
{
    // wxGTK puts the caret at the first position it is given.
    SetSelection(caret, anchor);
}

void NameBox::editAsOneStep(const std::function<void()>& edits)
{
    history_.noteState(state(), false);
    history_.beginStep();
    edits();
    history_.endStep(state());
}

bool NameBox::undo()
{
    const std::optional<BoxState> state = history_.undo();
    if (state)
        restore(*state);
    return state.has_value();
}

bool NameBox::redo()
{
    const std::optional<BoxState> state = history_.redo();
    if (state)
        restore(*state);
    return state.has_value();
}

void NameBox::restore(const BoxState& state)
{
    ChangeValue(displayText(state.name.bytes()));
    select(state.selectionStart, state.selectionEnd);
    takeChange(true);
}

template <typename Edit>
void NameBox::editQuietly(Edit&& edit)
{
    quiet_ = true;
    edit();
    quiet_ = false;
    takeChange();
}

void NameBox::replaceSelection(std::string_view bytes)
{
    editQuietly([&] {
        const long start = selectionStart();
        Replace(start, selectionEnd(), displayText(bytes));
        SetInsertionPoint(start + static_cast<long>(bytes.size()));
    });
}

void NameBox::setText(const NameText& text)
{
    editQuietly([&] {
        ChangeValue(displayText(text.bytes()));
        SetInsertionPoint(0);
    });
}

void NameBox::scrollCaretIntoView()
{
    // GTK scrolls an entry to its caret whenever a selection is set, while showing a
    // position would drop the selection, and with it the bytes a question is about.
    const int caret = caretPosition();
    select(caret == selectionStart() ? selectionEnd() : selectionStart(), caret);
}

void NameBox::beep()
{
    beep_();
}

wxString NameBox::displayText(std::string_view bytes)
{
    wxString text;
    for (const char byte : bytes)
        text += wxUniChar(static_cast<wxUint32>(displayCharacter(static_cast<unsigned char>(byte))));
    return text;
}

std::string NameBox::boxBytes() const
{
    std::string bytes;
    for (const wxUniChar character : GetValue())
        if (const auto byte = byteForCharacter(character.GetValue()))
            bytes.push_back(static_cast<char>(*byte));
    return bytes;
}

void NameBox::requestRepaint()
{
    if (repaintHandler_)
        repaintHandler_();
}

void NameBox::takeChange(bool undone)
{
    name_ = NameText(boxBytes());
    if (!undone)
        history_.changed(state());
    if (changeHandler_)
        changeHandler_(undone);
}

void NameBox::OnKeyDown(wxKeyEvent& event)
{
    // The box is the window's only control that takes the keyboard: Tab stays here.
    if (event.GetKeyCode() == WXK_TAB)
        return;
    const BoxEvent boxEvent = boxEventForKey(event.GetKeyCode());
    history_.noteState(state(), boxEvent != BoxEvent::OtherKey);
    const NameText before = name_;
    const CaretRuleResult result = applyCaretRule(*this, boxEvent, event.ShiftDown(), dragging_);
    // Delete and Backspace take a whole code in two deletions: one step.
    if (name_ != before)
        history_.expectJoin();
    if (result.repaint)
        requestRepaint();
    if (!result.handled)
        event.Skip();
}

void NameBox::OnChar(wxKeyEvent& event)
{
    const wxChar32 character = event.GetUnicodeKey();
    if (character != WXK_NONE && character >= 32 && character != WXK_DELETE && !byteForCharacter(character)) {
        beep();
        return;
    }
    if (character != WXK_NONE && character >= 32 && character != WXK_DELETE)
        history_.expectTyping();
    event.Skip();
}

void NameBox::OnText(wxCommandEvent&)
{
    if (quiet_)
        return;
    // Text dropped or pasted with the middle button may hold characters with no
    // single-byte form: they are left out.
    const std::string bytes = boxBytes();
    if (static_cast<std::size_t>(GetValue().length()) != bytes.size()) {
        const long caret = GetInsertionPoint();
        beep();
        ChangeValue(displayText(bytes));
        SetInsertionPoint(std::min<long>(caret, static_cast<long>(bytes.size())));
    }
    takeChange();
}

void NameBox::OnLeftDown(wxMouseEvent& event)
{
    dragging_ = true;
    requestRepaint();
    event.Skip();
}

void NameBox::OnMotion(wxMouseEvent& event)
{
    if (applyCaretRule(*this, BoxEvent::MouseMove, false, dragging_).repaint)
        requestRepaint();
    event.Skip();
}

void NameBox::OnLeftUp(wxMouseEvent& event)
{
    event.Skip();
    // After the box has placed the caret for the click.
    CallAfter([this] {
        applyCaretRule(*this, BoxEvent::ButtonUp, false, dragging_);
        dragging_ = false;
        history_.noteState(state(), true);
        requestRepaint();
    });
}

} // namespace glimtags
