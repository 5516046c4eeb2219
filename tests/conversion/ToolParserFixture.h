#pragma once
// A fixture for the tests of a tool's event parser: windows by name, and the statement the
// parser makes of an event on one of them.
#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "SilkTestWindows.h"
#include "conditions/EventKey.h"
#include "tests/support/Refusal.h"

// The key names of the event notation, which the key table of every tool's layout must know.
inline std::vector<std::string> NotationKeyNames() {
    std::istringstream names(
        "numlock #/ #* #- #+ #enter #home #end #ins #del #pgup #pgdn #left #right #up #down #. #0 #1 #2 #3 #4 #5 #6 "
        "#7 #8 #9 esc f1 f2 f3 f4 f5 f6 f7 f8 f9 f10 f11 f12 prtscr scrllock pause ins del home end pgup pgdn left "
        "right up down backspace tab capslock enter shift shiftl shiftr ctrl ctrll ctrlr alt altl altr altgr win "
        "winl winr menu");
    return {std::istream_iterator<std::string>(names), {}};
}

// Key texts of a keyboard layout that tell it from the other.
struct LayoutSamples {
    int layout;
    std::vector<std::pair<const char*, const char*>> samples;  // key name, its text
};

struct StatementCase {
    std::string window;
    std::string event;
    std::string expected;  // the statement, or the code that ends the refusal
};

template <class Parser>
class ToolParserTest : public ProjectTest {
protected:
    CWindowKav* Add(const std::string& name, CWindowKav* parent, const WindowSpec& spec) {
        return windows_[name] = AddSpecWindow(project, name, parent, spec);
    }

    // The statement, or the message of the refusal.
    std::string Translate(const std::string& window, const std::string& event) {
        std::string out;
        const std::string message =
            Refusal([&] { return parser_.TranslateEventString(event, windows_.at(window), out); });
        return message.empty() ? out : message;
    }

    // Each case's statement, or its refusal when a code is expected.
    void ExpectStatements(const std::vector<StatementCase>& cases) {
        for (const auto& [window, event, expected] : cases) {
            const std::string result = Translate(window, event);
            if (expected.starts_with("[W"))
                EXPECT_TRUE(result.ends_with(expected)) << window << " " << event << ": " << result;
            else EXPECT_EQ(result, expected) << window << " " << event;
        }
    }

    // Each case's key texts, or its refusal: the whole message, or only its code ("[W0594]").
    void ExpectKeySequences(const std::vector<std::pair<std::string, std::string>>& cases) {
        for (const auto& [keys, expected] : cases) {
            std::string out = "stale";
            const std::string message = Refusal([&] { return parser_.TranslateKeySequence(keys, out); });
            if (expected.starts_with("[W")) {
                EXPECT_TRUE(message.ends_with(expected)) << keys << ": " << message;
            } else if (expected.find(" [W") != std::string::npos) {
                EXPECT_EQ(message, expected) << keys;
            } else {
                EXPECT_EQ(message, "") << keys;
                EXPECT_EQ(out, expected) << keys;
            }
        }
    }

    // A parser that fill gives the key table of each layout knows every key name of the
    // notation, with its code and a text that begins as given, and the samples' texts.
    template <class Fill>
    static void ExpectEveryKeyName(const std::vector<LayoutSamples>& layouts, const std::string& textBegins, Fill fill) {
        const std::vector<std::string> keyNames = NotationKeyNames();
        ASSERT_EQ(keyNames.size(), 71u);
        for (const auto& [layout, samples] : layouts) {
            Parser parser;
            fill(parser, layout);
            for (const std::string& name : keyNames) {
                const CEventKey* key = parser.FindKey(name);
                ASSERT_NE(key, nullptr) << layout << " " << name;
                EXPECT_TRUE(key->GetText().starts_with(textBegins)) << layout << " " << name;
                EXPECT_EQ(key->GetCode(), name.size() == 2 && name[0] == '#' ? kKeypadCharacterKey : kNamedKey) << name;
            }
            for (const auto& [name, text] : samples) EXPECT_EQ(parser.FindKey(name)->GetText(), text) << layout;
        }
    }

    Parser parser_;
    std::map<std::string, CWindowKav*> windows_;
};
