#include "conditions/LibraryQualification.h"

#include <vector>

#include "conditions/Designator.h"
#include "model/ApplicationKav.h"
#include "model/StepTexts.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kAmbiguousAttribute = 45206;
constexpr int kAmbiguousDataSet = 45209;
constexpr int kAmbiguousWindow = 45210;

// How one designator of a text was resolved.
enum class Resolution { Qualified, Found, NotFound, Ambiguous };

// The objects of one name that a designator may mean, in list order.
template <class T>
std::vector<const CKavroObj*> Named(const OwningList<T>& list, const std::string& name) {
    std::vector<const CKavroObj*> named;
    for (const T* object : list)
        if (EqualsNoCase(object->GetName(), name)) named.push_back(object);
    return named;
}

// Chooses among the candidates visible from the text's file: its own object wins, one other
// file's object is found, a second other file makes the designator ambiguous. The file of the
// object found becomes the current file.
template <class Candidates>
Resolution ChooseCandidate(const Candidates& candidates, const std::string& name,
                           int ambiguityMessage, const CApplicationKav& root, const CFileKav* file,
                           const CFileKav*& current) {
    bool found = false;
    for (const CKavroObj* candidate : candidates) {
        const CFileKav* candidateFile = candidate->GetFile();
        if (!root.IsFileIncluded(candidateFile, file)) continue;
        if (found && candidateFile != file) {
            SetMessage(ambiguityMessage, file->GetName(), name, current->GetName(), candidateFile->GetName());
            return Resolution::Ambiguous;
        }
        found = true;
        current = candidateFile;
        if (candidateFile == file) break;
    }
    return found ? Resolution::Found : Resolution::NotFound;
}

// Only objects of the main file itself are visible from it when it includes no other file, and
// their designators stay unqualified: none of its texts can change.
bool SeesOnlyItself(const CApplicationKav& root, const CFileKav& file) {
    return &file == root.GetMainFile() && file.UsedFileIds().empty();
}

}  // namespace

int QualifyDesignatorsInText(const std::string& text, CApplicationKav* root, const CFileKav* file,
                             std::string& output) {
    output.clear();
    if (!root || !file) return 0;
    // The file of the last designator found; it carries over to the designators after it.
    const CFileKav* current = file;
    std::size_t copyFrom = 0;
    for (std::size_t open = text.find('#'); open != std::string::npos;) {
        output.append(text, copyFrom, open - copyFrom);
        copyFrom = open;
        const std::size_t close = text.find('#', open + 1);
        if (close == std::string::npos) break;
        const std::string body = text.substr(open + 1, close - open - 1);

        Resolution resolution = Resolution::NotFound;
        // A qualified designator is taken as written, even a library without ":".
        const bool qualified = body.starts_with('^');
        DesignatorParts parts;
        if (!qualified) SplitDesignator(body, parts);
        if (qualified) {
            resolution = Resolution::Qualified;
        } else if (parts.window.empty()) {
            resolution = ChooseCandidate(Named(root->GetAttributes(), parts.attribute), parts.attribute,
                                         kAmbiguousAttribute, *root, file, current);
        } else if (parts.window.starts_with('@')) {
            resolution = Resolution::Found;
            current = file;
        } else if (parts.window.starts_with('~')) {
            // A data set without a member ends the rewriting of the text.
            if (parts.window.size() == body.size()) break;
            const std::string name = parts.window.substr(1);
            resolution =
                ChooseCandidate(Named(root->GetDataSets(), name), name, kAmbiguousDataSet, *root, file, current);
        } else {
            resolution = ChooseCandidate(root->GetWindowList().FindAllByName(parts.window), parts.window,
                                         kAmbiguousWindow, *root, file, current);
        }
        if (resolution == Resolution::Ambiguous) return 0;

        if (resolution == Resolution::Qualified || current == root->GetMainFile()) {
            output.append(text, open, close - open + 1);
        } else if (resolution == Resolution::Found) {
            output += "#^" + current->GetName() + ":" + body + "#";
        } else {
            // Unresolved: the closing "#" may open the next designator.
            open = close;
            continue;
        }
        copyFrom = close + 1;
        open = text.find('#', copyFrom);
    }
    output.append(text, copyFrom, std::string::npos);
    return 1;
}

int QualifyStepDesignators(CStepKav* step, CApplicationKav* root, const CFileKav* file) {
    if (!step || !root || !file) return 0;
    if (SeesOnlyItself(*root, *file)) return 1;
    const bool done = RewriteStepTexts(*step, [&](const std::string& text, std::string& result) {
        // Most texts hold no designator: nothing to resolve, and nothing to copy.
        if (text.find('#') == std::string::npos) return TextRewrite::Unchanged;
        if (!QualifyDesignatorsInText(text, root, file, result)) return TextRewrite::Failed;
        return result == text ? TextRewrite::Unchanged : TextRewrite::Changed;
    });
    return done ? 1 : 0;
}

int QualifyProjectDesignators(CApplicationKav* root) {
    if (!root) return 0;
    // On a snapshot of the table: the walk must not depend on the table's one cursor.
    for (CWindowKav* window : root->GetWindowList().Snapshot())
        for (CTransitionKav* transition : window->GetTransitions())
            if (!QualifyStepDesignators(transition, root, window->GetFile())) return 0;
    for (CTaskKav* task : root->GetTasks())
        for (CTaskStep* step : task->GetSteps())
            if (!QualifyStepDesignators(step, root, task->GetFile())) return 0;
    for (CConditionKav* condition : root->GetMetaConditions()) {
        std::string result;
        if (!QualifyDesignatorsInText(condition->GetText(), root, condition->GetFile(), result)) return 0;
        if (result != condition->GetText()) condition->SetText(result);
    }
    return 1;
}
