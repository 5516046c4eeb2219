#include "conditions/ProjectConditionCheck.h"

#include <memory>
#include <string>

#include "conditions/ConditionParser.h"
#include "conditions/ConditionTree.h"
#include "conditions/SatisfyingValueSearch.h"
#include "conditions/ValueTypes.h"
#include "model/ApplicationKav.h"
#include "model/Combination.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

bool ParseStepConditions(CStepKav& step) {
    for (CConditionKav* condition : step.GetConditions())
        if (!condition->Parse()) return false;
    return true;
}

// The number of candidates per choice for as long as it lives.
class CandidateCountScope {
public:
    explicit CandidateCountScope(int count) : saved_(GetSearchCandidateCount()) { SetSearchCandidateCount(count); }
    CandidateCountScope(const CandidateCountScope&) = delete;
    CandidateCountScope& operator=(const CandidateCountScope&) = delete;
    ~CandidateCountScope() { SetSearchCandidateCount(saved_); }

private:
    int saved_;
};

constexpr int kSatisfiabilityCandidates = 10;

}  // namespace

int CheckAllConditions() {
    CApplicationKav* app = CurrentApplication;
    if (!app) return 1;
    // On a snapshot of the table: parsing looks windows up and so moves the table's one cursor.
    for (CWindowKav* window : app->GetWindowList().Snapshot()) {
        for (CTransitionKav* transition : window->GetTransitions()) {
            if (ParseStepConditions(*transition)) continue;
            SetMessage(45129, transition->GetName(), app->GetObjectPathText(window),
                       app->GetObjectPathText(transition->GetDestWindow()), GetGlobalMessageBuffer());
            return 0;
        }
    }
    for (CTaskKav* task : app->GetTasks()) {
        for (CTaskStep* step : task->GetSteps()) {
            if (ParseStepConditions(*step)) continue;
            SetMessage(45130, task->GetName(), step->GetName(), GetGlobalMessageBuffer());
            return 0;
        }
    }
    return 1;
}

int CheckSatisfiable(const CConditionContext& context, std::string_view text) {
    const CConditionContext search = context;
    const std::unique_ptr<CConditionTree> tree = ParseCondition(search, text);
    if (!tree) return 0;
    if (!AreTypesCompatible(tree->GetType(), kTypeBool)) {
        SetMessage(44133);
        return 0;
    }
    CCombination combination;
    const CandidateCountScope candidates(kSatisfiabilityCandidates);
    int steps = 0;
    int found = 0;
    for (bool next = false;; next = true) {
        found = tree->FindSatisfyingValues("TRUE", next, combination, search, steps);
        if (found != 1) break;
        if (steps > kSearchStepLimit) {
            GetInteraction().Inform(FormatMessageId(42005));
            return 1;
        }
        int type = 0;
        std::string value;
        if (!tree->Evaluate(type, value, combination, search)) return 0;
        if (EqualsNoCase(value, "TRUE")) break;
        combination.RemoveAll();
    }
    if (found == 0) SetMessage(44134);
    return found == 1 ? 1 : 0;
}
