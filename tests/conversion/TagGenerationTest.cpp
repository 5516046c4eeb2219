// Recognition tags without a dialog, through a converter table whose tools record what they are
// asked.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "conditions/EventParser.h"
#include "conversion/framework/TagGeneration.h"
#include "model/WindowList.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/WindowBuilder.h"

namespace {

constexpr int kStubTool = 8;
constexpr int kToolWithoutGenerator = 5;
constexpr int kNoTool = 2;

// A tool parser that addresses the windows named in the set without a tag.
class StubParser : public CEventParser {
public:
    explicit StubParser(std::set<std::string> tagOptional) : tagOptional_(std::move(tagOptional)) {}
    bool IsTagOptional(const CWindowKav* window, int context) override {
        EXPECT_EQ(context, 1);
        return tagOptional_.contains(window->GetName());
    }

private:
    std::set<std::string> tagOptional_;
};

class TagGenerationTest : public ProjectTest {
protected:
    TagGenerationTest() {
        table = {
            {{kStubTool}, ConversionRoad::PerPackage, nullptr,
             [this] { return std::make_unique<StubParser>(tagOptional); },
             [this](CWindowKav& window, int preferCaption) {
                 visits.emplace_back(window.GetName(), preferCaption);
                 window.SetTag("tag of " + window.GetName());
                 return window.GetName() == failing ? 0 : 1;
             }},
            {{kToolWithoutGenerator}, ConversionRoad::PerPackage, nullptr,
             [] { return std::make_unique<StubParser>(std::set<std::string>{}); }},
            {{kNoTool}, ConversionRoad::PerPackage, nullptr},
        };
    }

    std::vector<std::string> Names(const std::vector<CWindowKav*>& windows) {
        std::vector<std::string> names;
        for (const CWindowKav* window : windows) names.push_back(window->GetName());
        return names;
    }
    std::vector<std::string> Visited() {
        std::vector<std::string> names;
        for (const auto& visit : visits) names.push_back(visit.first);
        return names;
    }

    ConverterTable table;
    std::vector<std::pair<std::string, int>> visits;
    std::string failing;
    std::set<std::string> tagOptional;
    CWindowKav* login = project.AddWindow("Login");
    CWindowKav* ok = project.AddWindow("OK", login, kWndPushButton);
    CWindowKav* search = project.AddWindow("Search");
};

}  // namespace

TEST_F(TagGenerationTest, TheWholeProjectVisitsEachWindowWithoutParentOnce) {
    EXPECT_EQ(GenerateWindowTags(app, kStubTool, nullptr, 1, table), 1);
    std::vector<std::string> visited = Visited();
    std::sort(visited.begin(), visited.end());
    EXPECT_EQ(visited, (std::vector<std::string>{"Login", "Search"}));
    for (const auto& visit : visits) EXPECT_EQ(visit.second, 1) << visit.first;
    EXPECT_TRUE(TestInteraction().messages.empty());

    // One window: that window with the preference.
    visits.clear();
    EXPECT_EQ(GenerateWindowTags(app, kStubTool, ok, 0, table), 1);
    EXPECT_EQ(visits, (std::vector<std::pair<std::string, int>>{{"OK", 0}}));
}

TEST_F(TagGenerationTest, WindowsThatMayNotBeChangedOrCameFromARepositoryKeepTheirTags) {
    CWindowKav* library = project.AddWindow("Shared", nullptr, kWndMain, project.Lib());
    project.Lib()->SetReadOnly(true);
    search->SetImportTool(7);
    EXPECT_EQ(GenerateWindowTags(app, kStubTool, library, 0, table), 1);
    EXPECT_EQ(GenerateWindowTags(app, kStubTool, search, 0, table), 1);
    EXPECT_TRUE(visits.empty());
    EXPECT_EQ(GenerateWindowTags(app, kStubTool, nullptr, 0, table), 1);
    EXPECT_EQ(Visited(), std::vector<std::string>{"Login"});
    EXPECT_EQ(library->GetTag(), "");
}

TEST_F(TagGenerationTest, AFormatOfNoToolChangesNothingAndAToolWithoutGeneratorFails) {
    EXPECT_EQ(GenerateWindowTags(app, kNoTool, nullptr, 0, table), 1);
    EXPECT_EQ(GenerateWindowTags(app, kNoTool, login, 0, table), 1);
    EXPECT_EQ(GenerateWindowTags(app, kToolWithoutGenerator, login, 0, table), 0);
    EXPECT_EQ(GenerateWindowTags(app, kToolWithoutGenerator, nullptr, 0, table), 0);
    EXPECT_TRUE(visits.empty());
    EXPECT_EQ(login->GetTag(), "");
}

TEST_F(TagGenerationTest, AMasterFileBringsTheReadOnlyNoticeOnceBeforeAnyGeneration) {
    app.SetMasterFile(project.Lib());
    size_t messagesAtFirstVisit = 99;
    table[0].generateTags = [&](CWindowKav&, int) {
        if (messagesAtFirstVisit == 99) messagesAtFirstVisit = TestInteraction().messages.size();
        return 1;
    };
    EXPECT_EQ(GenerateWindowTags(app, kStubTool, nullptr, 0, table), 1);
    EXPECT_EQ(messagesAtFirstVisit, 1u);
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    const MessageRequest& notice = TestInteraction().messages[0];
    EXPECT_EQ(notice.text, "Tags will only be generated for windows that are not read-only! [I0022]");
    EXPECT_EQ(notice.caption, "Information");
    EXPECT_EQ(notice.icon, MessageIcon::Information);
}

TEST_F(TagGenerationTest, OneFailingWindowFailsTheProjectButTheOthersAreStillVisited) {
    failing = "Login";
    EXPECT_EQ(GenerateWindowTags(app, kStubTool, nullptr, 0, table), 0);
    EXPECT_EQ(Visited().size(), 2u);
    EXPECT_EQ(search->GetTag(), "tag of Search");
}

TEST_F(TagGenerationTest, MissingTagsAreChangeableWindowsWithoutTagToolDataOrOptionalTag) {
    CWindowKav* tagged = project.AddWindow("Tagged");
    tagged->SetTag("t");
    CWindowKav* described = project.AddWindow("Described");
    described->SetToolData(MakeElement("QTP_OBJECT"));
    project.AddWindow("Optional");
    tagOptional = {"Optional"};
    // The library window may not be changed: nobody could give it a tag.
    project.Lib()->SetReadOnly(true);
    project.AddWindow("Shared", nullptr, kWndMain, project.Lib());
    CWindowKav* editableLibraryWindow = project.AddWindow("Own", nullptr, kWndMain, project.Lib());
    std::vector<std::string> missing = Names(FindWindowsMissingTags(app, kStubTool, table));
    std::sort(missing.begin(), missing.end());
    EXPECT_EQ(missing, (std::vector<std::string>{"Login", "OK", "Search"}));
    project.Lib()->SetReadOnly(false);
    missing = Names(FindWindowsMissingTags(app, kStubTool, table));
    EXPECT_NE(std::find(missing.begin(), missing.end(), editableLibraryWindow->GetName()), missing.end());

    EXPECT_TRUE(FindWindowsMissingTags(app, kNoTool, table).empty());
}
