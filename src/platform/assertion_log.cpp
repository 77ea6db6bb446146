#include "platform/assertion_log.h"

#include <wx/debug.h>
#include <wx/string.h>

#include <cstdio>

namespace glimtags::platform {
namespace {

void writeAssertion(const wxString& file, int line, const wxString& function, const wxString& condition,
                    const wxString& message)
{
    std::fprintf(stderr, "glimtags: internal check failed in %s (%s:%d): %s %s\n", function.utf8_str().data(),
                 file.utf8_str().data(), line, condition.utf8_str().data(), message.utf8_str().data());
}

} // namespace

void logAssertionsInsteadOfDialogs()
{
    wxSetAssertHandler(writeAssertion);
}

} // namespace glimtags::platform
