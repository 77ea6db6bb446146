// The search for the game's font sheet with the input as the one pk3 of a game folder;
// a sheet found is decoded as the editor decodes it.
#include "fuzz_check.h"
#include "memory_file.h"

#include "core/pak_order.h"
#include "platform/game_font.h"
#include "render/tga_image.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

namespace {

using glimtags::platform::GameFontSearch;
using Outcome = GameFontSearch::Outcome;
using Pk3Outcome = glimtags::platform::Pk3Lookup::Outcome;

const glimtags::fuzz::MemoryFile* input = nullptr;
std::string folder;
std::string pk3;

} // namespace

// The folder's pak0.pk3 links to the input in memory, so no disk is written per input.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    input = new glimtags::fuzz::MemoryFile;
    std::string pattern = (std::filesystem::temp_directory_path() / "game-font-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        std::abort();
    folder = pattern;
    pk3 = folder + "/pak0.pk3";
    if (::symlink(input->path().c_str(), pk3.c_str()) != 0)
        std::abort();
    std::atexit([] { std::filesystem::remove_all(folder); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    input->replace(data, size);
    const GameFontSearch result = glimtags::platform::findGameFont({folder});
    const std::string entry(glimtags::platform::kGameFontEntry);
    switch (result.outcome) {
    case Outcome::NotFound:
        FUZZ_CHECK(result.reason == "No " + entry + " in " + folder ||
                   result.reason == "No " + entry + " in " + folder + "; not readable as pk3: " + pk3);
        FUZZ_CHECK(result.bytes.empty());
        break;
    case Outcome::Unreadable:
        FUZZ_CHECK(result.reason.starts_with(pk3 + ": ") || result.reason.starts_with(pk3 + " "));
        FUZZ_CHECK(result.bytes.empty());
        break;
    case Outcome::Found: {
        FUZZ_CHECK(result.source.starts_with(pk3 + ": "));
        FUZZ_CHECK(glimtags::isPakEntryFor(result.source.substr(pk3.size() + 2), entry));
        FUZZ_CHECK(result.bytes.size() <= glimtags::platform::kGameFontMaxBytes);
        glimtags::TgaImage sheet;
        if (sheet.decode(result.bytes))
            FUZZ_CHECK(sheet.pixels.size() * 8 == static_cast<std::size_t>(sheet.pixelCount) * sheet.bitsPerPixel);
        else
            FUZZ_CHECK(sheet.pixels.empty());
        break;
    }
    }
    // The archive reader on its own agrees, and a stored entry's bytes stand in the input.
    glimtags::platform::Pk3Reader reader;
    const glimtags::platform::Pk3Lookup lookup = reader.lookUp(pk3, entry, glimtags::platform::kGameFontMaxBytes);
    FUZZ_CHECK((lookup.outcome == Pk3Outcome::Found) == (result.outcome == Outcome::Found));
    FUZZ_CHECK(lookup.bytes == result.bytes);
    if (lookup.outcome == Pk3Outcome::Found) {
        FUZZ_CHECK(lookup.size == lookup.bytes.size());
        if (lookup.method == 0)
            FUZZ_CHECK(std::string_view(reinterpret_cast<const char*>(data), size).find(lookup.bytes) != std::string_view::npos);
    }
    if (lookup.outcome == Pk3Outcome::TooLarge)
        FUZZ_CHECK(lookup.size > glimtags::platform::kGameFontMaxBytes);
    return 0;
}
