#include "generation/TestCaseAdminDlg.h"

#include <algorithm>

#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/StepKav.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/WindowKav.h"
#include "platform/Format.h"
#include "platform/TextUtil.h"

CTestCaseAdminDlg::CTestCaseAdminDlg(const CApplicationKav& project, CWindowKav* window, CStepKav* transitionStep,
                                     CTaskKav* task, const std::vector<CTestCase*>& testCases)
    : project_(project), window_(window), transitionStep_(transitionStep), task_(task) {
    for (CTestCase* testCase : testCases) {
        rows_.push_back({testCase->GetDisplayName(), GetTestCaseKindName(testCase->GetType()),
                         testCase->GetErrorCase() ? "Y" : "N",
                         Fmt("%d", static_cast<int>(testCase->GetSteps().size())), testCase});
    }
    std::stable_sort(rows_.begin(), rows_.end(), [](const TestCaseAdminRow& a, const TestCaseAdminRow& b) {
        const std::u16string nameA = Utf8ToUtf16(a.name), nameB = Utf8ToUtf16(b.name);
        if (nameA != nameB) return nameA < nameB;
        return Utf8ToUtf16(a.type) < Utf8ToUtf16(b.type);
    });
}

std::string CTestCaseAdminDlg::GetHeading() const {
    std::string element;
    if (transitionStep_) {
        element = "Transition " + (window_ ? window_->GetName() : std::string()) + "_T" + transitionStep_->GetName();
    } else if (window_) {
        element = "Window " + window_->GetName();
    } else if (task_) {
        element = "Task " + task_->GetName();
    } else {
        element = "Project " + project_.GetName();
    }
    return "Test Cases for " + element;
}

CTestCase* CTestCaseAdminDlg::GetSelectedTestCase() const {
    return selected_ >= 0 && selected_ < static_cast<int>(rows_.size()) ? rows_[selected_].testCase : nullptr;
}
