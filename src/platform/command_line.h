#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace glimtags::platform {

// What the command line asks of the editor.
struct StartRequest {
    // Set when the command line is answered without a window: --help, --version, a mistake.
    std::optional<int> exitStatus;
    // The script to open, as the system's bytes; empty for none.
    std::string script;
};

// Reads --help, --version and the name of one script, before wx starts and without a
// display. The help and the version go to out; a mistake (an unknown option, a second
// file) goes to errors with the help.
StartRequest readCommandLine(int argc, char** argv, std::FILE* out, std::FILE* errors);

} // namespace glimtags::platform
