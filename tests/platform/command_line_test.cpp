#include "platform/command_line.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace {

struct Case {
    std::vector<std::string> arguments;
    std::optional<int> exitStatus;
    std::string script;
    std::string out;    // a pattern the whole output matches
    std::string errors; // likewise
};

// The command line is read before wx starts, so these run without it.
TEST(CommandLine, AnswersHelpAndVersionAndTakesOneScriptAsItsBytes)
{
    const std::string usage = "[^]*Usage: glimtags [^]*--version[^]*";
    const Case cases[] = {
        {{"glimtags"}, std::nullopt, "", "", ""},
        {{"glimtags", "Fred.name"}, std::nullopt, "Fred.name", "", ""},
        {{"glimtags", "caf\xe9.name"}, std::nullopt, "caf\xe9.name", "", ""},
        {{"glimtags", "--", "-x.host"}, std::nullopt, "-x.host", "", ""},
        {{"glimtags", "--help"}, 0, "", usage, ""},
        {{"glimtags", "-h", "Fred.name"}, 0, "", usage, ""},
        {{"glimtags", "--version"}, 0, "", "glimtags [0-9]+\\.[0-9]+\n", ""},
        {{"glimtags", "a.name", "b.name"}, 2, "", "", "[^]*b\\.name" + usage},
        {{"glimtags", "--bogus"}, 2, "", "", "[^]*bogus" + usage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        std::vector<char*> argv;
        std::vector<std::string> words = c.arguments;
        for (std::string& word : words)
            argv.push_back(word.data());
        char* outText = nullptr;
        char* errorText = nullptr;
        std::size_t outSize = 0;
        std::size_t errorSize = 0;
        std::FILE* out = open_memstream(&outText, &outSize);
        std::FILE* errors = open_memstream(&errorText, &errorSize);
        const glimtags::platform::StartRequest request =
            glimtags::platform::readCommandLine(static_cast<int>(argv.size()), argv.data(), out, errors);
        std::fclose(out);
        std::fclose(errors);
        EXPECT_EQ(request.exitStatus, c.exitStatus);
        EXPECT_EQ(request.script, c.script);
        EXPECT_TRUE(std::regex_match(outText, std::regex(c.out))) << outText;
        EXPECT_TRUE(std::regex_match(errorText, std::regex(c.errors))) << errorText;
        std::free(outText);
        std::free(errorText);
    }
}

} // namespace
