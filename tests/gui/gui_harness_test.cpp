#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <wx/debug.h>

// The harness turns an assertion into a failure of the running test, instead of an
// assertion dialog that waits for a user who is not there.
TEST(GuiHarness, AWxAssertionFailsTheRunningTest)
{
    EXPECT_NONFATAL_FAILURE(wxFAIL_MSG("seen by the harness"), "seen by the harness");
}
