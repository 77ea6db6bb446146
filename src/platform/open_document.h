#pragma once

#include "core/outcome.h"

#include <functional>
#include <optional>
#include <string>

namespace glimtags::platform {

// The failure codes of opening a document or running a command line, those the
// link's error messages know.
inline constexpr int kOpenOutOfResources = 0;
inline constexpr int kOpenFileNotFound = 2;
inline constexpr int kOpenNoApplication = 31;

// Starts the desktop's program for an existing document (its absolute path) or for
// an address (a target with "://"); fails with kOpenNoApplication when nothing
// could be started.
Outcome launchWithDesktop(const std::string& target);

// What starts a program for a document or an address, as launchWithDesktop.
using DocumentLauncher = std::function<Outcome(const std::string& target)>;

// Opens an address in the desktop's web browser, or a document (a path, relative
// ones against the working directory) with the desktop's program for it, through
// the launcher given. Fails with kOpenFileNotFound for a missing document, else
// with the launcher's failure.
Outcome openDocument(const std::string& target, const DocumentLauncher& launch);

// Starts a command line (a program and its arguments, split with the shell's
// quoting rules) without waiting for it; fails with kOpenFileNotFound when the
// program is not found, kOpenOutOfResources when it cannot be started.
Outcome runCommandLine(const std::string& commandLine);

// The command line of the desktop's default program for web pages: the Exec line
// of the desktop entry that `xdg-mime query default text/html` names. Nothing when
// no program is set or its entry cannot be read.
std::optional<std::string> webPageHandlerCommand();

} // namespace glimtags::platform
