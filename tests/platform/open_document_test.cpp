// Opening through the desktop's own handler lookup: a target that nothing can open is
// reported as such, not as opened.
#include "platform/open_document.h"

#include "core/regular_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

using glimtags::test::TempDir;
namespace platform = glimtags::platform;

namespace {

// The desktop's handler tables are read once per process, so each desktop is tried in
// a child process of its own; the child's exit status is the open result.
// The exit status of a child whose open succeeded; a failure exits with its code.
constexpr int kStarted = 100;

int openInDesktop(const TempDir& desktop, const std::string& target)
{
    const pid_t child = ::fork();
    if (child == 0) {
        for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"})
            ::setenv(variable, (desktop.path() / variable).c_str(), 1);
        ::setenv("XDG_DATA_DIRS", desktop.file("none").c_str(), 1);
        ::setenv("XDG_CONFIG_DIRS", desktop.file("none").c_str(), 1);
        const glimtags::Outcome opened = platform::openDocument(target, platform::launchWithDesktop);
        ::_exit(opened ? kStarted : opened.code);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(OpenDocument, NothingToOpenWithIsAFailure)
{
    const TempDir desktop;
    EXPECT_EQ(openInDesktop(desktop, "http://glimtags.example/"), platform::kOpenNoApplication);
    EXPECT_EQ(openInDesktop(desktop, desktop.write("Glimtags.chm", "ITSF")), platform::kOpenNoApplication);
    EXPECT_EQ(openInDesktop(desktop, desktop.file("missing.chm")), platform::kOpenFileNotFound);
}

TEST(OpenDocument, TheDesktopsHandlerIsStartedWithTheAddress)
{
    const TempDir desktop;
    const std::string opened = desktop.file("opened");
    const std::string opener = desktop.write("opener", "#!/bin/sh\necho \"$1\" > " + opened + ".part && mv " +
                                                           opened + ".part " + opened + "\n");
    ::chmod(opener.c_str(), 0755);
    std::filesystem::create_directories(desktop.path() / "XDG_DATA_HOME" / "applications");
    std::filesystem::create_directories(desktop.path() / "XDG_CONFIG_HOME");
    desktop.write("XDG_DATA_HOME/applications/opener.desktop",
                  "[Desktop Entry]\nType=Application\nName=Opener\nExec=" + opener +
                      " %u\nMimeType=x-scheme-handler/http;\n");
    desktop.write("XDG_CONFIG_HOME/mimeapps.list", "[Default Applications]\nx-scheme-handler/http=opener.desktop\n");

    EXPECT_EQ(openInDesktop(desktop, "http://glimtags.example/page"), kStarted);
    for (int wait = 0; wait < 200 && !std::filesystem::exists(opened); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(glimtags::readRegularFile(opened), "http://glimtags.example/page\n");
}

} // namespace
