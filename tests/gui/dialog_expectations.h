#pragma once

#include "dialogs/folder_browser.h"
#include "dialogs/game_path_dialog.h"
#include "platform/text_encoding.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/testing.h>
#include <wx/textctrl.h>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace glimtags::test {

inline wxTextCtrl& pathField(wxDialog& dialog, int fieldId)
{
    auto* field = wxDynamicCast(dialog.FindWindow(fieldId), wxTextCtrl);
    if (!field)
        throw std::logic_error("the dialog has no path field");
    return *field;
}

// The path field's text as file-system bytes.
inline std::string fieldText(wxDialog& dialog, int fieldId)
{
    return platform::toFileSystem(pathField(dialog, fieldId).GetValue());
}

// Writes the field's text; the dialog hears of the change as of typing.
inline void writeField(wxDialog& dialog, int fieldId, const std::string& text)
{
    pathField(dialog, fieldId).SetValue(platform::fromFileSystem(text));
}

// Presses a button as a click would; a disabled button does nothing, as on the screen.
inline void pressButton(wxDialog& dialog, int id)
{
    auto* button = wxDynamicCast(dialog.FindWindow(id), wxButton);
    ASSERT_NE(button, nullptr) << "no button " << id;
    if (!button->IsEnabled())
        return;
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(button);
    button->ProcessWindowEvent(click);
}

// Presses OK; true when the dialog accepted and closed.
inline bool pressOk(wxDialog& dialog)
{
    pressButton(dialog, wxID_OK);
    return !dialog.IsShown();
}

// Answers one of the two path dialogs. The dialog is shown while the steps run and
// hidden afterwards; the steps' result is what ShowModal gives back (the folder
// browser still says OK only when its own OK accepted a path).
template <class Dialog>
class PathDialogExpectation : public wxExpectModalBase<Dialog, wxExpectModal<Dialog>> {
public:
    using Steps = std::function<int(Dialog&)>;

    explicit PathDialogExpectation(Steps steps)
        : steps_(std::move(steps))
    {
    }

    // wxID_CANCEL presses Cancel. wxID_OK writes `typed` into the path field when one is
    // given and presses OK; a dialog that refuses the path and stays open is then
    // cancelled, as a user would. `opened` receives the field's text as the dialog opened.
    explicit PathDialogExpectation(int button, std::optional<std::string> typed = std::nullopt,
                                   std::string* opened = nullptr)
        : steps_([button, typed, opened](Dialog& dialog) {
            if (opened)
                *opened = fieldText(dialog, Dialog::kPathFieldId);
            if (button != wxID_OK) {
                pressButton(dialog, wxID_CANCEL);
                return wxID_CANCEL;
            }
            if (typed)
                writeField(dialog, Dialog::kPathFieldId, *typed);
            return pressOk(dialog) ? wxID_OK : wxID_CANCEL;
        })
    {
    }

protected:
    int OnInvoked(Dialog* dialog) const override
    {
        dialog->Show();
        const int result = steps_(*dialog);
        dialog->Hide();
        return result;
    }

private:
    Steps steps_;
};

} // namespace glimtags::test

template <>
class wxExpectModal<glimtags::GamePathDialog> : public glimtags::test::PathDialogExpectation<glimtags::GamePathDialog> {
public:
    using PathDialogExpectation::PathDialogExpectation;
};

template <>
class wxExpectModal<glimtags::FolderBrowser> : public glimtags::test::PathDialogExpectation<glimtags::FolderBrowser> {
public:
    using PathDialogExpectation::PathDialogExpectation;
};
