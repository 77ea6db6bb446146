#include "platform/game_font.h"

#include "core/ascii_case.h"
#include "core/regular_file.h"

#include <wx/log.h>
#include <wx/strconv.h>
#include <wx/wfstream.h>
#include <wx/zipstrm.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <unistd.h>

namespace glimtags::platform {
namespace {

namespace fs = std::filesystem;
using Outcome = GameFontSearch::Outcome;

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

bool isPk3Name(std::string_view name)
{
    constexpr std::string_view extension = ".pk3";
    return name.size() > extension.size()
        && equalIgnoringCase(name.substr(name.size() - extension.size()), extension);
}

// Only regular files count, so a pipe or device under a pk3 name is never opened.
std::vector<std::string> pk3FilesByName(const fs::path& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (isPk3Name(it->path().filename().string()) && it->is_regular_file(ignored))
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Checked once more on the open file, so that a pipe swapped in after the folder was
// listed cannot hang the window either.
std::unique_ptr<wxFFileInputStream> openArchive(const std::string& path)
{
    const int fd = openRegularFile(path);
    FILE* file = fd >= 0 ? ::fdopen(fd, "rb") : nullptr;
    if (!file) {
        if (fd >= 0)
            ::close(fd);
        return nullptr;
    }
    return std::make_unique<wxFFileInputStream>(file);
}

// Reads the one entry, trusting none of the directory's claims. One byte more than
// claimed is asked for, so that wx reaches the entry's end and checks its length
// and checksum there, and data longer than the directory says is caught too.
GameFontSearch readEntry(wxZipInputStream& zip, wxZipEntry& entry, wxFileOffset fileSize, const std::string& source)
{
    const wxFileOffset size = entry.GetSize();
    if (size > static_cast<wxFileOffset>(kGameFontMaxBytes))
        return tooLarge(source, static_cast<std::uintmax_t>(size));
    if (entry.GetOffset() + entry.GetCompressedSize() > fileSize)
        return unreadable(source + " points past the end of the file");
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    const bool whole = zip.OpenEntry(entry) && zip.Read(bytes.data(), bytes.size()).LastRead() == bytes.size() - 1
        && zip.GetLastError() == wxSTREAM_EOF;
    if (!whole)
        return unreadable(source + " is damaged");
    bytes.pop_back();
    return found(std::move(bytes), source);
}

// One character per byte, so that names compare byte for byte as the game's do.
std::string entryName(const wxZipEntry& entry)
{
    return entry.GetInternalName().ToStdString(wxConvISO8859_1);
}

// Nothing when the pk3 holds no sheet; one that cannot be read as a zip at all is
// noted in notZips and passed over, as the game passes over it.
std::optional<GameFontSearch> searchPk3(const std::string& path, std::vector<std::string>& notZips)
{
    const std::unique_ptr<wxFFileInputStream> file = openArchive(path);
    if (!file) {
        notZips.push_back(path);
        return std::nullopt;
    }
    wxZipInputStream zip(*file, wxConvISO8859_1);
    // Of two entries with the name, the later one wins, as it does in the game.
    std::unique_ptr<wxZipEntry> sheet;
    while (wxZipEntry* next = zip.GetNextEntry()) {
        std::unique_ptr<wxZipEntry> entry(next);
        if (!entry->IsDir() && equalIgnoringCase(entryName(*entry), kGameFontEntry))
            sheet = std::move(entry);
    }
    if (!sheet) {
        if (zip.GetLastError() != wxSTREAM_EOF)
            notZips.push_back(path);
        return std::nullopt;
    }
    return readEntry(zip, *sheet, file->GetLength(), path + ": " + entryName(*sheet));
}

std::optional<GameFontSearch> searchFolder(const std::string& folder, std::vector<std::string>& notZips)
{
    if (std::optional<GameFontSearch> loose = searchLooseFile(folder))
        return loose;
    const std::vector<std::string> names = pk3FilesByName(folder);
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        if (std::optional<GameFontSearch> packed = searchPk3((fs::path(folder) / *name).string(), notZips))
            return packed;
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

GameFontSearch findGameFont(const std::vector<std::string>& folders)
{
    const wxLogNull quiet;
    std::vector<std::string> notZips;
    for (const std::string& folder : folders) {
        if (std::optional<GameFontSearch> result = searchFolder(folder, notZips))
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
