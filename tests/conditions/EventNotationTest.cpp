#include <gtest/gtest.h>

#include <string>

#include "conditions/EventParser.h"
#include "tests/support/Refusal.h"

namespace {

// "name/count|argument|...", or the message of the refusal.
std::string Split(const std::string& event) {
    EventParts parts;
    const std::string message = Refusal([&] { return CEventParser::SplitEventString(event, parts); });
    if (!message.empty()) return message;
    std::string text = parts.name + "/" + std::to_string(parts.count);
    for (int position = 1; position <= parts.count; ++position) text += "|" + parts.Argument(position);
    return text;
}

TEST(EventSplitTest, NamesAndArguments) {
    const std::pair<std::string, std::string> cases[] = {
        {"Click", "click/0"},
        {" \tCLICK  ", "click/0"},
        {"Click(L, 2)", "click/2|L|2"},
        {"Click(L,1,2,3)", "click/4|L|1|2|3"},
        // blanks outside quotes are dropped, inside they stay
        {R"(Input(#A# & "x"))", R"(input/1|#A#&"x")"},
        {R"(Input("a, b"))", R"(input/1|"a, b")"},
        // an escaped quote does not close the text; the escape stays
        {R"(Input("a\"b, c", d))", R"(input/2|"a\"b, c"|d)"},
        {R"(Input("a\\", b))", R"(input/2|"a\\"|b)"},
        // brackets inside the list are ordinary characters
        {"Input(f(x))", "input/1|f(x)"},
        {R"(Input(""))", R"(input/1|"")"},
    };
    for (const auto& [event, expected] : cases) EXPECT_EQ(Split(event), expected) << event;
}

TEST(EventSplitTest, MalformedEventsAreRefused) {
    const std::pair<std::string, std::string> cases[] = {
        {"Click()", "Missing parameter! [W0353]"},
        {"Input(a,)", "Missing parameter! [W0353]"},
        {"Input(a,,b)", "Missing parameter! [W0352]"},
        {"Input(,a)", "Missing parameter! [W0352]"},
        {"Click(", "Missing ')'! [W0349]"},
        {"Click(L", "Missing ')'! [W0350]"},
        {"Click(L) ", "Missing ')'! [W0350]"},
        {"Click(L,1,2,3,4)", "Too many parameters! [W0354]"},
        {R"(Input(a\b))", "Misplaced '\\'! [W0351]"},
        {R"(Input("abc))", "Missing double quote! [W0356]"},
        {R"(Input("a\"))", "Missing double quote! [W0356]"},
    };
    for (const auto& [event, expected] : cases) EXPECT_EQ(Split(event), expected) << event;
}

TEST(EventSplitTest, ALongArgumentIsKeptWhole) {
    const std::string text = "\"" + std::string(400, 'x') + "\"";
    EXPECT_EQ(Split("Input(" + text + ", 1)"), "input/2|" + text + "|1");
}

TEST(EventSplitTest, EachSplitStartsFromEmptyParts) {
    EventParts parts;
    ASSERT_EQ(CEventParser::SplitEventString("Click(L, 2)", parts), 1);
    EXPECT_EQ(CEventParser::SplitEventString("Close", parts), 1);
    EXPECT_EQ(parts.count, 0);
    EXPECT_EQ(parts.Argument(1), "");
}

TEST(EventTextTest, QuotesAndEscapes) {
    const std::pair<std::string, std::string> stripped[] = {
        {R"("abc")", "abc"}, {R"("")", ""}, {R"(")", R"(")"}, {R"("abc)", R"("abc)"}, {"abc", "abc"}, {R"(a"b")", R"(a"b")"},
    };
    for (const auto& [text, expected] : stripped) EXPECT_EQ(CEventParser::StripQuotes(text), expected) << text;

    const std::pair<std::string, std::string> unescaped[] = {
        {R"(a\"b)", R"(a"b)"}, {R"(a\\b)", R"(a\b)"}, {R"(a\)", "a"}, {R"(\\\\)", R"(\\)"}, {R"(\\\)", R"(\)"}, {"plain", "plain"},
    };
    for (const auto& [text, expected] : unescaped) EXPECT_EQ(CEventParser::RemoveEscapes(text), expected) << text;
}

}  // namespace
