#include "shell/UndoManager.h"

#include "model/ApplicationKav.h"
#include "model/CloneFlags.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "shell/ProjectSession.h"

namespace {

// A deep copy of the main file's objects that keeps every identifier; the libraries' objects
// come back from the projects of the last load when the snapshot is restored.
constexpr int kSnapshotFlags = kCloneKeepId | kCloneTextsFromObjects | kCloneMainFileOnly;
// A copy of a snapshot, which is not linked yet: its reference texts are what it has.
constexpr int kSnapshotCopyFlags = kCloneKeepId | kCloneTextsAsStored;

constexpr int kCannotUndo = 41102;         // [F0102]
constexpr int kNothingToRedo = 41103;      // [F0103]
constexpr int kCannotRedo = 41104;         // [F0104]
constexpr char kStepwiseMove[] = "Stepwise Move Window";

std::unique_ptr<CApplicationKav> MakeSnapshot(const CApplicationKav& root) {
    return std::unique_ptr<CApplicationKav>(root.Clone(kSnapshotFlags));
}

std::string NewestDescription(const std::deque<std::unique_ptr<CUndoStep>>& steps) {
    return steps.empty() ? std::string() : steps.front()->description;
}

}  // namespace

CUndoManager::CUndoManager(CProjectSession& session, std::function<void()> rebind)
    : session_(session), rebind_(std::move(rebind)) {}

CUndoManager::~CUndoManager() = default;

std::unique_ptr<CApplicationKav> CUndoManager::TakeSnapshot() const { return MakeSnapshot(session_.Root()); }

void CUndoManager::Reset() {
    Clear();
    current_ = TakeSnapshot();
}

void CUndoManager::Clear() {
    current_.reset();
    undo_.clear();
    redo_.clear();
}

void CUndoManager::Record(const std::string& description) {
    redo_.clear();
    const bool stepwiseMove = description.rfind(kStepwiseMove, 0) == 0;
    if (!(stepwiseMove && !undo_.empty() && undo_.front()->description == description)) {
        if (undo_.size() >= kMaxUndoSteps) undo_.pop_back();
        undo_.push_front(std::make_unique<CUndoStep>(CUndoStep{description, std::move(current_)}));
    }
    current_ = TakeSnapshot();
}

int CUndoManager::Undo() {
    if (undo_.empty()) return 1;
    return Step(undo_, redo_, kCannotUndo);
}

int CUndoManager::Redo() {
    if (redo_.empty()) {
        SetMessage(kNothingToRedo);
        return -1;
    }
    return Step(redo_, undo_, kCannotRedo);
}

int CUndoManager::Step(Steps& from, Steps& to, int failureMessage) {
    std::unique_ptr<CUndoStep> step = std::move(from.front());
    from.pop_front();
    if (!step->snapshot || !Relink(*step->snapshot)) {
        SetMessage(failureMessage);
        return -1;
    }
    to.push_front(std::make_unique<CUndoStep>(CUndoStep{step->description, std::move(current_)}));
    current_ = MakeSnapshot(*step->snapshot);
    MakeCurrent(std::move(step->snapshot));
    return 1;
}

int CUndoManager::Revert() {
    if (!current_) return 1;
    std::unique_ptr<CApplicationKav> restored(current_->Clone(kSnapshotCopyFlags));
    if (!Relink(*restored)) {
        SetMessage(kCannotUndo);
        return -1;
    }
    MakeCurrent(std::move(restored));
    return 1;
}

// Below -1 the load of the snapshot's relations failed.
bool CUndoManager::Relink(CApplicationKav& snapshot) { return GetProjectReader().LoadLibrary(&snapshot, false) >= -1; }

void CUndoManager::MakeCurrent(std::unique_ptr<CApplicationKav> snapshot) {
    std::unique_ptr<CApplicationKav> replaced = session_.ReplaceRoot(std::move(snapshot));
    if (rebind_) rebind_();
}

std::string CUndoManager::GetUndoDescription() const { return NewestDescription(undo_); }

std::string CUndoManager::GetRedoDescription() const { return NewestDescription(redo_); }
