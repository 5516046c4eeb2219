// The application pane switches only to a page it has, telling the sheet's parent before and after.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/controls/XPropertySheet.h"
#include "tests/support/GlobalState.h"
#include "tests/views/FakeTreePageHost.h"
#include "views/pane/ApplicationDlg.h"

namespace {

class FakePage : public CXPropertyPage {
public:
    explicit FakePage(std::string title) : CXPropertyPage(std::move(title)) {}
    void ShowPage(bool shown) override { this->shown = shown; }
    void PlacePage(const PixelRect&) override {}
    bool shown = false;
};

class Notifications : public TabNotifications {
public:
    void SelectionChanging() override { events.push_back("changing"); }
    void SelectionChanged() override { events.push_back("changed"); }
    std::vector<std::string> events;
};

}  // namespace

TEST(ApplicationPane, SwitchesOnlyToAPageItHasAndTellsTheSheetsParent) {
    FakeTreePageHost host;
    CApplicationDlg pane(host);
    EXPECT_EQ(pane.SetActivePage(0), nullptr) << "no sheet yet";
    CXPropertySheet sheet;
    FakePage pages[] = {FakePage("Tasks"), FakePage("Requirements"), FakePage("Windows"), FakePage("Test Data")};
    for (FakePage& page : pages) sheet.AddPage(&page, true, 0);
    sheet.SetCurSel(0);
    Notifications parent;
    sheet.SetParent(&parent);
    pane.AttachSheet(&sheet);

    for (int outside : {-1, 4}) {
        EXPECT_EQ(pane.SetActivePage(outside), nullptr);
        EXPECT_TRUE(parent.events.empty()) << outside;
        EXPECT_EQ(pane.GetActivePage(), 0);
    }
    EXPECT_EQ(pane.SetActivePage(2), &sheet);
    EXPECT_EQ(parent.events, (std::vector<std::string>{"changing", "changed"}));
    EXPECT_EQ(pane.GetActivePage(), 2);
    EXPECT_TRUE(pages[2].shown);
    EXPECT_FALSE(pages[0].shown);
}
