#pragma once
// The main frame with a scratch copy of the sample project loaded, for its commands: views that
// register as they open, the sample's objects by name, and the active pane set in a line.
#include <memory>
#include <string>
#include <vector>

#include "model/ApplicationKav.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/TestStep.h"
#include "model/TransitionKav.h"
#include "model/WindowKav.h"
#include "FrameFixture.h"

class CommandFixture : public FrameFixture {
protected:
    void SetUp() override {
        window_.frame = &frame_;
        ASSERT_EQ(frame_.LoadProject(path_, true, true), 1);
    }

    CApplicationKav& Project() { return frame_.Root(); }
    CWindowKav* Window(const std::string& name) { return Project().GetWindowList().FindByName(name, nullptr); }
    CTaskKav* Task(const std::string& name) { return Project().FindTask(name, false); }
    CTransitionKav* Transition(const std::string& window, const std::string& name) {
        return Window(window)->GetTransitions().FindIf([&](const CTransitionKav* t) { return t->GetName() == name; });
    }

    // An open view of the object, registered with the frame and active.
    FakeView& ActiveView(PaneKind kind, CKavroObj* object) {
        views_.push_back(std::make_unique<FakeView>(kind, object));
        FakeView& view = *views_.back();
        view.frame = &frame_;
        frame_.AddView(&view);
        window_.activeView = &view;
        return view;
    }

    // The page's tree takes the focus (the others lose it).
    template <class Page>
    Page& Focus(Page& page) {
        tasks_.focused = requirements_.focused = windows_.focused = testData_.focused = false;
        page.focused = true;
        return page;
    }

    std::string MessageCaption(std::size_t index) const { return TestInteraction().messages.at(index).caption; }

    // A manual test case of the task in the main file, with that many steps.
    CTestCase* AddTestCase(CTaskKav* task, int steps) {
        auto* testCase = new CTestCase(static_cast<int>(Project().GetTestCases().size()) + 1, kTestCaseManual, nullptr,
                                       nullptr, task, 0);
        testCase->SetFile(Project().GetMainFile());
        testCase->SetFileId(Project().GetMainFile()->GetID());
        for (int i = 0; i < steps; ++i)
            testCase->GetSteps().Add(new CTestStep("Step" + std::to_string(i), "", "", "", "", "", nullptr, nullptr, 0,
                                                   2, "", nullptr, task, nullptr, ""));
        return Project().GetTestCases().Add(testCase);
    }

    const std::string path_ = SampleCopy();
    std::vector<std::unique_ptr<FakeView>> views_;
};
