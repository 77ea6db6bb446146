#pragma once

#include "core/caret_rules.h"
#include "core/name_edit_box.h"
#include "ui/name_box_history.h"

#include <wx/textctrl.h>

#include <functional>

namespace glimtags {

// The name's edit box: one character per byte, the caret kept out of colour codes, and
// every change of the text reported once to the window. It holds the one working copy
// of the name, and no more bytes than a name holds.
class NameBox : public wxTextCtrl, public NameEditBox {
public:
    // Beeps with the sound given.
    NameBox(wxWindow* parent, int id, const wxPoint& position, const wxSize& size,
            std::function<void()> warningSound);

    // Called after every change of the text, whatever made it; told when Undo or Redo
    // made it.
    void onChange(std::function<void(bool undone)> handler) { changeHandler_ = std::move(handler); }
    // Called whenever the preview must show a moved caret or selection.
    void onRepaintRequest(std::function<void()> handler) { repaintHandler_ = std::move(handler); }

    NameText text() const override { return name_; }
    int selectionStart() const override;
    int selectionEnd() const override;
    int caretPosition() const override { return static_cast<int>(GetInsertionPoint()); }
    void setSelection(int anchor, int caret) override;
    void replaceSelection(std::string_view bytes) override;
    void setText(const NameText& text) override;
    void scrollCaretIntoView() override;
    void beep() override;

    // The bytes the box holds now, before the change handling has taken them.
    std::string boxBytes() const;
    // The characters the box shows for the bytes, one for each.
    static wxString displayText(std::string_view bytes);
    BoxState state() const { return {name_, selectionStart(), selectionEnd()}; }

    // Runs the edits of one command (a palette click, a paste) as one Undo step.
    void editAsOneStep(const std::function<void()>& edits);
    // Puts back the name and selection before the last step, or after the next one;
    // false when there is none.
    bool undo();
    bool redo();

private:
    void OnKeyDown(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
    void OnText(wxCommandEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);

    void select(int anchor, int caret);
    void requestRepaint();
    void takeChange(bool undone = false);
    void restore(const BoxState& state);
    // Runs an edit of our own and reports it as one change.
    template <typename Edit>
    void editQuietly(Edit&& edit);

    NameText name_;
    NameBoxHistory history_;
    bool dragging_ = false;
    bool quiet_ = false;
    std::function<void(bool undone)> changeHandler_;
    std::function<void()> repaintHandler_;
    std::function<void()> beep_;
};

} // namespace glimtags
