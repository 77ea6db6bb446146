#include "platform/open_document.h"

#include "core/desktop_entry.h"
#include "core/regular_file.h"
#include "platform/text_encoding.h"

#include <gio/gio.h>
#include <wx/cmdline.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/utils.h>

#include <filesystem>

namespace glimtags::platform {
namespace {

bool programExists(const wxString& program)
{
    if (program.Contains("/"))
        return wxFileName::IsFileExecutable(program);
    wxString path;
    wxString found;
    return wxGetEnv("PATH", &path) && wxFindFileInPath(&found, path, program) && wxFileName::IsFileExecutable(found);
}

std::string environment(const char* name)
{
    wxString value;
    return wxGetEnv(name, &value) ? toFileSystem(value) : std::string();
}

bool isAddress(const std::string& target)
{
    return target.find("://") != std::string::npos;
}

} // namespace

// GIO looks up the desktop's handler before it starts anything, so a target that
// nothing can open is reported here; starting xdg-open would only fail later, unseen.
Outcome launchWithDesktop(const std::string& target)
{
    const bool address = isAddress(target);
    gchar* fileUri = address ? nullptr : g_filename_to_uri(target.c_str(), nullptr, nullptr);
    if (!address && !fileUri)
        return Outcome::failure(kOpenNoApplication);
    GError* error = nullptr;
    const gboolean started = g_app_info_launch_default_for_uri(address ? target.c_str() : fileUri, nullptr, &error);
    g_free(fileUri);
    if (error)
        g_error_free(error);
    return started ? Outcome() : Outcome::failure(kOpenNoApplication);
}

Outcome openDocument(const std::string& target, const DocumentLauncher& launch)
{
    if (isAddress(target))
        return launch(target);
    std::error_code error;
    if (!std::filesystem::exists(target, error))
        return Outcome::failure(kOpenFileNotFound);
    return launch(std::filesystem::absolute(target, error).string());
}

Outcome runCommandLine(const std::string& commandLine)
{
    const wxString command = fromFileSystem(commandLine);
    // wxExecute splits the line by these same rules.
    const wxArrayString words = wxCmdLineParser::ConvertStringToArgs(command, wxCMD_LINE_SPLIT_UNIX);
    if (words.empty() || !programExists(words[0]))
        return Outcome::failure(kOpenFileNotFound);
    const wxLogNull quiet;
    return wxExecute(command, wxEXEC_ASYNC) > 0 ? Outcome() : Outcome::failure(kOpenOutOfResources);
}

std::optional<std::string> webPageHandlerCommand()
{
    wxArrayString output;
    wxArrayString errors;
    const wxLogNull quiet;
    if (wxExecute("xdg-mime query default text/html", output, errors, wxEXEC_BLOCK) != 0 || output.empty())
        return std::nullopt;
    const std::string entryName = toFileSystem(output[0].Strip(wxString::both));
    if (entryName.empty() || entryName.find('/') != std::string::npos)
        return std::nullopt;
    for (const std::string& folder :
         applicationFolders(environment("XDG_DATA_HOME"), environment("XDG_DATA_DIRS"), environment("HOME"))) {
        // The first entry of that name hides those of the folders after it.
        if (const auto entry = readRegularFile(folder + "/" + entryName))
            return desktopEntryExec(*entry);
    }
    return std::nullopt;
}

} // namespace glimtags::platform
