#pragma once

#include "core/name_text.h"

#include <cstdio>
#include <optional>
#include <string>

namespace glimtags::platform {

// What --export-picture asks for: the picture of a name written to a file, without a window.
struct PictureRequest {
    std::string output;     // the system's bytes
    NameText name;
    std::string gameFolder; // from --game; empty for the stored or the usual one
    bool twiceSize = false;
    bool transparent = false;
};

// What the command line asks of the editor.
struct StartRequest {
    // Set when the command line is answered without a window: --help, --version, a mistake.
    std::optional<int> exitStatus;
    // The script to open, as the system's bytes; empty for none.
    std::string script;
    std::optional<PictureRequest> picture;
};

// Reads --help, --version, --export-picture with its options, and the name of one script,
// before wx starts and without a display. The help and the version go to out; a mistake
// (an unknown option or game, a second file, a picture without a name) goes to errors
// with the help. The name to draw is read as UTF-8 text as the name box shows it
// (control pictures for the special glyphs); what is no UTF-8 is taken as the name's bytes.
StartRequest readCommandLine(int argc, char** argv, std::FILE* out, std::FILE* errors);

} // namespace glimtags::platform
