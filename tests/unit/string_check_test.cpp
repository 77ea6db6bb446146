#include "core/string_check.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

using glimtags::NameText;

namespace {

// Plays the window: answers from a script and, with auto-check on, checks again
// after every text it is given, as the window's change handling does.
class ScriptedHost : public glimtags::CheckHost {
public:
    ScriptedHost(std::string name, std::deque<bool> answers, bool autoCheck = false)
        : name_(name), answers_(std::move(answers)), autoCheck_(autoCheck)
    {
    }

    NameText currentName() const override { return name_; }
    void selectRange(int start, int end) override { selections.push_back(name_.bytes().substr(start, end - start)); }
    void requestRepaint() override { ++repaints; }
    bool askYesNo(std::string_view key) override
    {
        questions.emplace_back(key);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected question " << key << " on " << name_.bytes();
            return false;
        }
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    void replaceName(const NameText& name) override
    {
        name_ = name;
        ++changes;
        if (autoCheck_) {
            ++nestedChecks;
            glimtags::checkString(*this);
        }
    }

    std::string name() const { return name_.bytes(); }
    bool allAnswersUsed() const { return answers_.empty(); }

    std::vector<std::string> selections;
    std::vector<std::string> questions;
    int repaints = 0;
    int changes = 0;
    int nestedChecks = 0;

private:
    NameText name_;
    std::deque<bool> answers_;
    bool autoCheck_;
};

constexpr bool Yes = true;
constexpr bool No = false;
const std::string kInvalid = "MESSAGE_INVALIDCHAR";
const std::string kConsecutive = "MESSAGE_CONSECUTIVECOLORS";

} // namespace

TEST(StringCheck, EmptyAndCleanNamesAskNothing)
{
    for (const char* text : {"", "Player", "^1Red^2Green", "a^", "\x01\x04\x06\x09\x12\x15\x17~"}) {
        ScriptedHost host(text, {});
        glimtags::checkString(host);
        EXPECT_TRUE(host.questions.empty()) << text;
        EXPECT_EQ(host.name(), text);
    }
}

TEST(StringCheck, EveryForbiddenControlByteIsFound)
{
    for (int byte : {5, 10, 11, 12, 13, 14, 15, 16, 17, 22}) {
        ScriptedHost host(std::string("a") + static_cast<char>(byte) + "b", {Yes});
        glimtags::checkString(host);
        EXPECT_EQ(host.name(), "ab") << byte;
        EXPECT_EQ(host.selections, std::vector<std::string>{std::string(1, static_cast<char>(byte))});
        EXPECT_EQ(host.repaints, 1);
    }
}

TEST(StringCheck, ConsecutiveColoursKeepTheSecondCode)
{
    ScriptedHost host("^1^2Name", {Yes});
    glimtags::checkString(host);
    EXPECT_EQ(host.selections, std::vector<std::string>{"^1"});
    EXPECT_EQ(host.questions, std::vector<std::string>{kConsecutive});
    EXPECT_EQ(host.name(), "^2Name");
}

TEST(StringCheck, RestartsAfterEveryDeletion)
{
    ScriptedHost colours("^1^2^3X", {Yes, Yes});
    glimtags::checkString(colours);
    EXPECT_EQ(colours.name(), "^3X");

    // The second byte 5 is found only because the pass starts again at the first byte.
    ScriptedHost controls("\x05\x05z", {Yes, Yes});
    glimtags::checkString(controls);
    EXPECT_EQ(controls.name(), "z");
    EXPECT_EQ(controls.selections, (std::vector<std::string>{"\x05", "\x05"}));
}

TEST(StringCheck, NoOnAControlByteEndsTheWholeCheck)
{
    ScriptedHost host("\x05\x80^1^2", {No});
    glimtags::checkString(host);
    EXPECT_EQ(host.questions, std::vector<std::string>{kInvalid});
    EXPECT_EQ(host.name(), "\x05\x80^1^2");
}

TEST(StringCheck, DeclinedFindingsAreAskedAgainInTheSecondRound)
{
    ScriptedHost high("a\xe9", {No, No});
    glimtags::checkString(high);
    EXPECT_EQ(high.questions, (std::vector<std::string>{kInvalid, kInvalid}));
    EXPECT_EQ(high.selections, (std::vector<std::string>{"\xe9", "\xe9"}));

    ScriptedHost colours("^1^2x", {No, No});
    glimtags::checkString(colours);
    EXPECT_EQ(colours.questions, (std::vector<std::string>{kConsecutive, kConsecutive}));
    EXPECT_EQ(colours.name(), "^1^2x");

    // Order: character pass, colour pass, then both again.
    ScriptedHost both("^1^2\x7f", {No, No, No, No});
    glimtags::checkString(both);
    EXPECT_EQ(both.questions, (std::vector<std::string>{kInvalid, kConsecutive, kInvalid, kConsecutive}));
}

// A double quote would end the saved value: it is offered like a high byte.
TEST(StringCheck, QuoteIsOfferedLikeAHighByte)
{
    ScriptedHost declined("a\"b", {No, No});
    glimtags::checkString(declined);
    EXPECT_EQ(declined.selections, (std::vector<std::string>{"\"", "\""}));
    EXPECT_EQ(declined.name(), "a\"b");

    ScriptedHost deleted("\"a\"", {Yes, Yes});
    glimtags::checkString(deleted);
    EXPECT_EQ(deleted.name(), "a");
    EXPECT_TRUE(deleted.allAnswersUsed());
}

TEST(StringCheck, HighByteDeclinedThenControlByteDeleted)
{
    ScriptedHost host("\x80\x0b!", {No, Yes, No, No});
    glimtags::checkString(host);
    EXPECT_EQ(host.name(), "\x80!");
    EXPECT_TRUE(host.allAnswersUsed());
}

TEST(StringCheck, CaretEdgesAreNoFinding)
{
    for (const char* text : {"a^", "^", "^^", "^x"}) {
        ScriptedHost host(text, {});
        glimtags::checkString(host);
        EXPECT_TRUE(host.questions.empty()) << text;
    }
    // The byte between the carets is not looked at: "^^^" holds the finding at 0.
    ScriptedHost host("^^^", {Yes});
    glimtags::checkString(host);
    EXPECT_EQ(host.name(), "^");
}

TEST(StringCheck, NestedCheckRunsOnEveryChangeWithAutoCheck)
{
    // Yes deletes the first byte 5; the change runs a complete nested check, which
    // deletes the second one; the interrupted check then finds nothing more.
    ScriptedHost host("\x05x\x05", {Yes, Yes}, true);
    glimtags::checkString(host);
    EXPECT_EQ(host.name(), "x");
    EXPECT_EQ(host.nestedChecks, 2);
    EXPECT_TRUE(host.allAnswersUsed());

    // A No in the nested check ends only that one: the outer check asks again.
    ScriptedHost declining("\x05\x05", {Yes, No, Yes}, true);
    glimtags::checkString(declining);
    EXPECT_EQ(declining.name(), "");
    EXPECT_TRUE(declining.allAnswersUsed());
}

TEST(WhiteEnding, Rule)
{
    struct Case {
        const char* name;
        const char* on;
    };
    for (const Case& c : {Case{"Player", "Player^7"}, Case{"Player^7", "Player^7"}, Case{"Agent007", "Agent007"},
                          Case{"", "^7"}, Case{"end^", "end^^7"}}) {
        EXPECT_EQ(glimtags::nameWithEnding(NameText(c.name), true), c.on) << c.name;
        EXPECT_EQ(glimtags::nameWithEnding(NameText(c.name), false), c.name) << c.name;
    }
}

TEST(SaveLimit, MeasuredByLimitLength)
{
    EXPECT_EQ(glimtags::kSaveLimit, 35);
    EXPECT_LE(glimtags::limitLength(NameText(std::string(35, 'a') + "^1^2")), glimtags::kSaveLimit);
    EXPECT_GT(glimtags::limitLength(NameText(std::string(34, 'a') + "^b")), glimtags::kSaveLimit);
}
