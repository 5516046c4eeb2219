// The Tasks page's tree: its fill, the look of its items and the drop rules.
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"
#include "tests/views/TaskPageFixture.h"
#include "views/trees/TaskRules.h"
#include "views/trees/TreeLook.h"

namespace {

const std::string kSample = std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml";

}  // namespace

TEST_F(TaskPageTest, TheProjectComesFirstAndBoldThenTheNamedLibrariesSorted) {
    CFileKav* zeta = app.GetFiles().Add(new CFileKav("Zeta", "Zeta.xml", "/projects/Zeta.xml", true));
    app.GetFiles().Add(new CFileKav("", "Nameless.xml", "/projects/Nameless.xml"));
    CTaskKav* b = Task("b");
    Task("C", b);
    Task("A");
    Task("Shared", nullptr, kTaskPlain, project.Lib());
    CTaskKav* locked = Task("Locked", nullptr, kTaskPlain, zeta);
    Task("Inner", locked, kTaskPlain, zeta);
    page.Fill();

    EXPECT_EQ(Tree().Outline(), (std::vector<std::string>{"Project Proj", "  A", "  b", "    C", "Library Lib",
                                                           "  Shared", "Library Zeta", "  Locked (READ-ONLY)",
                                                           "    Inner"}))
        << "only top-level tasks of a file that cannot be changed say so";
    const TreeNode* projectItem = Tree().Find(Tree().GetProjectItem());
    ASSERT_NE(projectItem, nullptr);
    EXPECT_EQ(Tree().Children(kNoItem).front(), Tree().GetProjectItem());
    EXPECT_TRUE(projectItem->bold);
    EXPECT_EQ(projectItem->image, CTaskTree::kImageProject);
    EXPECT_EQ(Tree().Find(Tree().Children(kNoItem)[1])->image, CTaskTree::kImageLibrary);
    EXPECT_FALSE(Tree().Find(Tree().Children(kNoItem)[1])->bold);
    EXPECT_EQ(ItemOf(root), Tree().GetProjectItem()) << "the project's item stands for the root task";

    // The caret on a file's item: the root task only for the project.
    Tree().SetCaret(Tree().GetProjectItem());
    EXPECT_EQ(page.GetSelectedTask(), root);
    EXPECT_EQ(page.GetSelectedFile(), project.Main());
    Tree().SetCaret(Tree().Children(kNoItem)[1]);
    EXPECT_EQ(page.GetSelectedTask(), nullptr);
    EXPECT_EQ(page.GetSelectedFile(), project.Lib());
    Tree().SetCaret(ItemOf(b));
    EXPECT_EQ(page.GetSelectedTask(), b);
    EXPECT_EQ(page.GetSelectedFile(), nullptr);
}

TEST_F(TaskPageTest, WithoutARootTaskTheTreeStaysEmpty) {
    Task("A");
    app.SetRootTask(nullptr);
    page.Fill();
    EXPECT_TRUE(Tree().Children(kNoItem).empty());
    EXPECT_EQ(page.GetSelectedTask(), nullptr);
}

TEST_F(TaskPageTest, TheSampleShowsItsProjectWithItsFiveTasks) {
    CApplicationKav sample;
    CurrentApplication = &sample;
    CXMLDataManager reader;
    MessageLog log;
    ASSERT_EQ(reader.LoadProject(kSample, &log), 1);
    page.Fill();
    EXPECT_EQ(Tree().Outline(),
              (std::vector<std::string>{"Project Insurance", "  CalculateOnePremium", "  CalculatePremiums",
                                        "  EnterClientAndCalculate", "  RefuseInvalidClients", "  RefuseYoungClient"}));
}

TEST_F(TaskPageTest, AnItemsImageBoldMarkAndColourFollowItsTask) {
    CTaskKav* plain = Task("Plain");
    CTaskKav* withData = Task("WithData");
    withData->SetDataSet(project.AddDataSet("Clients"));
    CTaskKav* block = Task("Block", nullptr, kTaskBuildingBlock);
    CTaskKav* folder = Task("Folder", nullptr, kTaskFolder);
    CTaskKav* productFolder = Task("Product", nullptr, kTaskFolder);
    productFolder->SetQuVornakTask(1);
    project.AddTestCase(1, 1, plain);
    project.AddTestCase(2, 1, block);
    CTaskKav* modelled = ModelledTask("Modelled", folder);
    CFileKav* locked = app.GetFiles().Add(new CFileKav("Locked", "Locked.xml", "/projects/Locked.xml", true));
    CTaskKav* readOnly = ModelledTask("ReadOnly");
    readOnly->SetFile(locked);
    CTaskKav* faulty = ModelledTask("Faulty");
    faulty->SetFile(locked);
    faulty->SetLoadErrors(1);
    page.Fill();

    const struct {
        CTaskKav* task;
        int image;
        bool bold;
        ItemColours colours;
    } cases[] = {
        {plain, CTaskTree::kImageTask, true, PlainItemColours(kTreeTextBlack)},
        {withData, CTaskTree::kImageTaskWithData, false, PlainItemColours(kTreeTextBlack)},
        {block, CTaskTree::kImageBuildingBlock, false, PlainItemColours(kTreeTextBlack)},
        // Blue for a modelled task below it.
        {folder, CTaskTree::kImageFolder, false, PlainItemColours(kTreeTextBlue)},
        // Product tasks are changed only in VORNAK mode.
        {productFolder, CTaskTree::kImageProductFolder, false, PlainItemColours(kTreeTextGrey)},
        {modelled, CTaskTree::kImageTask, false, PlainItemColours(kTreeTextBlue)},
        // Grey over blue, red over grey.
        {readOnly, CTaskTree::kImageTask, false, PlainItemColours(kTreeTextGrey)},
        {faulty, CTaskTree::kImageTask, false, HighlightedItemColours(kTreeTextRed)},
    };
    for (const auto& expected : cases) {
        const TreeNode& node = Node(expected.task);
        EXPECT_EQ(node.image, expected.image) << expected.task->GetName();
        EXPECT_EQ(node.bold, expected.bold) << expected.task->GetName();
        EXPECT_EQ(node.colours, expected.colours) << expected.task->GetName();
    }

    // The current task is white on green, also over red; the mark leaves with the next one.
    page.SetCurrentTask(faulty);
    EXPECT_EQ(Node(faulty).colours, (ItemColours{0xFFFFFF, 0x0A8205, 0x0A8205}));
    page.SetCurrentTask(plain);
    EXPECT_EQ(Node(faulty).colours, HighlightedItemColours(kTreeTextRed));
    EXPECT_EQ(Node(plain).colours, CurrentItemColours());
    page.Fill();
    EXPECT_EQ(Tree().GetCurrentTask(), nullptr) << "a fill forgets the current task";
}

TEST_F(TaskPageTest, AnItemTakesItsLookAgainWithItsAncestorsWhenItsTaskChanged) {
    CTaskKav* folder = Task("Folder", nullptr, kTaskFolder);
    CTaskKav* inner = Task("Inner", folder, kTaskFolder);
    CTaskKav* task = Task("Task", inner);
    page.Fill();
    AddStep(*task, "Start");
    AddStep(*task, "Next");
    task->SetName("Renamed");
    page.UpdateTaskItem(task);
    EXPECT_EQ(Node(task).text, "Renamed");
    EXPECT_EQ(Node(inner).colours, PlainItemColours(kTreeTextBlue));
    EXPECT_EQ(Node(folder).colours, PlainItemColours(kTreeTextBlue));
}

// ---- Dropping

class TaskDropTest : public TaskPageTest {
public:
    void SetUp() override {
        folder = Task("Folder", nullptr, kTaskFolder);
        moved = Task("Moved");
    }
    // Drags the moved task onto the target, remembering where it stood.
    void DragMoved(int target) {
        oldParent = moved->GetParent();
        Drag(moved, target);
    }
    void Expect(const std::string& message, const std::string& caption) {
        EXPECT_EQ(Messages(), std::vector<std::string>{message});
        EXPECT_EQ(Captions(), std::vector<std::string>{caption});
        EXPECT_EQ(moved->GetParent(), oldParent) << "the task stays where it was";
        EXPECT_TRUE(host.undoSteps.empty());
    }
    // A product folder two levels down, where use cases may go.
    CTaskKav* ProductFolder(const std::string& name) {
        CTaskKav* top = Task("Top" + name, nullptr, kTaskFolder);
        top->SetQuVornakTask(1);
        CTaskKav* inner = Task(name, top, kTaskFolder);
        inner->SetQuVornakTask(1);
        return inner;
    }

    CApplicationKav& App() { return app; }
    CTaskKav* Named(const std::string& name) { return app.FindTask(name, false); }

    CTaskKav* folder = nullptr;
    CTaskKav* moved = nullptr;
    CTaskKav* oldParent = nullptr;
};

TEST_F(TaskDropTest, AFileItemTakesTasksOnlyWhenItIsTheProjects) {
    CTaskKav* inFolder = Task("InFolder", folder);
    Task("Shared", nullptr, kTaskPlain, project.Lib());
    page.Fill();
    DragMoved(Tree().Children(kNoItem)[1]);
    Expect("Items cannot be dropped on a library! [W0426]", "Target Folder is Read-Only");

    TestInteraction().messages.clear();
    Drag(inFolder, Tree().GetProjectItem());
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(inFolder->GetParent(), root);
}

TEST_F(TaskDropTest, TheTargetMustBeAFolderUnlessTheProjectKeepsTheOldTaskMode) {
    CTaskKav* target = Task("Target");
    page.Fill();
    DragMoved(ItemOf(target));
    Expect("Tree items can only be dropped on a folder! [W0933]", "Invalid Drop Target");

    TestInteraction().messages.clear();
    app.SetOldTaskMode(1);
    DragMoved(ItemOf(target));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(moved->GetParent(), target);
}

TEST_F(TaskDropTest, TheRulesRefuseInTheirOrder) {
    CFileKav* locked = app.GetFiles().Add(new CFileKav("Locked", "Locked.xml", "/projects/Locked.xml", true));
    CTaskKav* lockedTask = Task("LockedTask", nullptr, kTaskPlain, locked);
    CTaskKav* lockedFolder = Task("LockedFolder", nullptr, kTaskFolder, locked);
    page.Fill();
    // Neither a folder nor to be changed: the folder rule comes first.
    DragMoved(ItemOf(lockedTask));
    Expect("Tree items can only be dropped on a folder! [W0933]", "Invalid Drop Target");

    // Read-only and outside the product: read-only comes first.
    TestInteraction().messages.clear();
    VornakMode = true;
    folder->AddChild(moved);
    moved->SetQuVornakTask(1);
    page.Fill();
    DragMoved(ItemOf(lockedFolder));
    Expect("Items cannot be dropped on a read-only task! [W0360]", "Target Task is Read-Only");
}

// The product's rules, each refusing a move into a product folder; its tasks may be changed in
// VORNAK mode.
struct ProductRefusal {
    const char* name;
    CTaskKav* (*arrange)(TaskDropTest&);  // shapes the moved task and gives the target
    const char* message;
};

class ProductRuleTest : public TaskDropTest, public ::testing::WithParamInterface<ProductRefusal> {};

TEST_P(ProductRuleTest, RefusesWithItsWarning) {
    VornakMode = true;
    CTaskKav* target = GetParam().arrange(*this);
    page.Fill();
    DragMoved(ItemOf(target));
    Expect(GetParam().message, "Invalid Drop Target");
}

INSTANTIATE_TEST_SUITE_P(
    TaskDrop, ProductRuleTest,
    ::testing::Values(
        ProductRefusal{"ProductTaskOutsideProductFolders",
                       [](TaskDropTest& t) {
                           t.folder->AddChild(t.moved);
                           t.moved->SetQuVornakTask(1);
                           return t.Task("Plain", nullptr, kTaskFolder);
                       },
                       "VORNAK tasks can only be dragged into VORNAK folders! [W1154]"},
        ProductRefusal{"UseCaseJustBelowTheTop",
                       [](TaskDropTest& t) {
                           CTaskKav* top = t.Task("Top", nullptr, kTaskFolder);
                           top->SetQuVornakTask(1);
                           return top;
                       },
                       "Use case tasks may not be dragged directly into the VORNAK project folder! [W1157]"},
        ProductRefusal{"FolderThatHoldsAUseCase",
                       [](TaskDropTest& t) {
                           CTaskKav* target = t.ProductFolder("Full");
                           t.Task("UseCase", target)->SetQuVornakTask(1);
                           t.moved->SetType(kTaskFolder);
                           return target;
                       },
                       "If a VORNAK folder already contains a use case, no further children are allowed! [W1156]"},
        ProductRefusal{"UseCaseIntoAFolderWithChildren",
                       [](TaskDropTest& t) {
                           CTaskKav* target = t.ProductFolder("Busy");
                           t.Task("Sub", target, kTaskFolder)->SetQuVornakTask(1);
                           return target;
                       },
                       "Use case tasks may only be put into an empty VORNAK folder! [W1158]"},
        ProductRefusal{"UseCaseBesideAnotherChildDeepInTheMovedFolder",
                       [](TaskDropTest& t) {
                           t.moved->SetType(kTaskFolder);
                           CTaskKav* inner = t.Task("Inner", t.moved, kTaskFolder);
                           t.Task("UseCase", inner);
                           t.Task("Other", inner, kTaskFolder);
                           return t.ProductFolder("Empty");
                       },
                       "Invalid VORNAK folder structure: each use case must have its own folder! [W1159]"},
        ProductRefusal{"BuildingBlockInsideTheMovedFolder",
                       [](TaskDropTest& t) {
                           t.moved->SetType(kTaskFolder);
                           t.Task("Block", t.moved, kTaskBuildingBlock);
                           return t.ProductFolder("Empty");
                       },
                       "Building blocks may not be put into a VORNAK folder! [W1059]"}),
    [](const ::testing::TestParamInfo<ProductRefusal>& info) { return std::string(info.param.name); });

namespace {

// Drops where two rules apply: the earlier one refuses, and once it is lifted the later one
// does, which shows that both applied. A product task outside product folders excludes every
// later product rule, which all need a product folder.
struct TwoRules {
    const char* name;
    CTaskKav* (*arrange)(TaskDropTest&);  // shapes the moved task, gives the target
    const char* first;
    const char* firstCaption;
    CTaskKav* (*lift)(TaskDropTest&, CTaskKav* target);  // takes the first rule away, gives the target
    const char* second;
};

class RuleOrderTest : public TaskDropTest, public ::testing::WithParamInterface<TwoRules> {};

TEST_P(RuleOrderTest, TheEarlierRuleRefusesFirst) {
    VornakMode = true;
    CTaskKav* target = GetParam().arrange(*this);
    page.Fill();
    DragMoved(ItemOf(target));
    Expect(GetParam().first, GetParam().firstCaption);

    TestInteraction().messages.clear();
    target = GetParam().lift(*this, target);
    page.Fill();
    DragMoved(ItemOf(target));
    Expect(GetParam().second, "Invalid Drop Target");
}

const char* const kInvalidTarget = "Invalid Drop Target";

CTaskKav* ProductTopFolder(TaskDropTest& t) {
    CTaskKav* top = t.Task("Top", nullptr, kTaskFolder);
    top->SetQuVornakTask(1);
    return top;
}

INSTANTIATE_TEST_SUITE_P(
    TaskDrop, RuleOrderTest,
    ::testing::Values(
        TwoRules{"NotAFolderBeforeJustBelowTheTop",
                 [](TaskDropTest& t) {
                     CTaskKav* useCase = t.Task("TopUseCase");
                     useCase->SetQuVornakTask(1);
                     return useCase;
                 },
                 "Tree items can only be dropped on a folder! [W0933]", kInvalidTarget,
                 [](TaskDropTest& t, CTaskKav* target) {
                     t.App().SetOldTaskMode(1);
                     return target;
                 },
                 "Use case tasks may not be dragged directly into the VORNAK project folder! [W1157]"},
        TwoRules{"ReadOnlyBeforeJustBelowTheTop",
                 [](TaskDropTest& t) {
                     VornakMode = false;  // product tasks are read-only outside VORNAK mode
                     return ProductTopFolder(t);
                 },
                 "Items cannot be dropped on a read-only task! [W0360]", "Target Task is Read-Only",
                 [](TaskDropTest&, CTaskKav* target) {
                     VornakMode = true;
                     return target;
                 },
                 "Use case tasks may not be dragged directly into the VORNAK project folder! [W1157]"},
        TwoRules{"JustBelowTheTopBeforeAFolderHoldingAUseCase",
                 [](TaskDropTest& t) {
                     CTaskKav* top = ProductTopFolder(t);
                     t.Task("UseCase", top)->SetQuVornakTask(1);
                     return top;
                 },
                 "Use case tasks may not be dragged directly into the VORNAK project folder! [W1157]", kInvalidTarget,
                 [](TaskDropTest& t, CTaskKav* target) {
                     t.moved->SetType(kTaskFolder);
                     return target;
                 },
                 "If a VORNAK folder already contains a use case, no further children are allowed! [W1156]"},
        TwoRules{"AFolderHoldingAUseCaseBeforeNotEmpty",
                 [](TaskDropTest& t) {
                     CTaskKav* target = t.ProductFolder("Full");
                     t.Task("UseCase", target)->SetQuVornakTask(1);
                     return target;
                 },
                 "If a VORNAK folder already contains a use case, no further children are allowed! [W1156]",
                 kInvalidTarget,
                 [](TaskDropTest& t, CTaskKav* target) {
                     t.Named("UseCase")->SetType(kTaskFolder);
                     return target;
                 },
                 "Use case tasks may only be put into an empty VORNAK folder! [W1158]"},
        TwoRules{"NotEmptyBeforeAUseCaseBesideAnotherChild",
                 [](TaskDropTest& t) {
                     CTaskKav* target = t.ProductFolder("Busy");
                     t.Task("Sub", target, kTaskFolder)->SetQuVornakTask(1);
                     t.Task("Inner", t.moved);
                     t.Task("Other", t.moved, kTaskFolder);
                     return target;
                 },
                 "Use case tasks may only be put into an empty VORNAK folder! [W1158]", kInvalidTarget,
                 [](TaskDropTest& t, CTaskKav*) { return t.ProductFolder("Empty"); },
                 "Invalid VORNAK folder structure: each use case must have its own folder! [W1159]"},
        TwoRules{"AUseCaseBesideAnotherChildBeforeABuildingBlock",
                 [](TaskDropTest& t) {
                     t.moved->SetType(kTaskFolder);
                     CTaskKav* inner = t.Task("Inner", t.moved, kTaskFolder);
                     t.Task("UseCase", inner);
                     t.Task("Other", inner, kTaskFolder);
                     t.Task("Block", t.moved, kTaskBuildingBlock);
                     return t.ProductFolder("Empty");
                 },
                 "Invalid VORNAK folder structure: each use case must have its own folder! [W1159]", kInvalidTarget,
                 [](TaskDropTest& t, CTaskKav* target) {
                     t.Named("UseCase")->SetType(kTaskFolder);
                     return target;
                 },
                 "Building blocks may not be put into a VORNAK folder! [W1059]"}),
    [](const ::testing::TestParamInfo<TwoRules>& info) { return std::string(info.param.name); });

}  // namespace

TEST_F(TaskDropTest, AMoveIntoAProductFolderMarksTheSubtreeAndNamesTheUseCaseAfterItsFolder) {
    VornakMode = true;
    CTaskKav* target = ProductFolder("Orders");
    moved->SetType(kTaskFolder);
    CTaskKav* useCase = Task("UseCase", moved);
    page.Fill();
    Drag(moved, ItemOf(target));
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(moved->IsQuVornakTask());
    EXPECT_TRUE(useCase->IsQuVornakTask());
    EXPECT_EQ(useCase->GetName(), "Moved");
    EXPECT_EQ(host.changedTasks, (std::vector<CTaskKav*>{moved, moved})) << "the folder for the name, then the move";
}

TEST_F(TaskDropTest, ADropOnItsOwnParentDoesNothing) {
    CTaskKav* child = Task("Child", folder);
    page.Fill();
    const std::vector<std::string> before = Tree().Outline();
    Drag(child, ItemOf(folder));
    Drag(moved, Tree().GetProjectItem());
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Tree().Outline(), before);
    EXPECT_TRUE(host.undoSteps.empty());
    EXPECT_TRUE(host.changedTasks.empty());
}

TEST_F(TaskDropTest, ACycleShowsTheModelsMessageAndTheOldParentTakesTheTaskBack) {
    // The moved task calls the folder in a step: below it, it would call its own ancestor.
    AddStep(*moved, "Start");
    AddStep(*moved, "Call")->SetSubTask(folder);
    page.Fill();
    const std::vector<std::string> before = Tree().Outline();
    Drag(moved, ItemOf(folder));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages().front(), GetGlobalMessageBuffer());
    EXPECT_NE(Messages().front().find("[W0580]"), std::string::npos);
    EXPECT_EQ(Captions(), std::vector<std::string>{"Invalid Relationship"});
    EXPECT_EQ(moved->GetParent(), root);
    EXPECT_TRUE(folder->GetChildren().empty());
    EXPECT_EQ(Tree().Outline(), before);
    EXPECT_TRUE(host.undoSteps.empty());
}

TEST_F(TaskDropTest, AMovedTaskTakesItsChildrenAlongAndRecordsDragTask) {
    CTaskKav* child = Task("Child", moved);
    CTaskKav* sibling = Task("Zulu", folder);
    page.Fill();
    Drag(moved, ItemOf(folder));
    EXPECT_EQ(moved->GetParent(), folder);
    EXPECT_EQ(Tree().Outline(),
              (std::vector<std::string>{"Project Proj", "  Folder", "    Moved", "      Child", "    Zulu", "Library Lib"}));
    EXPECT_TRUE(Tree().Find(ItemOf(folder))->expanded);
    EXPECT_EQ(Tree().GetCaret(), ItemOf(moved));
    EXPECT_EQ(Tree().GetParent(ItemOf(child)), ItemOf(moved));
    EXPECT_NE(ItemOf(sibling), kNoItem);
    EXPECT_EQ(host.changedTasks, std::vector<CTaskKav*>{moved});
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Drag Task"});
}

TEST_F(TaskDropTest, WhatCannotBeChangedIsNotDragged) {
    CFileKav* locked = app.GetFiles().Add(new CFileKav("Locked", "Locked.xml", "/projects/Locked.xml", true));
    CTaskKav* lockedTask = Task("LockedTask", nullptr, kTaskPlain, locked);
    VornakMode = true;
    CTaskKav* top = Task("Top", nullptr, kTaskFolder);
    top->SetQuVornakTask(1);
    CTaskKav* below = Task("Below", top, kTaskFolder);
    below->SetQuVornakTask(1);
    page.Fill();
    EXPECT_FALSE(Tree().StartDrag(Tree().GetProjectItem()));
    EXPECT_FALSE(Tree().StartDrag(ItemOf(lockedTask)));
    EXPECT_FALSE(Tree().StartDrag(ItemOf(top))) << "a product task just below the top";
    EXPECT_TRUE(Tree().StartDrag(ItemOf(below)));
}

TEST(UseCaseFolders, EachUseCaseStandsAloneInItsFolderAtAnyDepth) {
    CTaskKav folder("Folder", kTaskFolder), inner("Inner", kTaskFolder), useCase("UseCase", kTaskPlain),
        other("Other", kTaskFolder);
    folder.AddChild(&inner);
    inner.AddChild(&useCase);
    EXPECT_TRUE(CheckUseCaseFolders(folder));
    inner.AddChild(&other);
    EXPECT_FALSE(CheckUseCaseFolders(folder));
    inner.RemoveChild(&useCase);
    EXPECT_TRUE(CheckUseCaseFolders(folder)) << "folders may stand side by side";
}
