#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "conditions/EventParser.h"
#include "tests/support/Refusal.h"

namespace {

// A tool parser with a key table of its own, filled the way tool parsers fill theirs.
class ToolKeyParser : public CEventParser {
public:
    ToolKeyParser() {
        RemoveAllKeys();
        InitKeyTable();
    }
    int InitKeyTable() override {
        AddKey("Enter", kNamedKey, "{ENTER}");
        AddKey("ctrl", kNamedKey, "^");
        AddKey("#+", kKeypadCharacterKey, "{ADD}");
        return 1;
    }
};

// A tool parser that writes every key, characters too, in brackets.
class BracketKeyParser : public CEventParser {
public:
    int TranslateKey(const std::string& key, std::string& out) override {
        if (!CEventParser::TranslateKey(key, out)) return 0;
        out = "[" + key + "]";
        return 1;
    }
};

// The translation, or the message of the refusal.
std::string Keys(CEventParser& parser, const std::string& sequence) {
    std::string out = "unchanged";
    const std::string message = Refusal([&] { return parser.TranslateKeySequence(sequence, out); });
    if (!message.empty()) {
        EXPECT_EQ(out, "unchanged") << sequence;
        return message;
    }
    return out;
}

std::string KeyNames(CEventParser& parser, std::string text) {
    EXPECT_EQ(parser.TranslateKeyNames(text), 1);
    return text;
}

TEST(EventKeyTableTest, TheBaseTableHoldsTheKeyNamesOfTheNotation) {
    const std::vector<std::string> named = {
        "numlock", "#enter", "#home", "#end", "#ins", "#del", "#pgup", "#pgdn", "#left", "#right", "#up", "#down",
        "esc", "f1", "f2", "f3", "f4", "f5", "f6", "f7", "f8", "f9", "f10", "f11", "f12", "prtscr", "scrllock",
        "pause", "ins", "del", "home", "end", "pgup", "pgdn", "left", "right", "up", "down", "backspace", "tab",
        "capslock", "enter", "shift", "shiftl", "shiftr", "ctrl", "ctrll", "ctrlr", "alt", "altl", "altr", "altgr",
        "win", "winl", "winr", "menu"};
    const std::vector<std::string> keypadCharacters = {"#/", "#*", "#-", "#+", "#.", "#0", "#1", "#2",
                                                       "#3", "#4", "#5", "#6", "#7", "#8", "#9"};
    std::set<std::string> distinct(named.begin(), named.end());
    distinct.insert(keypadCharacters.begin(), keypadCharacters.end());
    EXPECT_EQ(distinct.size(), 71u);

    const CEventParser parser;
    for (const std::string& name : named) {
        const CEventKey* key = parser.FindKey(name);
        ASSERT_NE(key, nullptr) << name;
        EXPECT_EQ(key->GetCode(), kNamedKey) << name;
        EXPECT_EQ(key->GetText(), "") << name;
    }
    for (const std::string& name : keypadCharacters) {
        const CEventKey* key = parser.FindKey(name);
        ASSERT_NE(key, nullptr) << name;
        EXPECT_EQ(key->GetCode(), kKeypadCharacterKey) << name;
    }
    for (const char* other : {"f13", "f0", "#a", "space", "", "ctrl "}) EXPECT_EQ(parser.FindKey(other), nullptr) << other;
}

TEST(EventKeyTableTest, LookupsHashTheLowerCasedName) {
    EXPECT_EQ(CEventParser::HashKey("alt"), 1);
    EXPECT_EQ(CEventParser::HashKey("ctrl"), 17);
    EXPECT_EQ(CEventParser::HashKey(""), 0);
    CEventParser parser;
    ASSERT_NE(parser.FindKey("ALT"), nullptr);
    EXPECT_EQ(parser.FindKey("ALT")->GetName(), "alt");

    // names are stored lower-cased, and the first of two equal names is found
    parser.AddKey("PgUp", kNamedKey, "second");
    EXPECT_EQ(parser.FindKey("pgup")->GetText(), "");
    parser.RemoveAllKeys();
    parser.AddKey("PgUp", kNamedKey, "{PGUP}");
    parser.AddKey("pgup", kNamedKey, "later");
    EXPECT_EQ(parser.FindKey("PGUP")->GetName(), "pgup");
    EXPECT_EQ(parser.FindKey("PGUP")->GetText(), "{PGUP}");
    EXPECT_EQ(parser.FindKey("enter"), nullptr);
}

TEST(EventKeyTableTest, AToolParserReplacesTheBaseTable) {
    ToolKeyParser parser;
    EXPECT_EQ(parser.FindKey("tab"), nullptr);
    ASSERT_NE(parser.FindKey("ENTER"), nullptr);
    EXPECT_EQ(parser.FindKey("enter")->GetText(), "{ENTER}");
}

TEST(EventKeySequenceTest, TheBaseTableKnowsNamesButWritesNothingForThem) {
    CEventParser parser;
    const std::pair<std::string, std::string> cases[] = {
        {R"("<enter>a")", "a"},
        {R"("a\")", "a"},
        {R"("<ctrl>a\<b")", "a<b"},
        {R"("<ENTER>")", ""},
        {R"("<a>")", "a"},  // a one-character name stands for that character
        {R"("<\>>")", ">"},
        {R"("a>b")", "a>b"},  // a ">" that closes no name is a character
        {R"(">")", ">"},
        {R"("<tab>>")", ">"},
        {R"("é<enter>ü")", "éü"},
        {"unquoted", "unquoted"},
        {R"("")", ""},
        {R"("<enter")", "Missing '>' after key name! [W0358]"},
        {R"("<alt<")", "Missing '>' after key name! [W0357]"},
        {R"("<F13>")", "Unknown key name F13! [W0361]"},
        {R"("<foo>")", "Unknown key name foo! [W0361]"},
        {R"("<>")", "Unknown key name ! [W0361]"},
        {R"("<ctrl\>")", "Missing '>' after key name! [W0358]"},
    };
    for (const auto& [sequence, expected] : cases) EXPECT_EQ(Keys(parser, sequence), expected) << sequence;
}

TEST(EventKeySequenceTest, ToolParsersWriteTheirOwnKeys) {
    ToolKeyParser tool;
    EXPECT_EQ(Keys(tool, R"("<Ctrl>s<enter><#+>")"), "^s{ENTER}{ADD}");
    EXPECT_EQ(Keys(tool, R"("<tab>")"), "Unknown key name tab! [W0361]");

    BracketKeyParser brackets;
    EXPECT_EQ(Keys(brackets, R"("a\<<enter>")"), "[a][<][enter]");
}

TEST(EventKeyNamesTest, NamesInFreeTextAreReplacedWhereKnown) {
    CEventParser base;
    EXPECT_EQ(KeyNames(base, "a<enter>b"), "ab");
    EXPECT_EQ(KeyNames(base, "x<foo>y"), "x<foo>y");
    EXPECT_EQ(KeyNames(base, "a<b"), "a<b");

    ToolKeyParser tool;
    const std::pair<std::string, std::string> cases[] = {
        {"press <enter> now", "press {ENTER} now"},
        {"<foo> and <ENTER>", "<foo> and {ENTER}"},
        {"<a <enter>", "<a {ENTER}"},
        {"a > b <enter", "a > b <enter"},
        {"<x>", "x"},
        {"<foo>", "<foo>"},
        {"", ""},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(KeyNames(tool, text), expected) << text;
}

}  // namespace
