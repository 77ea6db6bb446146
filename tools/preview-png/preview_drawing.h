#pragma once

#include "preview_options.h"

#include "render/preview_view.h"

#include <string>
#include <vector>

namespace glimtags::tools {

// The editor's preview of the options' name, drawn offscreen: 8-bit RGB rows, bottom
// row first. On failure the rows are empty and error says why; a font that does not
// load is no failure (the glyphs show as squares) but gives a warning.
struct DrawnPreview {
    std::vector<unsigned char> rgb;
    std::string error;
    std::string warning;
};

DrawnPreview drawPreview(const PreviewOptions& options);

} // namespace glimtags::tools
