#pragma once

#include <gtest/gtest.h>
#include <wx/filedlg.h>
#include <wx/image.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/window.h>

#include <algorithm>
#include <functional>
#include <string>

namespace glimtags::test {

// Dialogs the test did not expect are cancelled and fail the test, instead of
// waiting for a user who is not there.
class ModalHook : public wxTestingModalHook {
public:
    ModalHook(const char* file, int line, const char* function)
        : wxTestingModalHook(file, line, function)
    {
    }

protected:
    int Enter(wxDialog* dialog) override
    {
        const int result = wxTestingModalHook::Enter(dialog);
        return result == wxID_NONE ? wxID_CANCEL : result;
    }
    void ReportFailure(const wxString& message) override { ADD_FAILURE() << message.utf8_string(); }
};

// Answers a message box and keeps its text and style.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog, ExpectMessage> {
public:
    explicit ExpectMessage(int answer, wxString* text = nullptr, long* style = nullptr)
        : answer_(answer), text_(text), style_(style)
    {
    }

protected:
    int OnInvoked(wxMessageDialog* dialog) const override
    {
        if (text_)
            *text_ = dialog->GetMessage();
        if (style_)
            *style_ = dialog->GetMessageDialogStyle();
        EXPECT_EQ(dialog->GetTitle(), "GLiMTaGS EDiToR");
        return answer_;
    }

private:
    int answer_;
    wxString* text_;
    long* style_;
};

// Lets the event loop run: repaints, deferred calls and input from the simulator.
void runEventsFor(int milliseconds);

// Runs the event loop until the condition holds or the time is up; returns the condition.
bool waitFor(const std::function<bool()>& condition, int milliseconds = 3000);

// How a file dialog was opened.
struct FileDialogSeen {
    wxString directory;
    wxString fileName;
    wxString wildcard;
    // Whether another window was shown while it was open.
    bool otherWindowShown = false;
};

// Answers a file dialog with a path (or cancels it when the path is empty) and keeps
// how it was opened.
class ExpectFileDialog : public wxExpectModalBase<wxFileDialog, ExpectFileDialog> {
public:
    explicit ExpectFileDialog(std::string path, FileDialogSeen* seen = nullptr)
        : path_(std::move(path)), seen_(seen)
    {
    }

protected:
    int OnInvoked(wxFileDialog* dialog) const override
    {
        if (seen_)
            *seen_ = {dialog->GetDirectory(), dialog->GetFilename(), dialog->GetWildcard(),
                      std::any_of(wxTopLevelWindows.begin(), wxTopLevelWindows.end(),
                                  [dialog](wxWindow* window) { return window != dialog && window->IsShown(); })};
        if (path_.empty())
            return wxID_CANCEL;
        dialog->SetPath(wxString::FromUTF8(path_));
        // GTK selects a file in a folder it has not read yet only once it has read the
        // folder; a user sees the dialog after that, an answer given before it is drawn does not.
        EXPECT_TRUE(waitFor([dialog] { return !dialog->GetPath().empty(); })) << path_;
        return wxID_OK;
    }

private:
    std::string path_;
    FileDialogSeen* seen_;
};

// What the X server shows of the window, freshly painted, as a person would see it.
wxImage screenImage(wxWindow* window);

// Every control of the window lies inside its client area at its best size at least,
// and no two overlap.
void expectNothingClipped(wxWindow& window);

// Real input through the X server. Without a window manager the keyboard follows the
// pointer, so a key goes to the window under it.
inline wxPoint centreOf(wxWindow* window)
{
    return wxPoint(window->GetClientSize().x / 2, window->GetClientSize().y / 2);
}
inline void movePointer(wxWindow* window, wxPoint point)
{
    wxUIActionSimulator().MouseMove(window->ClientToScreen(point));
}
inline void clickCentre(wxWindow* window)
{
    movePointer(window, centreOf(window));
    wxUIActionSimulator().MouseClick();
}
inline void pressKeyIn(wxWindow* window, int keyCode)
{
    movePointer(window, centreOf(window));
    wxUIActionSimulator().Char(keyCode);
}

} // namespace glimtags::test

#define GT_TEST_DIALOG(code, ...)                                                                                   \
    {                                                                                                              \
        glimtags::test::ModalHook wx_hook(__FILE__, __LINE__, __func__);                                           \
        wxCALL_FOR_EACH(WX_TEST_IMPL_ADD_EXPECTATION, __VA_ARGS__)                                                 \
        code;                                                                                                      \
        wx_hook.CheckUnmetExpectations();                                                                          \
    }

// Runs the code and fails the test if any dialog comes up.
#define GT_EXPECT_NO_DIALOG(code)                                                                                  \
    {                                                                                                              \
        glimtags::test::ModalHook wx_hook(__FILE__, __LINE__, __func__);                                           \
        code;                                                                                                      \
    }
