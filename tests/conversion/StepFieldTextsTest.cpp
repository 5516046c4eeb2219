// The readings of a step's commands and criticality that the sheets and exchange files share.
#include <gtest/gtest.h>

#include "conversion/xml/StepFieldTexts.h"

namespace {

TEST(CriticalityName, NamesTheFiveLevelsAndCallsEverythingElseMajor) {
    const std::pair<int, const char*> cases[] = {{0, "NEGLIGIBLE"}, {1, "SIGNIFICANT"}, {2, "MAJOR"},
                                                 {3, "CRITICAL"},   {4, "CATASTROPHIC"}, {-1, "MAJOR"},
                                                 {7, "MAJOR"}};
    for (const auto& [code, name] : cases) EXPECT_EQ(GetCriticalityName(code), name) << code;
}

struct NameValueCase {
    const char* text;
    std::string first, second;
    std::vector<std::string> names, values;
};

TEST(NameValueList, SplitsHeadLinesAndNameValueLinesWhateverTheLineEnd) {
    const NameValueCase cases[] = {
        {"a\r\nb\r\nx=1=2\r\ny", "a", "b", {"x"}, {"1=2"}},
        {"a\nb\nx=1=2\ny\nz=", "a", "b", {"x", "z"}, {"1=2", ""}},
        {"single", "single", "", {}, {}},
        {"\nb\nx=1", "", "", {}, {}},
        {"a\r\n\r\n=v\r\n", "a", "", {""}, {"v"}},
        {"", "", "", {}, {}},
    };
    for (const NameValueCase& c : cases) {
        std::string first = "old", second = "old";
        std::vector<std::string> names{"old"}, values{"old"};
        EXPECT_EQ(ParseNameValueList(c.text, first, second, names, values), 1);
        EXPECT_EQ(first, c.first) << c.text;
        EXPECT_EQ(second, c.second) << c.text;
        EXPECT_EQ(names, c.names) << c.text;
        EXPECT_EQ(values, c.values) << c.text;
    }
}

}  // namespace
