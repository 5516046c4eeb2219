#pragma once
// The references to a window: every transition and every task step whose conditions or action
// arguments hold a designator that names the window, listed in two lists. From them the user
// opens a transition in the step editor or switches to the task flow of a step's task. The
// dialog never changes the model itself.
#include <string>
#include <utility>
#include <vector>

#include "conditions/DependencyKav.h"
#include "editors/framework/EditorDialog.h"
#include "platform/ObjectList.h"

class CApplicationKav;
class CStepKav;
class CTaskKav;
class CTaskStep;

// Dialog ids of the controls.
enum FoundTransControl : int {
    kFoundEditTransition = 1319,
    kFoundTransitions = 1320,
    kFoundTaskSteps = 1321,
    kFoundChangeToFlow = 1322,
};

class CFoundTransDlg : public EditorDialog {
public:
    static constexpr int kResourceId = 269;

    CFoundTransDlg(EditorHost& host, CApplicationKav& project);

    // Searches for the window (its name, or "^" library ":" name) and shows what refers to it;
    // a malformed text stops the search with its message and no list is shown.
    void ShowReferences(const std::string& searched);
    // The search alone: true with the references kept; false with the message in the global
    // buffer and nothing kept.
    bool FindReferences(const std::string& searched);
    // 1 when a designator in the step's conditions (meta-condition references resolved) or
    // action arguments names the window, 0 when none does, -1 with a message for a text that
    // does not resolve or holds an unclosed designator. A "#" inside a string constant is text.
    int StepRefersTo(const CStepKav& step, const std::string& searched) const;

    // What the search found: one record per transition, and each task step with its task.
    const OwningList<CDependencyKav>& FoundTransitions() const { return transitions_; }
    const std::vector<std::pair<CTaskStep*, CTaskKav*>>& FoundTaskSteps() const { return taskSteps_; }

    void OnInitDialog() override;
    // Opens the chosen transition in the step editor; one that no longer refers to the window
    // leaves the list.
    void OnEditTransition();
    // Opens the task flow of the chosen step's task and closes.
    void OnChangeToTaskFlow();

protected:
    void OnListRowChosen(int list, int row) override;
    void OnListRowDoubleClicked(int list, int row) override;

private:
    void ClearSelection();
    void ShowSearchError() const;

    CApplicationKav& project_;
    std::string searched_;
    OwningList<CDependencyKav> transitions_;
    std::vector<std::pair<CTaskStep*, CTaskKav*>> taskSteps_;
    CDependencyKav* chosenTransition_ = nullptr;
    CTaskStep* chosenStep_ = nullptr;
};
