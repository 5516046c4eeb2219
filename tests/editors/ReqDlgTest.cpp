#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/requirements/ReqDlg.h"
#include "editors/requirements/RequirementDlg.h"
#include "model/FileKav.h"
#include "model/TaskKav.h"
#include "resources/MessageCatalogue.h"
#include "shell/CommandIds.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/ModelTreeProbe.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// The main file Proj holds alpha, Beta, R1 "Login" (children R1.2 and R1.1, which has R1.1.1)
// and R2; the task T covers R1 and R1.1.1. The read-only library Lib holds R5 with its child R6.
class ReqDlgTest : public ProjectTest {
protected:
    ReqDlgTest() {
        project.AddRequirement("alpha");
        project.AddRequirement("Beta");
        r1->SetTitle("Login");
        task->GetRequirements() = {r1, r111};
        project.Lib()->SetReadOnly(true);
        page.Tree().SetObserver(&observer);
        // The frame carries out what the page sends it, as its enabling allows.
        host.onCommand = [this](int command) {
            if (page.IsRequirementCommandEnabled(command)) page.RunRequirementCommand(command);
        };
        page.RebuildTree();
    }

    const CReqTree& Tree() const { return page.Tree(); }
    int ItemOf(const CRequirement& requirement) const { return Tree().ItemOf(requirement); }
    std::string Text(int item) const { return Tree().Find(item)->text; }
    void Choose(int item) {
        ASSERT_NE(Tree().Find(item), nullptr);
        page.Tree().SetCaret(item);
    }
    int LibraryRoot() const { return ItemAt(Tree(), {"Library Lib"}); }

    CRequirement* r1 = project.AddRequirement("R1");
    CRequirement* r12 = project.AddRequirement("R1.2", r1);
    CRequirement* r11 = project.AddRequirement("R1.1", r1);
    CRequirement* r111 = project.AddRequirement("R1.1.1", r11);
    CRequirement* r2 = project.AddRequirement("R2");
    CRequirement* r5 = project.AddRequirement("R5", nullptr, project.Lib());
    CRequirement* r6 = project.AddRequirement("R6", r5, project.Lib());
    CTaskKav* task = project.AddTask("T");
    FakeEditorHost host;
    CReqDlg page{host};
    RecordingTreeObserver observer;
};

const std::vector<std::string> kProject{"Project Proj"};

}  // namespace

TEST_F(ReqDlgTest, TheTreeShowsTheFilesWithTheirRequirementsColouredAndSorted) {
    app.GetFiles().Add(new CFileKav("Alib"));
    app.GetFiles().Add(new CFileKav(""));  // a file without a name has no item
    page.RebuildTree();
    EXPECT_THAT(Outline(Tree()), ElementsAre("Project Proj [0]",
                                             "  alpha [1]",
                                             "  Beta [1]",
                                             "  R1 - Login [1] b",
                                             "    R1.1 [1]",
                                             "      R1.1.1 [1] b",
                                             "    R1.2 [1]",
                                             "  R2 [1]",
                                             "Library Alib [2]",
                                             "Library Lib [2]",
                                             "  R5 (READ-ONLY) [1] g",
                                             "    R6 [1] g"));
    EXPECT_EQ(Tree().GetProjectItem(), ItemAt(Tree(), kProject));
    EXPECT_EQ(observer.expanded.back(), Tree().GetProjectItem());
    EXPECT_EQ(ItemOf(*r6), ItemAt(Tree(), {"Library Lib", "R5 (READ-ONLY)", "R6"}));
    EXPECT_EQ(Tree().RequirementOf(ItemOf(*r6)), r6);
    EXPECT_EQ(Tree().FileOf(LibraryRoot()), project.Lib());
}

// Outside a fill the colour asks the tasks again: one that covers the requirement since makes
// it blue.
TEST_F(ReqDlgTest, ARefreshedRequirementShowsItsNewTitleCoverageAndPlace) {
    task->GetRequirements().push_back(r2);
    r2->SetTitle("Audit");
    r2->SetID("A2");
    page.RefreshRequirement(*r2);
    EXPECT_EQ(Text(ItemOf(*r2)), "A2 - Audit");
    EXPECT_EQ(Tree().Find(ItemOf(*r2))->colours.text, kTreeTextBlue);
    EXPECT_EQ(Tree().Children(Tree().GetProjectItem()).front(), ItemOf(*r2));
}

TEST_F(ReqDlgTest, CommandsAreEnabledByTheChosenItem) {
    using namespace command;
    struct Case {
        int item;
        std::vector<int> enabled;
    };
    const Case cases[] = {
        {ItemAt(Tree(), kProject), {kNewRequirement}},
        {LibraryRoot(), {}},
        {ItemOf(*r111), {kNewRequirement, kPropertiesEditor}},
        {ItemOf(*r5), {kPropertiesEditor}},
        {kNoItem, {}},
    };
    for (const Case& c : cases) {
        page.Tree().SetCaret(c.item);
        std::vector<int> enabled;
        for (int command : {kNewRequirement, kPropertiesEditor, kDelete, kSearchReferences})
            if (page.IsRequirementCommandEnabled(command)) enabled.push_back(command);
        EXPECT_EQ(enabled, c.enabled) << c.item;
    }
}

// The first one goes to the top level and is chosen, so the second becomes its child. Each is
// recorded before its properties are asked for.
TEST_F(ReqDlgTest, NewRequirementsAreNumberedAndOpenTheirProperties) {
    Choose(Tree().GetProjectItem());
    std::vector<size_t> undoStepsAtCommand;
    host.onCommand = [&](int) { undoStepsAtCommand.push_back(host.undoSteps.size()); };
    page.NewRequirement();
    page.NewRequirement();
    CRequirement* first = app.FindRequirement("NewReq1", false);
    CRequirement* second = app.FindRequirement("NewReq2", false);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->GetParent(), nullptr);
    EXPECT_EQ(second->GetParent(), first);
    EXPECT_EQ(first->GetFile(), project.Main());
    EXPECT_EQ(first->GetFileId(), project.Main()->GetID());
    EXPECT_EQ(ItemOf(*second), ItemAt(Tree(), {"Project Proj", "NewReq1", "NewReq2"}));
    EXPECT_EQ(Tree().GetCaret(), ItemOf(*second));
    EXPECT_EQ(observer.selected, ItemOf(*second));
    EXPECT_THAT(host.undoSteps, ElementsAre("Create Requirement", "Create Requirement"));
    EXPECT_THAT(host.commands, ElementsAre(command::kPropertiesEditor, command::kPropertiesEditor));
    EXPECT_THAT(undoStepsAtCommand, ElementsAre(1u, 2u));
}

TEST_F(ReqDlgTest, ANewRequirementSkipsTheIdsOfTheMainFileOnly) {
    struct Case {
        const char* taken;
        CFileKav* file;
        const char* expected;
    };
    const Case cases[] = {
        {"NewReq1", project.Main(), "NewReq2"},
        {"newreq1", project.Main(), "NewReq2"},
        {"NewReq1", project.Lib(), "NewReq1"},
    };
    for (const Case& c : cases) {
        TestProject other;
        other.AddRequirement(c.taken, nullptr, c.file == project.Main() ? other.Main() : other.Lib());
        FakeEditorHost otherHost;
        CReqDlg otherPage{otherHost};
        otherPage.RebuildTree();
        otherPage.Tree().SetCaret(otherPage.Tree().GetProjectItem());
        otherPage.NewRequirement();
        EXPECT_EQ(otherPage.GetSelectedRequirement()->GetID(), c.expected) << c.taken;
    }
}

TEST_F(ReqDlgTest, ANewRequirementsDialogGivesItItsTitle) {
    Choose(ItemOf(*r2));
    host.session = [](EditorDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Requirement NewReq1");
        dialog.SetText(kRequirementTitle, "Entry");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    };
    page.RunRequirementCommand(command::kNewRequirement);
    EXPECT_THAT(host.undoSteps, ElementsAre("Create Requirement", "Edit Requirement Properties "));
    EXPECT_EQ(Text(Tree().GetCaret()), "NewReq1 - Entry");
    EXPECT_EQ(Tree().GetParent(Tree().GetCaret()), ItemOf(*r2));
    EXPECT_EQ(Tree().Find(ItemOf(*r2))->children.size(), 1u);
}

TEST_F(ReqDlgTest, TheDialogOfARequirementRecordsOnlyAChangeItMayMake) {
    Choose(ItemOf(*r12));
    host.session = [](EditorDialog& dialog) {
        dialog.SetText(kRequirementId, "R1.0");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    };
    page.OpenProperties();
    EXPECT_EQ(r12->GetID(), "R1.0");
    EXPECT_THAT(host.undoSteps, ElementsAre("Edit Requirement Properties "));
    // Its siblings are sorted again.
    EXPECT_EQ(Tree().Children(ItemOf(*r1)).front(), ItemOf(*r12));

    host.session = [](EditorDialog&) { return kIdCancel; };
    page.OpenProperties();
    Choose(ItemOf(*r5));
    host.session = [](EditorDialog& dialog) { return dialog.OnOK() ? kIdOk : kIdCancel; };
    page.OpenProperties();
    EXPECT_EQ(host.undoSteps.size(), 1u);
}

TEST_F(ReqDlgTest, RenamingInPlaceChecksTheIdAgainstTheMainFile) {
    const int item = ItemOf(*r2);
    struct Case {
        std::string text;
        std::string refused;  // text | caption
    };
    const Case cases[] = {
        {"r1", "A requirement with this ID is already existing! [W0796] | Invalid ID"},
        {"", "Please enter a valid requirement ID! [W0793] | Invalid ID"},
        {std::string(51, 'x'), "The ID must not be longer than 50 characters! [W0794] | Invalid ID"},
        {"R2", ""},  // confirmed as it was
        {"r2", ""},  // its own ID in other case
        {"R5", ""},  // a library's ID
    };
    for (const Case& c : cases) {
        EXPECT_EQ(page.BeginLabelEdit(item), r2->GetID());
        EXPECT_TRUE(page.IsEditingLabel());
        host.undoSteps.clear();
        TestInteraction().messages.clear();
        const std::string before = r2->GetID();
        EXPECT_EQ(page.EndLabelEdit(item, false, c.text), c.refused.empty()) << c.text;
        EXPECT_FALSE(page.IsEditingLabel());
        const auto& shown = TestInteraction().messages;
        EXPECT_EQ(shown.empty() ? "" : shown[0].text + " | " + shown[0].caption, c.refused) << c.text;
        EXPECT_EQ(host.undoSteps, c.refused.empty() ? std::vector<std::string>{"Edit Requirement ID"}
                                                    : std::vector<std::string>{});
        EXPECT_EQ(r2->GetID(), c.refused.empty() ? c.text : before);
        EXPECT_EQ(Text(item), r2->GetID());
    }
    // The edit box gets the bare ID; a cancelled edit changes nothing.
    EXPECT_EQ(page.BeginLabelEdit(ItemOf(*r1)), "R1");
    EXPECT_FALSE(page.EndLabelEdit(ItemOf(*r1), true, "R9"));
    EXPECT_EQ(Text(ItemOf(*r1)), "R1 - Login");
    // Roots and read-only requirements keep their labels.
    for (int refused : {Tree().GetProjectItem(), LibraryRoot(), ItemOf(*r5), ItemOf(*r6)}) {
        EXPECT_EQ(page.BeginLabelEdit(refused), std::nullopt) << Text(refused);
        EXPECT_FALSE(page.IsEditingLabel());
    }
}

TEST_F(ReqDlgTest, DropsAreCheckedAsTheUserIsTold) {
    struct Case {
        CRequirement* dragged;
        int target;
        std::string refused;  // text | caption
    };
    const Case cases[] = {
        {r12, LibraryRoot(), "Items cannot be dropped on a library! [W0426] | Target Folder is Read-Only"},
        {r1, ItemOf(*r111),
         "Illegal relationship: No cycles are allowed in the requirement hierarchy! [W0997] | Invalid Relationship"},
        {r2, ItemOf(*r5),
         "Items cannot be dropped on a read-only requirement! [W0996] | Target Requirement is Read-Only"},
        {r12, ItemOf(*r1), ""},  // its own parent
    };
    const std::vector<std::string> before = Outline(Tree());
    for (const Case& c : cases) {
        TestInteraction().messages.clear();
        EXPECT_FALSE(page.DropItem(ItemOf(*c.dragged), c.target));
        const auto& shown = TestInteraction().messages;
        EXPECT_EQ(shown.empty() ? "" : shown[0].text + " | " + shown[0].caption, c.refused) << c.dragged->GetID();
        if (!shown.empty()) {
            EXPECT_EQ(shown[0].icon, MessageIcon::Warning);
        }
    }
    EXPECT_EQ(Outline(Tree()), before);
    EXPECT_EQ(r12->GetParent(), r1);
    EXPECT_THAT(host.undoSteps, IsEmpty());
}

TEST_F(ReqDlgTest, ADroppedRequirementMovesWithItsChildren) {
    EXPECT_TRUE(page.DropItem(ItemOf(*r11), ItemOf(*r2)));
    EXPECT_EQ(r11->GetParent(), r2);
    EXPECT_THAT(r1->GetChildren(), ElementsAre(r12));
    EXPECT_THAT(Outline(Tree(), ItemOf(*r1)), ElementsAre("R1.2 [1]"));
    EXPECT_THAT(Outline(Tree(), ItemOf(*r2)), ElementsAre("R1.1 [1]", "  R1.1.1 [1] b"));
    EXPECT_EQ(Tree().GetCaret(), ItemOf(*r11));
    EXPECT_EQ(observer.expanded.back(), ItemOf(*r2));
    EXPECT_THAT(host.undoSteps, ElementsAre("Drag Requirement"));
}

// The project root gives no new parent: the requirement leaves its old one for the top level.
TEST_F(ReqDlgTest, AChildDroppedOnTheProjectRootBecomesTopLevel) {
    EXPECT_TRUE(page.DropItem(ItemOf(*r11), Tree().GetProjectItem()));
    EXPECT_EQ(r11->GetParent(), nullptr);
    EXPECT_THAT(r1->GetChildren(), ElementsAre(r12));
    EXPECT_EQ(ItemOf(*r111), ItemAt(Tree(), {"Project Proj", "R1.1", "R1.1.1"}));
    EXPECT_THAT(host.undoSteps, ElementsAre("Drag Requirement"));
    // Already at the top level, it stays.
    EXPECT_FALSE(page.DropItem(ItemOf(*r11), Tree().GetProjectItem()));
    EXPECT_EQ(host.undoSteps.size(), 1u);
}

TEST_F(ReqDlgTest, OnlyRequirementsThatMayBeChangedAreDragged) {
    EXPECT_TRUE(page.CanDrag(ItemOf(*r111)));
    for (int item : {Tree().GetProjectItem(), LibraryRoot(), ItemOf(*r5), ItemOf(*r6), kNoItem})
        EXPECT_FALSE(page.CanDrag(item)) << item;
}

TEST_F(ReqDlgTest, ARebuildChoosesTheRequirementAgainByItsUniqueId) {
    Choose(ItemOf(*r111));
    const int before = Tree().GetCaret();
    r111->SetID("Z9");
    page.RebuildTreeKeepSelection();
    EXPECT_NE(Tree().GetCaret(), before);  // a new item
    EXPECT_EQ(Tree().GetCaret(), ItemAt(Tree(), {"Project Proj", "R1 - Login", "R1.1", "Z9"}));
    EXPECT_EQ(observer.selected, Tree().GetCaret());
    // Gone from the project, it is not looked at again.
    ASSERT_TRUE(app.DeleteRequirement(r111));
    page.RebuildTree();
    EXPECT_EQ(Tree().GetCaret(), kNoItem);
}

TEST_F(ReqDlgTest, ARemovedItemGoesWithItsChildren) {
    const int item = ItemOf(*r11);
    const int child = ItemOf(*r111);
    page.RemoveRequirementItem(item);
    EXPECT_THAT(observer.deleted, ElementsAre(item));
    EXPECT_EQ(Tree().Find(item), nullptr);
    EXPECT_EQ(Tree().Find(child), nullptr);
    EXPECT_THAT(Outline(Tree(), ItemOf(*r1)), ElementsAre("R1.2 [1]"));
}

TEST_F(ReqDlgTest, KeysDoubleClicksAndTheContextMenuReachTheFrame) {
    host.onCommand = nullptr;
    Choose(ItemOf(*r2));
    EXPECT_EQ(page.OnKey(TreeKey::F1, false), TreeKeyResult::Handled);
    EXPECT_THAT(host.helpTopics, ElementsAre(35010));
    EXPECT_EQ(page.OnKey(TreeKey::F2, false), TreeKeyResult::StartLabelEdit);
    EXPECT_EQ(page.OnKey(TreeKey::Delete, false), TreeKeyResult::Handled);
    EXPECT_EQ(page.OnKey(TreeKey::Enter, false), TreeKeyResult::Handled);
    page.OpenProperties();
    EXPECT_EQ(page.OnKey(TreeKey::Other, false), TreeKeyResult::NotHandled);
    EXPECT_THAT(host.commands, ElementsAre(command::kDelete, command::kPropertiesEditor, command::kPropertiesEditor));
    // A root has no properties.
    Choose(Tree().GetProjectItem());
    page.OnKey(TreeKey::Enter, false);
    page.OpenProperties();
    EXPECT_EQ(host.commands.size(), 3u);

    page.BeginLabelEdit(ItemOf(*r2));
    for (TreeKey key : {TreeKey::F2, TreeKey::Delete, TreeKey::Enter})
        EXPECT_EQ(page.OnKey(key, false), TreeKeyResult::NotHandled);
    EXPECT_EQ(host.commands.size(), 3u);

    std::vector<std::string> menu;
    for (const TreeMenuEntry& entry : page.ContextMenu())
        menu.push_back(entry.command ? LoadMessage(entry.textId) + " " + std::to_string(entry.command) : "-");
    EXPECT_THAT(menu, ElementsAre("New &Requirement 32961", "Edit &Properties 32778", "&Delete 40003", "-",
                                  "Show Assigned &Tasks 32931"));
    page.OnContextCommand(command::kSearchReferences);
    EXPECT_EQ(host.commands.back(), command::kSearchReferences);
}
