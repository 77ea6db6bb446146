// Developer tool: draws the editor's preview of a name offscreen and writes it as a PNG.

#include "png_file.h"
#include "preview_drawing.h"
#include "preview_options.h"

#include "core/language_table.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

int fail(const std::string& message)
{
    std::fprintf(stderr, "preview-png: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const auto parsed = glimtags::tools::parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* error = std::get_if<glimtags::tools::UsageError>(&parsed)) {
        std::fprintf(stderr, "preview-png: %s\n%s", error->message.c_str(), glimtags::tools::kUsage);
        return 2;
    }
    const auto& options = std::get<glimtags::tools::PreviewOptions>(parsed);
    // Read once, as the editor reads it: its texts then come from what was read.
    if (const glimtags::Outcome loaded = glimtags::loadLanguageFile(options.language); !loaded)
        return fail(loaded.error);

    const glimtags::tools::DrawnPreview drawn = glimtags::tools::drawPreview(options);
    if (!drawn.warning.empty())
        std::fprintf(stderr, "preview-png: warning: %s\n", drawn.warning.c_str());
    if (!drawn.error.empty())
        return fail(drawn.error);
    const std::string error =
        glimtags::tools::writePng(options.out, glimtags::kPreviewWidth, glimtags::kPreviewHeight, drawn.rgb);
    if (!error.empty())
        return fail("cannot write " + options.out + ": " + error);
    return 0;
}
