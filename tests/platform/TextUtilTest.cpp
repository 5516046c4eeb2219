#include <gtest/gtest.h>

#include "platform/TextUtil.h"

TEST(MakeGuidText, FillsPairsFromTheFirstSixteenCodeUnits) {
    const std::pair<std::string, std::string> cases[] = {
        {"A", "41000000-0000-0000-0000-000000000000"},
        {"0000000mI4I3", "30303030-3030-306d-4934-493300000000"},
        {"", "00000000-0000-0000-0000-000000000000"},
        {"abcdefghijklmnopqrst", "61626364-6566-6768-696a-6b6c6d6e6f70"},  // 20 characters: the first 16 count
        {"\xC3\xA4", "e4000000-0000-0000-0000-000000000000"},                  // U+00E4
        {"\xE4\xB8\xAD", "4e000000-0000-0000-0000-000000000000"},              // U+4E2D: first two digits
    };
    for (const auto& [text, guid] : cases) EXPECT_EQ(MakeGuidText(text), guid) << text;
}

TEST(SplitFirstLine, AcceptsCrLfAndBareLf) {
    struct Case {
        std::string text, line, rest;
        bool last;
    };
    const Case cases[] = {
        {"ab\r\ncd", "ab", "cd", false},
        {"ab\ncd", "ab", "cd", false},  // a bare LF keeps every character of the line
        {"x\nrest", "x", "rest", false},
        {"\nrest", "", "rest", false},
        {"only", "only", "", true},
        {"", "", "", true},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        bool last = !c.last;
        EXPECT_EQ(SplitFirstLine(text, last), c.line) << c.text;
        EXPECT_EQ(text, c.rest) << c.text;
        EXPECT_EQ(last, c.last) << c.text;
    }
}

TEST(WrapText, BreaksAfterTheLastSeparatorOrAtTheWidth) {
    EXPECT_EQ(WrapText("abcdefghijklmnopqrstuvwxy", 10), "abcdefghij\r\nklmnopqrst\r\nuvwxy");
    EXPECT_EQ(WrapText("abc def ghijkl", 10), "abc def \r\nghijkl");
    EXPECT_EQ(WrapText("a-b-c-d-e-f-g", 4), "a-b-\r\nc-d-\r\ne-f-\r\ng");
    EXPECT_EQ(WrapText("short\r\nlines\nhere", 10), "short\r\nlines\r\nhere");
    EXPECT_EQ(WrapText("", 10), "");
    // Width counts characters, not bytes.
    EXPECT_EQ(WrapText("\xC3\xA4\xC3\xB6\xC3\xBC", 2), "\xC3\xA4\xC3\xB6\r\n\xC3\xBC");
}

TEST(WordSeparators, AreBlankTabAndTheListedPunctuation) {
    for (char c : std::string(" \t,;:_-/\\=+*&<>|")) EXPECT_TRUE(IsWordSeparator(c)) << c;
    for (char c : std::string("a0.!?()\"'")) EXPECT_FALSE(IsWordSeparator(c)) << c;
}

TEST(Utf, RoundTripsAndReplacesInvalidSequences) {
    std::string text = "a\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80";  // a, U+00E4, U+20AC, U+1F600
    bool ok = false;
    std::u16string wide = Utf8ToUtf16(text, &ok);
    EXPECT_TRUE(ok);
    EXPECT_EQ(wide.size(), 5u);
    EXPECT_EQ(Utf16ToUtf8(wide), text);
    EXPECT_EQ(Utf16Length(text), 5u);
    EXPECT_EQ(Utf16Left(text, 4), "a\xC3\xA4\xE2\x82\xAC");  // the pair is not split

    const std::string invalid[] = {"\xFF", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "a\x80z"};
    for (const auto& bad : invalid) {
        EXPECT_FALSE(IsValidUtf8(bad));
        EXPECT_TRUE(IsValidUtf8(SanitizeUtf8(bad)));
        EXPECT_NE(SanitizeUtf8(bad).find("\xEF\xBF\xBD"), std::string::npos);
    }
    std::u16string lone = {u'a', 0xD800};
    EXPECT_EQ(Utf16ToUtf8(lone, &ok), "a\xEF\xBF\xBD");
    EXPECT_FALSE(ok);
}

TEST(CaseFolding, ComparesWithoutCaseBeyondAscii) {
    EXPECT_TRUE(EqualsNoCase("Main", "MAIN"));
    EXPECT_TRUE(EqualsNoCase("\xC3\x84pfel", "\xC3\xA4PFEL"));  // Äpfel
    EXPECT_FALSE(EqualsNoCase("Main", "Mai"));
    EXPECT_LT(CompareNoCase("a_001", "B_001"), 0);
    EXPECT_EQ(ToLowerText("ABC\xC3\x96"), "abc\xC3\xB6");
    EXPECT_EQ(ToUpperText("abc\xC3\xB6"), "ABC\xC3\x96");
    EXPECT_EQ(FoldCase(u'\u0410'), u'\u0430');
}

TEST(ReplaceSeparators, ReplacesEachSeparatorAndTakesTheCarriageReturnWithALineFeed) {
    struct Case {
        std::string text, separators, replacement, expected;
    };
    const Case cases[] = {
        {"a\r\nb\nc", "\n", "<br>", "a<br>b<br>c"},
        {"a\rb", "\n", "<br>", "a\rb"},                      // a lone CR is no line break
        {"a\r\r\nb", "\n", " ", "a\r b"},                    // only the CR right before the LF goes
        {"Edit*Box", "*", ".*", "Edit.*Box"},
        {"a;b,c", ";,", "", "abc"},
        {"x\xC3\xA4y", "\xC3\xA4", "ae", "xaey"},            // separators are characters, not bytes
        {"", "\n", "-", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ReplaceSeparators(c.text, c.separators, c.replacement), c.expected) << c.text;
}

TEST(ExtractHtmlBody, KeepsTheBodyAsPlainText) {
    const std::pair<std::string, std::string> cases[] = {
        {"<body>A&#65;B</body>", "AAB"},
        {"<html><head><title>T</title></head><body><b>bold</b> text</body></html>", "bold text"},
        {"no body <i>here</i>", "no body here"},
        {"<body>one<p>two</p><p>three</body>", "one\r\ntwo\r\nthree"},
        {"<p>first</p>", "first"},                          // a paragraph at the start breaks nothing
        {"<body>a &amp; b; #1</body>", "a &amp; b; #1"},    // named references stay as written
        {"<body>&#8364; &#x41; &#0; &#; &#65</body>", "\xE2\x82\xAC &#x41; &#0; &#; &#65"},
        {"<body><a title=\"&#65;\">x</a></body>", "x"},     // nothing of a tag is copied
        {"<body>\xC3\xA4<br>\xC3\xB6</body>", "\xC3\xA4\xC3\xB6"},
    };
    for (const auto& [html, text] : cases) EXPECT_EQ(ExtractHtmlBody(html), text) << html;
}

TEST(MakeToolTipText, KeepsTheFirstThousandCharacters) {
    EXPECT_EQ(MakeToolTipText(std::string(1500, 'x')), std::string(1000, 'x'));
    EXPECT_EQ(MakeToolTipText("short"), "short");
    std::string umlauts;
    for (int i = 0; i < 1200; ++i) umlauts += "\xC3\xA4";
    EXPECT_EQ(Utf16Length(MakeToolTipText(umlauts)), 1000u);
}

TEST(ReplaceNoCase, ReplacesEveryOccurrenceWithoutRescanning) {
    struct Case {
        std::string text, oldText, newText, result;
        bool replaced;
    };
    const Case cases[] = {
        {"#Login# and #LOGIN:$Enabled#", "#login", "#Logon", "#Logon# and #Logon:$Enabled#", true},
        {"#LoginDlg#", "#Login#", "#Logon#", "#LoginDlg#", false},
        {"aaa", "a", "aa", "aaaaaa", true},  // the inserted text is not searched again
        {"\xC3\x84pfel \xC3\xA4pfel", "\xC3\xA4", "e", "epfel epfel", true},
        {"text", "", "x", "text", false},
    };
    for (const Case& c : cases) {
        std::string result;
        EXPECT_EQ(ReplaceNoCase(c.text, result, c.oldText, c.newText), c.replaced) << c.text;
        EXPECT_EQ(result, c.result) << c.text;
    }
}

TEST(ParseLeadingInt, ReadsLeadingDigitsAndSaturates) {
    struct Case {
        std::string text;
        int value;
        size_t end;
    };
    const Case cases[] = {
        {"42", 42, 2},         {"  -5", -5, 4},     {"5x", 5, 1},
        {"+7 ", 7, 2},         {"", 0, 0},          {"abc", 0, 0},
        {"-", 0, 0},           {"99999999999", 2147483647, 11},
        {"-99999999999", -2147483647 - 1, 12},
    };
    for (const Case& c : cases) {
        size_t end = 99;
        EXPECT_EQ(ParseLeadingInt(c.text, &end), c.value) << c.text;
        EXPECT_EQ(end, c.end) << c.text;
    }
}
