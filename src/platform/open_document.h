#pragma once

#include <functional>
#include <optional>
#include <string>

namespace glimtags::platform {

// Result codes of opening a document or running a command line: above 32 is success.
inline constexpr int kOpenOutOfResources = 0;
inline constexpr int kOpenFileNotFound = 2;
inline constexpr int kOpenNoApplication = 31;
inline constexpr int kOpenStarted = 42;
inline bool openSucceeded(int code) { return code > 32; }

// Opens an address (a target with "://") in the desktop's web browser, or a
// document (a path, relative ones against the working directory) with the
// desktop's program for it. kOpenFileNotFound for a missing document,
// kOpenNoApplication when nothing could be started, kOpenStarted when it was.
int openDocument(const std::string& target);

// Starts a command line (a program and its arguments, split with the shell's
// quoting rules) without waiting for it: kOpenStarted, kOpenFileNotFound when the
// program is not found, kOpenOutOfResources when it cannot be started.
int runCommandLine(const std::string& commandLine);

// The command line of the desktop's default program for web pages: the Exec line
// of the desktop entry that `xdg-mime query default text/html` names. Nothing when
// no program is set or its entry cannot be read.
std::optional<std::string> webPageHandlerCommand();

// Test seam: replaces the desktop's start of a program for an existing document or
// an address (the absolute path, or the address as given) and gives its result
// code. An empty launcher restores the desktop's.
using DocumentLauncher = std::function<int(const std::string& target)>;
void setDocumentOpenerForTesting(DocumentLauncher launcher);

} // namespace glimtags::platform
