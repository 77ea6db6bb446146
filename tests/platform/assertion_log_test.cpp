#include "platform/assertion_log.h"

#include <gtest/gtest.h>
#include <wx/debug.h>

// The program's own faults reach standard error, never a dialog that stops the user.
TEST(AssertionLog, AFailedCheckIsWrittenToStandardError)
{
    const wxAssertHandler_t before = wxSetAssertHandler(nullptr);
    glimtags::platform::logAssertionsInsteadOfDialogs();
    testing::internal::CaptureStderr();
    wxFAIL_MSG("a check that fails on purpose");
    const std::string written = testing::internal::GetCapturedStderr();
    wxSetAssertHandler(before);
    EXPECT_NE(written.find("a check that fails on purpose"), std::string::npos) << written;
}
