#include "platform/game_font.h"

#include "core/pak_order.h"
#include "core/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

namespace glimtags::platform {
namespace {

namespace fs = std::filesystem;
using Outcome = GameFontSearch::Outcome;
using Pk3Outcome = Pk3Lookup::Outcome;

GameFontSearch found(std::string bytes, std::string source)
{
    return {Outcome::Found, std::move(bytes), std::move(source), {}};
}

GameFontSearch unreadable(std::string reason)
{
    return {Outcome::Unreadable, {}, {}, std::move(reason)};
}

GameFontSearch tooLarge(const std::string& what, std::uintmax_t size)
{
    return unreadable(what + " is too large for a font sheet (" + std::to_string(size) + " bytes, at most "
                      + std::to_string(kGameFontMaxBytes) + ")");
}

std::string joined(const std::vector<std::string>& items)
{
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

std::optional<GameFontSearch> searchLooseFile(const fs::path& folder)
{
    const fs::path path = folder / kGameFontEntry;
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return std::nullopt;
    int readError = 0;
    std::optional<std::string> bytes = readRegularFile(path.string(), kGameFontMaxBytes, &readError);
    if (!bytes && readError == EFBIG)
        return tooLarge(path.string(), fs::file_size(path, error));
    if (!bytes)
        return unreadable(path.string() + " cannot be read");
    return found(std::move(*bytes), path.string());
}

std::string bytesText(std::uint64_t bytes)
{
    return std::to_string(bytes) + " bytes";
}

struct Pak {
    std::string name;
    bool unpacked; // a .pk3dir folder
};

// Only regular files and folders count (links followed, as the game's stat does), so a
// pipe or device under a pk3 name is never opened. Names the game cannot tell apart are
// taken in byte order; the game leaves their order to the file system.
std::vector<Pak> paksStrongestFirst(const fs::path& folder)
{
    std::vector<Pak> paks;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code ignored;
        if (isPakFileName(name) && it->is_regular_file(ignored))
            paks.push_back({name, false});
        else if (isPakFolderName(name) && it->is_directory(ignored))
            paks.push_back({name, true});
    }
    std::sort(paks.begin(), paks.end(), [](const Pak& a, const Pak& b) {
        const int order = comparePakNames(a.name, b.name);
        return order != 0 ? order > 0 : a.name < b.name;
    });
    return paks;
}

// Nothing when the pk3 holds no sheet; one that cannot be read as a zip at all is
// noted in notZips and passed over, as the game passes over it.
std::optional<GameFontSearch> searchPk3(const std::string& path, Pk3Reader& reader, std::vector<std::string>& notZips)
{
    Pk3Lookup lookup = reader.lookUp(path, kGameFontEntry, kGameFontMaxBytes);
    const std::string source = path + ": " + lookup.entryName;
    switch (lookup.outcome) {
    case Pk3Outcome::NotAZip:
        notZips.push_back(path);
        return std::nullopt;
    case Pk3Outcome::Absent:
        return std::nullopt;
    case Pk3Outcome::Found:
        return found(std::move(lookup.bytes), source);
    case Pk3Outcome::TooLarge:
        return tooLarge(source, lookup.size);
    case Pk3Outcome::Damaged:
        return unreadable(source + " is damaged");
    case Pk3Outcome::UnknownMethod:
        return unreadable(source + " is compressed with method " + std::to_string(lookup.method) +
                          ", which the game cannot read");
    case Pk3Outcome::ArchiveTooLong:
        return unreadable(path + " is too large to search (more than " + bytesText(reader.limits().perArchive) +
                          " to read)");
    case Pk3Outcome::SearchTooLong:
        return unreadable(path + " was not searched: the pk3 files before it took the " +
                          bytesText(reader.limits().perSearch) + " the search may read");
    }
    return std::nullopt;
}

std::optional<GameFontSearch> searchFolder(const fs::path& folder, Pk3Reader& reader,
                                           std::vector<std::string>& notZips)
{
    if (std::optional<GameFontSearch> loose = searchLooseFile(folder))
        return loose;
    for (const Pak& pak : paksStrongestFirst(folder)) {
        const fs::path path = folder / pak.name;
        std::optional<GameFontSearch> result =
            pak.unpacked ? searchLooseFile(path) : searchPk3(path.string(), reader, notZips);
        if (result)
            return result;
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string> gameDataFolders(const std::string& gameFolder, const std::vector<std::string>& dataRoots)
{
    if (gameFolder.empty())
        return {};
    fs::path game = fs::path(gameFolder).lexically_normal();
    if (!game.has_filename())
        game = game.parent_path();
    const fs::path name = game.filename();
    std::vector<std::string> folders{gameFolder};
    if (name.empty() || name == "." || name == "..")
        return folders;
    for (const std::string& root : dataRoots) {
        const fs::path folder = fs::path(root) / name;
        std::error_code error;
        const bool listed = std::any_of(folders.begin(), folders.end(), [&](const std::string& known) {
            std::error_code ignored;
            return fs::equivalent(known, folder, ignored);
        });
        if (!listed && fs::is_directory(folder, error))
            folders.push_back(folder.string());
    }
    return folders;
}

GameFontSearch findGameFont(const std::vector<std::string>& folders, const Pk3ReadLimits& limits)
{
    Pk3Reader reader(limits);
    std::vector<std::string> notZips;
    for (const std::string& folder : folders) {
        if (std::optional<GameFontSearch> result = searchFolder(folder, reader, notZips))
            return *std::move(result);
    }
    GameFontSearch none;
    none.reason = folders.empty() ? "No game folder to look for " + std::string(kGameFontEntry) + " in"
                                  : "No " + std::string(kGameFontEntry) + " in " + joined(folders);
    if (!notZips.empty())
        none.reason += "; not readable as pk3: " + joined(notZips);
    return none;
}

} // namespace glimtags::platform
