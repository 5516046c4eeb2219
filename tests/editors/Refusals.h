#pragma once
// What an editor dialog refused: the warning it showed, its caption and the control that got
// the focus back.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <type_traits>

#include "editors/framework/EditorDialog.h"
#include "tests/support/GlobalState.h"

struct Refused {
    std::string text;
    std::string caption;
    int focus = 0;

    bool operator==(const Refused&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Refused& refused) {
    return out << "{" << refused.text << ", " << refused.caption << ", " << refused.focus << "}";
}

// Runs the step (a button's handler) and returns what it refused, empty when it showed nothing.
// A refusal is one warning with the exclamation icon and the refused control's text selected; a
// step that returns whether it accepted must agree. The shown messages are taken.
template <class Step>
Refused Attempt(const EditorDialog& dialog, Step step) {
    TestInteraction().messages.clear();
    constexpr bool tellsAcceptance = std::is_same_v<decltype(step()), bool>;
    bool accepted = true;
    if constexpr (tellsAcceptance) accepted = step();
    else step();
    Refused refused;
    const auto& messages = TestInteraction().messages;
    if (!messages.empty()) {
        refused = {messages[0].text, messages[0].caption, dialog.GetFocusRequest().control};
        EXPECT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].icon, MessageIcon::Warning);
        EXPECT_TRUE(dialog.GetFocusRequest().selectText);
    }
    if (tellsAcceptance) {
        EXPECT_EQ(accepted, refused.text.empty()) << refused;
    }
    TestInteraction().messages.clear();
    return refused;
}
