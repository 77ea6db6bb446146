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

// Opens an address (a target with "://") in the desktop's web browser, or a
// document (a path, relative ones against the working directory) with the
// desktop's program for it. Fails with kOpenFileNotFound for a missing document,
// kOpenNoApplication when nothing could be started.
Outcome openDocument(const std::string& target);

// Starts a command line (a program and its arguments, split with the shell's
// quoting rules) without waiting for it; fails with kOpenFileNotFound when the
// program is not found, kOpenOutOfResources when it cannot be started.
Outcome runCommandLine(const std::string& commandLine);

// The command line of the desktop's default program for web pages: the Exec line
// of the desktop entry that `xdg-mime query default text/html` names. Nothing when
// no program is set or its entry cannot be read.
std::optional<std::string> webPageHandlerCommand();

// Test seam: replaces the desktop's start of a program for an existing document or
// an address (the absolute path, or the address as given) and gives its result
// code. An empty launcher restores the desktop's.
using DocumentLauncher = std::function<Outcome(const std::string& target)>;
void setDocumentOpenerForTesting(DocumentLauncher launcher);

} // namespace glimtags::platform
