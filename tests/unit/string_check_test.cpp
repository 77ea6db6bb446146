#include "core/string_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using glimtags::NameText;

namespace {

// Plays the window: answers from a script ('Y' or 'N' per question), writes down each
// offer as its question ('I' invalid character, 'C' consecutive colours, 'R' refused by a
// server, naming UnnamedPlayer, 'O' naming OpenArena's Nameless, 'D' dropped by a server,
// 'T' told where a server cuts) and the selected bytes.
class ScriptedHost : public glimtags::CheckHost {
public:
    ScriptedHost(const std::string& name, std::string answers)
        : name_(name), answers_(std::move(answers))
    {
    }

    NameText currentName() const override { return name_; }
    void selectRange(int start, int end) override { selected_ = name_.bytes().substr(start, end - start); }
    void requestRepaint() override { ++repaints; }
    bool askYesNo(std::string_view key) override
    {
        const char* letter = key == "MESSAGE_INVALIDCHAR"       ? "I"
                           : key == "MESSAGE_CONSECUTIVECOLORS" ? "C"
                           : key == "MESSAGE_GAMEREFUSES"       ? "R"
                           : key == "MESSAGE_OAREFUSES"         ? "O"
                           : key == "MESSAGE_GAMEDROPS"         ? "D"
                                                                : "?";
        offers.push_back(letter + selected_);
        return offers.size() <= answers_.size() && answers_[offers.size() - 1] == 'Y';
    }
    void tell(std::string_view key) override { offers.push_back((key == "MESSAGE_GAMECUTS" ? "T" : "?") + selected_); }
    void replaceName(const NameText& name) override { name_ = name; }

    std::string name() const { return name_.bytes(); }

    std::vector<std::string> offers;
    int repaints = 0;

private:
    NameText name_;
    std::string answers_;
    std::string selected_;
};

} // namespace

TEST(StringCheck, OffersEachFindingAndDeletesItOnYes)
{
    const struct { std::string name, answers, after; std::vector<std::string> offers; } cases[] = {
        {"", "", "", {}},
        {"^1Red^2Green", "", "^1Red^2Green", {}},
        {"\x01\x04\x06\x09\x12\x15\x17~", "", "\x01\x04\x06\x09\x12\x15\x17~", {}},
        {"a^", "", "a^", {}},
        {"a\x05" "b", "Y", "ab", {"I\x05"}}, {"a\x0a" "b", "Y", "ab", {"I\x0a"}},
        {"a\x11" "b", "Y", "ab", {"I\x11"}}, {"a\x16" "b", "Y", "ab", {"I\x16"}},
        // Consecutive colours keep the second code; the byte between two carets is not looked at.
        {"^1^2Name", "Y", "^2Name", {"C^1"}},
        {"^^^", "Y", "^", {"C^^"}},
        // Every deletion starts the pass again from the first byte.
        {"^1^2^3X", "YY", "^3X", {"C^1", "C^2"}},
        // No on a forbidden control byte ends the whole check.
        {"\x05\x80^1^2", "N", "\x05\x80^1^2", {"I\x05"}},
        // Other declined findings stay declined for the rest of the check, deletions after them too.
        {"^1^2\x7f", "NN", "^1^2\x7f", {"I\x7f", "C^1"}},
        {"\"a\xff", "YY", "a", {"I\"", "I\xff"}},
        {"\x80\x0b!", "NY", "\x80!", {"I\x80", "I\x0b"}},
        {"^1^2^3", "NY", "^1^3", {"C^1", "C^2"}},
    };
    for (const auto& c : cases) {
        ScriptedHost host(c.name, c.answers);
        glimtags::checkString(host);
        EXPECT_EQ(host.name(), c.after) << c.name;
        EXPECT_EQ(host.offers, c.offers) << c.name;
        EXPECT_EQ(host.repaints, static_cast<int>(host.offers.size())) << c.name;
    }
}

// With the game's rules on, what a server refuses or drops is offered after the passes,
// and where it cuts the name is told once, when the caller asks.
TEST(StringCheck, OffersWhatAServerChanges)
{
    const glimtags::GameRuleCheck on{true, false, glimtags::Game::Ioquake3};
    const glimtags::GameRuleCheck openArena{true, false, glimtags::Game::OpenArena};
    const struct { std::string name, answers, after; std::vector<std::string> offers; glimtags::GameRuleCheck rules; }
    cases[] = {
        {"a;b", "", "a;b", {}, {}},
        {"^1Plain name", "", "^1Plain name", {}, on},
        {"a;b\\c", "YY", "abc", {"R;", "R\\"}, on},
        {"a;b", "N", "a;b", {"R;"}, on},
        {"  ^0A", "YYY", "A", {"D ", "D ", "D^0"}, on},
        // After a deletion the pass starts again from the first byte, past what was declined.
        {"^8x ^0", "NY", "^8x ", {"D^8", "D^0"}, on},
        // The quote is the character pass's.
        {"a\"b", "N", "a\"b", {"I\""}, on},
        {std::string(34, 'x') + "^1yz", "", std::string(34, 'x') + "^1yz", {}, on},
        {std::string(34, 'x') + "^1yz", "", std::string(34, 'x') + "^1yz", {"T1yz"}, {true, true, glimtags::Game::Ioquake3}},
        // OpenArena keeps black codes but drops the codes of a name without a coloured letter.
        {"a;b", "Y", "ab", {"O;"}, openArena},
        // Without ^0, A is coloured, so ^8 stays.
        {"  ^0A^8", "NNY", "  A^8", {"D ", "D ", "D^0"}, openArena},
        {"^1A^0", "", "^1A^0", {}, openArena},
    };
    for (const auto& c : cases) {
        ScriptedHost host(c.name, c.answers);
        glimtags::checkString(host, c.rules);
        EXPECT_EQ(host.name(), c.after) << c.name;
        EXPECT_EQ(host.offers, c.offers) << c.name;
    }
}
