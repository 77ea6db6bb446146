#include "core/string_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using glimtags::NameText;

namespace {

// Plays the window: answers from a script ('Y' or 'N' per question), writes down each
// offer as its question ('I' invalid character, 'C' consecutive colours) and the
// selected bytes, and with auto-check on checks again after every text it is given.
class ScriptedHost : public glimtags::CheckHost {
public:
    ScriptedHost(const std::string& name, std::string answers, bool autoCheck)
        : name_(name), answers_(std::move(answers)), autoCheck_(autoCheck)
    {
    }

    NameText currentName() const override { return name_; }
    void selectRange(int start, int end) override { selected_ = name_.bytes().substr(start, end - start); }
    void requestRepaint() override { ++repaints; }
    bool askYesNo(std::string_view key) override
    {
        offers.push_back((key == "MESSAGE_INVALIDCHAR" ? "I" : key == "MESSAGE_CONSECUTIVECOLORS" ? "C" : "?") +
                         selected_);
        return offers.size() <= answers_.size() && answers_[offers.size() - 1] == 'Y';
    }
    void replaceName(const NameText& name) override
    {
        name_ = name;
        if (autoCheck_)
            glimtags::checkString(*this);
    }

    std::string name() const { return name_.bytes(); }

    std::vector<std::string> offers;
    int repaints = 0;

private:
    NameText name_;
    std::string answers_;
    bool autoCheck_;
    std::string selected_;
};

} // namespace

TEST(StringCheck, OffersEachFindingAndDeletesItOnYes)
{
    const struct { std::string name, answers, after; std::vector<std::string> offers; bool autoCheck = false; }
    cases[] = {
        {"", "", "", {}},
        {"^1Red^2Green", "", "^1Red^2Green", {}},
        {"\x01\x04\x06\x09\x12\x15\x17~", "", "\x01\x04\x06\x09\x12\x15\x17~", {}},
        {"a^", "", "a^", {}}, {"^^", "", "^^", {}},
        {"a\x05" "b", "Y", "ab", {"I\x05"}}, {"a\x0a" "b", "Y", "ab", {"I\x0a"}},
        {"a\x11" "b", "Y", "ab", {"I\x11"}}, {"a\x16" "b", "Y", "ab", {"I\x16"}},
        // Consecutive colours keep the second code; the byte between two carets is not looked at.
        {"^1^2Name", "Y", "^2Name", {"C^1"}},
        {"^^^", "Y", "^", {"C^^"}},
        // Every deletion starts the pass again from the first byte.
        {"^1^2^3X", "YY", "^3X", {"C^1", "C^2"}},
        {"\x05\x05z", "YY", "z", {"I\x05", "I\x05"}},
        // No on a forbidden control byte ends the whole check.
        {"\x05\x80^1^2", "N", "\x05\x80^1^2", {"I\x05"}},
        // Other declined findings are offered once more in a second round of both passes.
        {"^1^2\x7f", "NNNN", "^1^2\x7f", {"I\x7f", "C^1", "I\x7f", "C^1"}},
        {"a\"b", "NN", "a\"b", {"I\"", "I\""}},
        {"\"a\xff", "YY", "a", {"I\"", "I\xff"}},
        {"\x80\x0b!", "NYNN", "\x80!", {"I\x80", "I\x0b", "I\x80", "I\x80"}},
        // With auto-check each change runs a whole nested check; a No ends only that one.
        {"\x05x\x05", "YY", "x", {"I\x05", "I\x05"}, true},
        {"\x05\x05", "YNY", "", {"I\x05", "I\x05", "I\x05"}, true},
    };
    for (const auto& c : cases) {
        ScriptedHost host(c.name, c.answers, c.autoCheck);
        glimtags::checkString(host);
        EXPECT_EQ(host.name(), c.after) << c.name;
        EXPECT_EQ(host.offers, c.offers) << c.name;
        EXPECT_EQ(host.repaints, static_cast<int>(host.offers.size())) << c.name;
    }
}
