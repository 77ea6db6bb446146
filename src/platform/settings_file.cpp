#include "platform/settings_file.h"

#include "core/regular_file.h"
#include "core/text_trim.h"
#include "platform/text_encoding.h"

#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/utils.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

namespace glimtags::platform {
namespace {

wxString keyString(std::string_view key) { return wxString::FromAscii(key.data(), key.size()); }

// A line may end in a carriage return when the file was written elsewhere.
std::string_view trimmed(std::string_view text) { return glimtags::trimmed(text, " \t\r"); }

// The name of the value a line sets; empty for a comment, a blank line or a group.
std::string_view keyOf(std::string_view line)
{
    const std::string_view text = trimmed(line);
    const std::size_t equals = text.find('=');
    if (text.empty() || text.front() == ';' || text.front() == '#' || equals == std::string_view::npos)
        return {};
    return trimmed(text.substr(0, equals));
}

// wxFileConfig asserts on a group that appears twice and keeps a stale line for a value
// set twice, so the file is read as one group of each name, the last setting of a value
// winning as it does in wx.
std::string withEachGroupOnce(const std::string& text)
{
    struct Group {
        std::string header;
        std::vector<std::string> lines;
    };
    std::vector<Group> groups(1); // the lines before the first group
    std::size_t current = 0;
    std::istringstream input(text);
    for (std::string line; std::getline(input, line);) {
        const std::string_view header = trimmed(line);
        if (header.starts_with('[')) {
            current = static_cast<std::size_t>(std::ranges::find(groups, header, &Group::header) - groups.begin());
            if (current == groups.size())
                groups.push_back({std::string(header), {}});
            continue;
        }
        if (const std::string_view key = keyOf(line); !key.empty())
            std::erase_if(groups[current].lines, [key](const std::string& earlier) { return keyOf(earlier) == key; });
        groups[current].lines.push_back(line);
    }
    std::string merged;
    for (const Group& group : groups) {
        if (!group.header.empty())
            merged += group.header + "\n";
        for (const std::string& line : group.lines)
            merged += line + "\n";
    }
    return merged;
}

} // namespace

SettingsFile::SettingsFile(const std::string& path, FileWriter writer)
    : path_(path)
    , writer_(std::move(writer))
{
    // A missing or unreadable file reads as all defaults, without a log window.
    const wxLogNull noLog;
    const std::string text = withEachGroupOnce(readRegularFile(path).value_or(std::string()));
    wxMemoryInputStream input(text.data(), text.size());
    config_ = std::make_unique<wxFileConfig>(input);
    config_->SetExpandEnvVars(false);
    config_->SetPath(wxString("/") + kSettingsSection);
}

SettingsFile::~SettingsFile() = default;

std::string SettingsFile::userSettingsPath()
{
    wxString base;
    if (!wxGetEnv("XDG_CONFIG_HOME", &base) || base.empty())
        base = wxFileName::GetHomeDir() + "/.config";
    return toFileSystem(base + "/" + kMakerKey + "/" + kApplicationTitle + ".conf");
}

int SettingsFile::readInteger(std::string_view key, int defaultValue)
{
    long value = defaultValue;
    config_->Read(keyString(key), &value, defaultValue);
    return static_cast<int>(value);
}

std::string SettingsFile::readText(std::string_view key, std::string_view defaultValue)
{
    wxString value;
    if (!config_->Read(keyString(key), &value))
        return std::string(defaultValue);
    return toFileSystem(value);
}

bool SettingsFile::writeInteger(std::string_view key, int value)
{
    config_->Write(keyString(key), static_cast<long>(value));
    return save();
}

bool SettingsFile::writeTexts(const TextValues& values)
{
    for (const auto& [key, value] : values)
        config_->Write(keyString(key), fromFileSystem(value));
    return save();
}

// Written like every other file of ours, in one step, so that a failure has a reason
// to show and never leaves half a file.
bool SettingsFile::save()
{
    wxMemoryOutputStream text;
    {
        const wxLogNull noLog;
        config_->Save(text, wxConvUTF8);
    }
    std::string bytes(text.GetLength(), '\0');
    text.CopyTo(bytes.data(), bytes.size());
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), error);
    const Outcome written = error ? Outcome::failure(error.value(), error.message()) : writer_.replace(path_, bytes);
    if (!written && failureHandler_)
        failureHandler_(path_, written.error);
    return written.succeeded;
}

} // namespace glimtags::platform
