#pragma once
// A fixture for the tests of a tool's event parser: windows by name, and the statement the
// parser makes of an event on one of them.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "SilkTestWindows.h"
#include "tests/support/Refusal.h"

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

    Parser parser_;
    std::map<std::string, CWindowKav*> windows_;
};
