// The project-wide check that tasks do not call themselves.
#include <gtest/gtest.h>

#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/Refusal.h"

namespace {

class SubtaskRecursion : public ProjectTest {
protected:
    CTaskKav* root = project.AddTask("Root", nullptr, kTaskFolder);

    void SetUp() override { app.SetRootTask(root); }

    CTaskKav* AddTask(const std::string& name, CTaskKav* parent = nullptr) {
        return project.AddTask(name, parent ? parent : root);
    }
    static void Call(CTaskKav* caller, CTaskKav* called) { AddStep(*caller, called->GetName())->SetSubTask(called); }
    static std::vector<std::string> Called(CTaskKav* task) {
        std::vector<std::string> names;
        for (const CTaskKav* called : task->GetCalledTasks()) names.push_back(called->GetName());
        return names;
    }
};

}  // namespace

TEST_F(SubtaskRecursion, ATaskCallingItsAncestorIsRefused) {
    CTaskKav* parent = AddTask("P");
    CTaskKav* middle = AddTask("M", parent);
    CTaskKav* child = AddTask("C", middle);
    AddStep(*child, "Start");
    Call(child, parent);
    EXPECT_EQ(Refusal([&] { return app.CheckSubtaskRecursion(); }),
              "Illegal relationship: Task 'P' is used in the task flow of its descendant task 'C'! [W0580]");

    CTaskKav* self = AddTask("Self");
    Call(self, self);
    child->GetSteps().DeleteAll();
    EXPECT_EQ(Refusal([&] { return app.CheckSubtaskRecursion(); }),
              "Illegal relationship: Task 'Self' is used in the task flow of its descendant task 'Self'! [W0580]");
}

TEST_F(SubtaskRecursion, TasksCallingEachOtherAreNamedByTheFirstInTheTaskList) {
    CTaskKav* x = AddTask("X");
    CTaskKav* y = AddTask("Y");
    Call(x, y);
    Call(y, x);
    EXPECT_EQ(Refusal([&] { return app.CheckSubtaskRecursion(); }),
              "Illegal relationship: Task 'Y' is sub task of 'X' and vice versa! [W0579]");

    // Through a third task, the message names the task whose call closes the cycle.
    y->GetSteps().DeleteAll();
    CTaskKav* z = AddTask("Z");
    Call(y, z);
    Call(z, x);
    EXPECT_EQ(Refusal([&] { return app.CheckSubtaskRecursion(); }),
              "Illegal relationship: Task 'Z' is sub task of 'X' and vice versa! [W0579]");
}

TEST_F(SubtaskRecursion, ListsEndUpWithEveryTaskCalledDirectlyOrNot) {
    CTaskKav* a = AddTask("A");
    CTaskKav* b = AddTask("B");
    CTaskKav* c = AddTask("C");
    CTaskKav* d = AddTask("D");
    Call(a, c);
    Call(a, b);
    Call(a, c);
    Call(b, d);
    Call(c, d);
    a->GetCalledTasks().push_back(a);  // left over from an earlier check
    EXPECT_EQ(Refusal([&] { return app.CheckSubtaskRecursion(); }), "");
    EXPECT_EQ(Called(a), (std::vector<std::string>{"C", "B", "D"}));
    EXPECT_EQ(Called(b), std::vector<std::string>{"D"});
    EXPECT_TRUE(Called(d).empty());
    EXPECT_TRUE(app.CheckSubtaskRecursion());  // without a root task only the calls are checked
    app.SetRootTask(nullptr);
    EXPECT_TRUE(app.CheckSubtaskRecursion());
}

TEST_F(SubtaskRecursion, LongChainsAreCheckedAtOnce) {
    constexpr int kTasks = 1000;
    // Each T calls its only child, so the hierarchy nests as deep as the chain; each F calls the
    // task listed before it, whose list is complete by then.
    std::vector<CTaskKav*> chain;
    for (int i = 0; i < kTasks; ++i) chain.push_back(AddTask("T" + std::to_string(i), i ? chain.back() : nullptr));
    for (int i = 1; i < kTasks; ++i) Call(chain[i - 1], chain[i]);
    std::vector<CTaskKav*> flat;
    for (int i = 0; i < kTasks; ++i) flat.push_back(AddTask("F" + std::to_string(i)));
    for (int i = kTasks - 1; i > 0; --i) Call(flat[i], flat[i - 1]);

    EXPECT_EQ(Refusal([&] { return app.CheckSubtaskRecursion(); }), "");
    EXPECT_EQ(flat.back()->GetCalledTasks().size(), static_cast<size_t>(kTasks - 1));
    EXPECT_EQ(chain.front()->GetCalledTasks().size(), static_cast<size_t>(kTasks - 1));

    Call(flat.front(), flat.back());
    EXPECT_EQ(Refusal([&] { return app.CheckSubtaskRecursion(); }),
              "Illegal relationship: Task 'F1' is sub task of 'F0' and vice versa! [W0579]");
}
