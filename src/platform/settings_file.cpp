#include "platform/settings_file.h"

#include "platform/file_writer.h"
#include "platform/text_encoding.h"

#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/utils.h>

#include <filesystem>
#include <system_error>

namespace glimtags::platform {
namespace {

wxString keyString(std::string_view key) { return wxString::FromAscii(key.data(), key.size()); }

} // namespace

SettingsFile::SettingsFile(const std::string& path)
    : path_(path)
{
    // A missing or unreadable file reads as all defaults, without a log window.
    wxLogNull noLog;
    config_ = std::make_unique<wxFileConfig>(wxString(), wxString(), fromFileSystem(path), wxString(),
                                             wxCONFIG_USE_LOCAL_FILE);
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
    const FileWriteResult written = error ? FileWriteResult{false, error.message()} : writeFileAtomically(path_, bytes);
    if (!written && failureHandler_)
        failureHandler_(path_, written.error);
    return written.succeeded;
}

} // namespace glimtags::platform
