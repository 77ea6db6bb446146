#include "core/edit_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using glimtags::BoxState;
using glimtags::ChangeKind;
using glimtags::NameText;

namespace {

// A name box that reports each of its changes to the history, as the window does.
struct Editing {
    void change(std::string bytes, int start, int end, ChangeKind kind)
    {
        const BoxState before = state;
        state = {NameText(bytes), start, end};
        history.record(before, state, kind);
    }
    // Replaces the selection, leaving the caret after the text.
    void put(std::string_view text, ChangeKind kind)
    {
        std::string bytes = state.name.bytes();
        const auto start = static_cast<std::size_t>(state.selectionStart);
        bytes.replace(start, static_cast<std::size_t>(state.selectionEnd) - start, text);
        const int caret = state.selectionStart + static_cast<int>(text.size());
        change(bytes, caret, caret, kind);
    }
    void type(std::string_view text)
    {
        for (const char c : text)
            put(std::string(1, c), ChangeKind::Typed);
    }
    void paste(std::string_view text) { put(text, ChangeKind::Other); }
    void moveCaret(int position)
    {
        state.selectionStart = state.selectionEnd = position;
        history.endTyping();
    }
    // The names each undo gives back, until there is none.
    std::vector<std::string> undoAll()
    {
        std::vector<std::string> names;
        while (const auto undone = history.undo())
            names.push_back(undone->name.bytes());
        return names;
    }

    BoxState state;
    glimtags::EditHistory history;
};

TEST(EditHistory, TypingIsGroupedByWord)
{
    struct Case {
        const char* what;
        std::function<void(Editing&)> edit;
        std::vector<std::string> undone;
    };
    const std::vector<Case> cases = {
        {"a blank after a word starts a step", [](Editing& e) { e.type("hello world"); }, {"hello", ""}},
        {"blanks after a blank join it", [](Editing& e) { e.type("a   b"); }, {"a", ""}},
        {"a caret move ends the word", [](Editing& e) { e.type("ab"), e.moveCaret(1), e.type("x"); }, {"ab", ""}},
        {"a paste between typing", [](Editing& e) { e.type("ab"), e.paste("XY"), e.type("cd"); }, {"abXY", "ab", ""}},
        {"typing after an undo and redo starts a step",
         [](Editing& e) { e.type("ab"), e.history.undo(), e.state = *e.history.redo(), e.type("c"); }, {"ab", ""}},
        {"a joined change is part of its step",
         [](Editing& e) {
             e.paste("a^1b"), e.moveCaret(1);
             e.change("a1b", 1, 1, ChangeKind::Other), e.change("ab", 1, 1, ChangeKind::JoinPrevious);
         },
         {"a^1b", ""}},
        {"a change of nothing is no step", [](Editing& e) { e.type("a"), e.paste(""); }, {""}},
    };
    for (const Case& c : cases) {
        Editing editing;
        c.edit(editing);
        EXPECT_EQ(editing.undoAll(), c.undone) << c.what;
    }
}

TEST(EditHistory, SelectionRestoredExactlyAndANewChangeDropsTheRedoSteps)
{
    Editing editing;
    editing.paste("abcd");
    const BoxState selected{NameText("abcd"), 1, 3};
    editing.state = selected;
    editing.type("X");
    EXPECT_EQ(editing.history.undo(), selected);
    EXPECT_EQ(editing.history.redo(), (BoxState{NameText("aXd"), 2, 2}));
    EXPECT_EQ(editing.history.redo(), std::nullopt);
    editing.state = *editing.history.undo();
    EXPECT_TRUE(editing.history.canRedo());
    editing.paste("c");
    EXPECT_FALSE(editing.history.canRedo());
    EXPECT_EQ(editing.undoAll(), (std::vector<std::string>{"abcd", ""}));
    EXPECT_FALSE(editing.history.canUndo());
}

TEST(EditHistory, KeepsTheLast200Steps)
{
    Editing editing;
    for (int step = 0; step < 201; ++step)
        editing.paste("x");
    const std::vector<std::string> undone = editing.undoAll();
    ASSERT_EQ(undone.size(), 200u);
    EXPECT_EQ(undone.back(), "x");
}

} // namespace
