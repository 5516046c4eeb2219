#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "editors/framework/EditorList.h"

namespace {

std::vector<std::string> FirstTexts(const EditorList& list) {
    std::vector<std::string> texts;
    for (int row = 0; row < list.RowCount(); ++row) texts.push_back(list.RowTexts(row).front());
    return texts;
}

}  // namespace

TEST(EditorList, SortedRowsCompareWithoutCaseAndTiesKeepTheirOrder) {
    for (bool sorted : {false, true}) {
        EditorList list;
        list.SetSorted(sorted);
        for (const char* text : {"b", "C", "a", "B", ""}) list.AddRow({text}, nullptr);
        if (sorted) EXPECT_THAT(FirstTexts(list), ::testing::ElementsAre("", "a", "b", "B", "C"));
        else EXPECT_THAT(FirstTexts(list), ::testing::ElementsAre("b", "C", "a", "B", ""));
    }
}

TEST(EditorList, TheHighlightStaysOnItsRowWhileRowsComeAndGo) {
    int objects[4] = {};
    EditorList list;
    list.SetSorted(true);
    list.AddRow({"m"}, &objects[0]);
    list.AddRow({"x"}, &objects[1]);
    list.Highlight(list.FindItem(&objects[1]));

    list.AddRow({"a"}, &objects[2]);
    EXPECT_EQ(list.ItemAt<int>(list.GetHighlighted()), &objects[1]);
    list.RemoveRow(list.FindItem(&objects[0]));
    EXPECT_EQ(list.ItemAt<int>(list.GetHighlighted()), &objects[1]);
    list.SetRowTexts(list.GetHighlighted(), {"0"});  // a changed text does not move the row
    EXPECT_THAT(FirstTexts(list), ::testing::ElementsAre("a", "0"));
    list.RemoveRow(list.GetHighlighted());
    EXPECT_EQ(list.GetHighlighted(), -1);
    EXPECT_EQ(list.ItemAt<int>(-1), nullptr);
    EXPECT_EQ(list.FindItem(&objects[3]), -1);
}
