// Deep copies of the whole model: undo snapshots (flags 81) and the copies of loading and the
// test-management interface (flags 33).
#include <gtest/gtest.h>

#include <memory>

#include "model/CloneFlags.h"
#include "model/TestStep.h"
#include "model/WindowKav.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"

namespace {

constexpr int kUndoSnapshot = kCloneKeepId | kCloneTextsFromObjects | kCloneMainFileOnly;  // 81
constexpr int kLoadingCopy = kCloneKeepId | kCloneTextsAsStored;                             // 33

// Each list of the copy against the same list of the source, pairwise in order.
template <class List, class Check>
void ForEachPair(const List& source, const List& copy, Check check) {
    ASSERT_EQ(source.size(), copy.size());
    for (std::size_t i = 0; i < source.size(); ++i) check(*source[i], *copy[i]);
}

// A project with an object of every kind in the main file, and some in the library.
class ModelClone : public ProjectTest {
protected:
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* button = project.AddWindow("OK", main, kWndPushButton);
    CWindowKav* libMain = project.AddWindow("Main", nullptr, kWndMain, project.Lib());
    CTaskKav* root = project.AddTask("Root", nullptr, kTaskFolder);
    CTaskKav* order = project.AddTask("Order", root);
    CTaskKav* check = project.AddTask("Check", root, kTaskBuildingBlock);
    CTaskKav* libTask = project.AddTask("LibTask", nullptr, kTaskPlain, project.Lib());
    CRequirement* requirement = project.AddRequirement("R1");
    CRequirement* subRequirement = project.AddRequirement("R1.1", requirement);
    CDataSet* dataSet = project.AddDataSet("Orders");
    CFileKav* master = app.GetFiles().Add(new CFileKav("Master", "Master.xml", "/projects/Master.xml"));

    void SetUp() override {
        CTransitionKav* transition = project.AddTransition(main, "Main_T1");
        transition->SetDestWindow(main);
        transition->SetEvent("#OK:$Enabled#");
        main->GetAttributes().Add(new CAttributeKav("Color", 4, "red"));
        check->GetParameters().Add(new CAttributeKav("P", 4, "p"));
        CTaskStep* first = AddStep(*order, "First");
        first->SetTransition(transition);
        CTaskStep* call = AddStepAfter(*order, "Call", {first});
        call->SetSubTask(check);
        call->UpdateSubtaskParameters(check);
        order->GetRequirements().push_back(subRequirement);
        order->SetDataSet(dataSet);
        dataSet->GetFields().Add(new CDataField("Amount", 2));
        project.AddAttribute("Counter");
        project.AddAttribute("LibCounter", project.Lib());
        Place(app.GetStepFields().Add(new CAttributeKav("Tester", 4, "")));
        project.AddMetaCondition("C1", "#Main:$Enabled#");
        project.AddMetaCondition("C2", "TRUE", project.Lib());
        project.AddDataSet("LibSet", project.Lib());
        CTestCase* testCase = project.AddTestCase(1, kTestCaseTransition, order, main, transition);
        testCase->GetSteps().Add(
            new CTestStep("S", "", "", "", "", "", main, main, 0, 2, "", first, order, transition, ""));
        auto* script = app.GetTestScripts().Add(new CTestScript);
        script->SetWindow(main);
        Place(script);
        app.SetStartWindow(button);
        app.SetRootTask(root);
        app.SetMasterFile(master);
        app.SetId("ROOT-ID");
        app.SetModified(1);
        app.SetDescription("A project");
        app.SetTimeout(45);
    }

    void Place(CKavroObj* object) {
        object->SetFile(project.Main());
        object->SetFileId(project.Main()->GetID());
    }

    template <class T>
    std::vector<T*> MainFileObjects(const std::vector<T*>& objects) const {
        std::vector<T*> inMain;
        for (T* object : objects)
            if (object->GetFile() == project.Main()) inMain.push_back(object);
        return inMain;
    }

    // The names of the list's objects, in order.
    template <class List, class NameOf>
    static std::vector<std::string> Names(const List& list, NameOf nameOf) {
        std::vector<std::string> names;
        for (const auto* object : list) names.push_back(nameOf(object));
        return names;
    }
};

}  // namespace

TEST_F(ModelClone, AnUndoSnapshotCopiesTheMainFilesObjectsOnly) {
    std::unique_ptr<CApplicationKav> copy(app.Clone(kUndoSnapshot));

    EXPECT_EQ(copy->GetId(), "ROOT-ID");
    EXPECT_EQ(copy->IsModified(), 1);
    EXPECT_EQ(copy->GetDescription(), "A project");
    EXPECT_EQ(copy->GetTimeout(), 45);
    EXPECT_EQ(copy->GetStartWindow(), nullptr);
    EXPECT_EQ(copy->GetRootTask(), nullptr);
    EXPECT_EQ(copy->GetMasterFile(), nullptr);
    EXPECT_EQ(copy->GetMainWndId(), button->GetInternalID());
    EXPECT_EQ(copy->GetMasterProjectId(), master->GetID());

    auto fileId = [](const CFileKav* f) { return f->GetID(); };
    EXPECT_EQ(Names(copy->GetFiles(), fileId), Names(app.GetFiles(), fileId));
    EXPECT_NE(copy->GetFiles()[0], app.GetFiles()[0]);

    auto windowName = [](const CWindowKav* w) { return w->GetName(); };
    EXPECT_EQ(Names(copy->GetWindowList().Snapshot(), windowName), (std::vector<std::string>{"Main", "OK"}));
    auto taskName = [](const CTaskKav* t) { return t->GetName(); };
    EXPECT_EQ(Names(copy->GetTasks(), taskName), (std::vector<std::string>{"Root", "Order", "Check"}));
    auto attributeName = [](const CAttributeKav* a) { return a->GetName(); };
    EXPECT_EQ(Names(copy->GetAttributes(), attributeName), std::vector<std::string>{"Counter"});
    EXPECT_EQ(copy->GetMetaConditions().size(), 1u);
    EXPECT_EQ(copy->GetDataSets().size(), 1u);
    EXPECT_EQ(copy->GetStepFields().size(), 1u);

    // Every copy: no owning file, the main file's id as text, no children, equal to its source.
    auto checkObject = [&](const CKavroObj& source, const CKavroObj& object) {
        EXPECT_EQ(object.GetFile(), nullptr);
        EXPECT_EQ(object.GetFileId(), project.Main()->GetID());
        EXPECT_TRUE(source.IsEqual(&object));
    };
    ForEachPair(MainFileObjects(app.GetWindowList().Snapshot()), copy->GetWindowList().Snapshot(),
                [&](const CWindowKav& s, const CWindowKav& c) {
                    checkObject(s, c);
                    EXPECT_TRUE(c.GetChildren().empty());
                    EXPECT_EQ(c.GetInternalID(), s.GetInternalID());
                    for (const CTransitionKav* transition : c.GetTransitions())
                        EXPECT_EQ(transition->GetStartWindow(), &c);
                });
    // A task that covers requirements counts the requirements it refers to, which a copy without
    // references has none of: it names them by text only.
    order->GetRequirements().clear();
    ForEachPair(MainFileObjects(app.GetTasks().Snapshot()), copy->GetTasks().Snapshot(),
                [&](const CTaskKav& s, const CTaskKav& c) {
                    checkObject(s, c);
                    EXPECT_TRUE(c.GetChildren().empty());
                });
    EXPECT_EQ(copy->GetTasks()[1]->GetRequirementIds(), std::vector<std::string>{subRequirement->GetUniqueId()});
    ForEachPair(app.GetRequirements(), copy->GetRequirements(), checkObject);
    ForEachPair(app.GetTestCases(), copy->GetTestCases(), checkObject);
    ForEachPair(app.GetTestScripts(), copy->GetTestScripts(), checkObject);
    ForEachPair(app.GetStepFields(), copy->GetStepFields(), checkObject);
    checkObject(*app.GetAttributes()[0], *copy->GetAttributes()[0]);
    checkObject(*app.GetDataSets()[0], *copy->GetDataSets()[0]);
    checkObject(*app.GetMetaConditions()[0], *copy->GetMetaConditions()[0]);
}

TEST_F(ModelClone, ALoadingCopyKeepsIdsAndStoredTextsOfEveryFile) {
    app.SetMainWndId("stored window");
    app.SetMasterProjectId("stored master");
    libTask->SetFileId("stored file id");
    std::unique_ptr<CApplicationKav> copy(app.Clone(kLoadingCopy));

    EXPECT_EQ(copy->GetMainWndId(), "stored window");
    EXPECT_EQ(copy->GetMasterProjectId(), "stored master");
    EXPECT_EQ(copy->GetStartWindow(), nullptr);
    EXPECT_EQ(copy->GetRootTask(), nullptr);

    // Both windows named Main are copied.
    std::vector<std::string> sourceIds, copyIds;
    for (const CWindowKav* w : app.GetWindowList().Snapshot()) sourceIds.push_back(w->GetInternalID());
    for (const CWindowKav* w : copy->GetWindowList().Snapshot()) {
        copyIds.push_back(w->GetInternalID());
        EXPECT_EQ(w->GetFile(), nullptr);
    }
    EXPECT_EQ(copyIds, sourceIds);
    EXPECT_EQ(copy->GetWindowList().FindByName("Main", nullptr)->GetFileId(), project.Main()->GetID());

    ForEachPair(app.GetTasks().Snapshot(), copy->GetTasks().Snapshot(), [](const CTaskKav& s, const CTaskKav& c) {
        EXPECT_EQ(c.GetID(), s.GetID());
        EXPECT_EQ(c.GetFileId(), s.GetFileId());
        EXPECT_EQ(c.GetFile(), nullptr);
    });
    ForEachPair(app.GetRequirements(), copy->GetRequirements(), [](const CRequirement& s, const CRequirement& c) {
        EXPECT_EQ(c.GetUniqueId(), s.GetUniqueId());
        EXPECT_EQ(c.GetFile(), nullptr);
    });
    ForEachPair(app.GetTestCases(), copy->GetTestCases(), [](const CTestCase& s, const CTestCase& c) {
        EXPECT_EQ(c.GetUniqueId(), s.GetUniqueId());
    });
    ForEachPair(app.GetAttributes(), copy->GetAttributes(), [](const CAttributeKav& s, const CAttributeKav& c) {
        EXPECT_EQ(c.GetId(), s.GetId());
        EXPECT_EQ(c.GetFileId(), s.GetFileId());
    });
    ForEachPair(app.GetDataSets(), copy->GetDataSets(), [](const CDataSet& s, const CDataSet& c) {
        EXPECT_EQ(c.GetId(), s.GetId());
    });
    ForEachPair(app.GetMetaConditions(), copy->GetMetaConditions(),
                [](const CConditionKav& s, const CConditionKav& c) { EXPECT_EQ(c.GetUniqueId(), s.GetUniqueId()); });
    EXPECT_EQ(copy->GetTasks()[3]->GetFileId(), "stored file id");
}

TEST_F(ModelClone, CopyingLeavesTheSourceTablesWalkWhereItStood) {
    CWindowList& table = app.GetWindowList();
    const std::vector<CWindowKav*> order = table.Snapshot();
    ASSERT_EQ(table.GetFirst(), order[0]);
    std::unique_ptr<CApplicationKav> copy(app.Clone(kLoadingCopy));
    EXPECT_EQ(table.GetNext(), order[1]);
    EXPECT_EQ(copy->GetWindowList().GetCount(), order.size());
}
