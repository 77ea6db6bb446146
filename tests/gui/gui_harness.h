#pragma once

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include <functional>
#include <string>
#include <vector>

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
    ExpectMessage(int answer, wxString* text = nullptr, long* style = nullptr)
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
