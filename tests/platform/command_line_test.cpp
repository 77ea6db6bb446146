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

struct Outcome {
    glimtags::platform::StartRequest request;
    std::string out;
    std::string errors;
};

Outcome readArguments(std::vector<std::string> words)
{
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    char* outText = nullptr;
    char* errorText = nullptr;
    std::size_t outSize = 0;
    std::size_t errorSize = 0;
    std::FILE* out = open_memstream(&outText, &outSize);
    std::FILE* errors = open_memstream(&errorText, &errorSize);
    Outcome outcome{glimtags::platform::readCommandLine(static_cast<int>(argv.size()), argv.data(), out, errors),
                    {}, {}};
    std::fclose(out);
    std::fclose(errors);
    outcome.out = outText;
    outcome.errors = errorText;
    std::free(outText);
    std::free(errorText);
    return outcome;
}

const std::string kUsage = "[^]*Usage: glimtags [^]*--version[^]*";

// The command line is read before wx starts, so these run without it.
TEST(CommandLine, AnswersHelpAndVersionAndTakesOneScriptAsItsBytes)
{
    const std::string& usage = kUsage;
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
        const Outcome outcome = readArguments(c.arguments);
        EXPECT_EQ(outcome.request.exitStatus, c.exitStatus);
        EXPECT_EQ(outcome.request.script, c.script);
        EXPECT_FALSE(outcome.request.picture);
        EXPECT_TRUE(std::regex_match(outcome.out, std::regex(c.out))) << outcome.out;
        EXPECT_TRUE(std::regex_match(outcome.errors, std::regex(c.errors))) << outcome.errors;
    }
}

// --export-picture takes the PNG file, the name as UTF-8 text or as bytes, a game of
// those it knows, a scale of 1 or 2; any mistake is a usage mistake.
TEST(CommandLine, ExportPictureTakesItsFileNameAndOptions)
{
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", "/home/fred", 1);
    struct Expected {
        std::string output;
        std::string name;
        std::string gameFolder;
        bool twiceSize;
        bool transparent;
    };
    struct PictureCase {
        std::vector<std::string> arguments;
        std::optional<Expected> picture; // nothing: a usage mistake, whose message starts errors
        std::string errors;
    };
    const PictureCase cases[] = {
        {{"--export-picture", "a.png", "^1Fred"}, Expected{"a.png", "^1Fred", "", false, false}, ""},
        {{"--export-picture=a.png", "--scale", "2", "--transparent", "--game", "openarena", "x"},
         Expected{"a.png", "x", "/home/fred/.openarena/baseoa", true, true}, ""},
        {{"--game=ioquake3", "--scale=1", "--export-picture", "b\xe9.png", "--", "-x"},
         Expected{"b\xe9.png", "-x", "/home/fred/.q3a/baseq3", false, false}, ""},
        {{"--export-picture", "a.png", "caf\xc3\xa9\xe2\x90\x81"},
         Expected{"a.png", "caf\xe9\x01", "", false, false}, ""},
        {{"--export-picture", "a.png", "caf\xe9"}, Expected{"a.png", "caf\xe9", "", false, false}, ""},
        {{"--export-picture", "a.png", "x\xe2\x82\xac"}, std::nullopt, "glimtags: the NAME holds a character"},
        {{"--export-picture", "a.png", "^1"}, std::nullopt, "glimtags: the NAME draws no character"},
        {{"--export-picture", "a.png"}, std::nullopt, "glimtags: --export-picture needs the NAME"},
        {{"--export-picture=", "x"}, std::nullopt, "glimtags: --export-picture needs the PNG file"},
        {{"--export-picture"}, std::nullopt, "Option 'export-picture' requires a value"},
        {{"--export-picture", "a.png", "--game", "quake3", "x"}, std::nullopt, "glimtags: unknown game 'quake3'"},
        {{"--export-picture", "a.png", "--scale", "3", "x"}, std::nullopt, "glimtags: --scale is 1"},
        {{"--export-picture", "a.png", "--scale", "0", "x"}, std::nullopt, "glimtags: --scale is 1"},
        {{"--export-picture", "a.png", "--scale", "two", "x"}, std::nullopt, "'two' is not a correct numeric"},
        {{"--transparent", "Fred.name"}, std::nullopt, "glimtags: --game, --scale and --transparent go with"},
    };
    for (const PictureCase& c : cases) {
        std::vector<std::string> words{"glimtags"};
        words.insert(words.end(), c.arguments.begin(), c.arguments.end());
        SCOPED_TRACE(c.arguments.back());
        const Outcome outcome = readArguments(words);
        EXPECT_TRUE(outcome.request.script.empty());
        if (!c.picture) {
            EXPECT_EQ(outcome.request.exitStatus, 2);
            EXPECT_FALSE(outcome.request.picture);
            EXPECT_EQ(outcome.errors.rfind(c.errors, 0), 0u) << outcome.errors;
            EXPECT_TRUE(std::regex_match(outcome.errors, std::regex(kUsage))) << outcome.errors;
            continue;
        }
        EXPECT_EQ(outcome.request.exitStatus, std::nullopt);
        ASSERT_TRUE(outcome.request.picture);
        const glimtags::platform::PictureRequest& got = *outcome.request.picture;
        EXPECT_EQ(got.output, c.picture->output);
        EXPECT_EQ(got.name.bytes(), c.picture->name);
        EXPECT_EQ(got.gameFolder, c.picture->gameFolder);
        EXPECT_EQ(got.twiceSize, c.picture->twiceSize);
        EXPECT_EQ(got.transparent, c.picture->transparent);
        EXPECT_EQ(outcome.errors, "");
    }
    setenv("HOME", home.c_str(), 1);
}

} // namespace
