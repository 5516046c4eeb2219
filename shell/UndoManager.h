#pragma once
// Undo and redo on whole snapshots of the project. After every change a step is recorded that
// holds the project as it was before; undoing puts that snapshot in place of the live project.
// At most five steps are kept; consecutive stepwise moves of one window make one step.
#include <deque>
#include <functional>
#include <memory>
#include <string>

class CApplicationKav;
class CProjectSession;

struct CUndoStep {
    std::string description;
    // Null when the step was recorded while there was no snapshot (no project).
    std::unique_ptr<CApplicationKav> snapshot;
};

class CUndoManager {
public:
    static constexpr std::size_t kMaxUndoSteps = 5;

    // Snapshots and replaces the session's root; rebind runs while the replaced root still
    // lives, so that pages and views can find their objects again in the new one.
    CUndoManager(CProjectSession& session, std::function<void()> rebind);
    ~CUndoManager();
    CUndoManager(const CUndoManager&) = delete;
    CUndoManager& operator=(const CUndoManager&) = delete;

    // Drops every step and takes a snapshot of the project as it is now (after a load).
    void Reset();
    // Drops every step and the snapshot (after a close).
    void Clear();
    // Records the change just made under the undo step's name.
    void Record(const std::string& description);
    // 1: the project is the snapshot before the newest step (or nothing was to undo); -1 with
    // [F0102] in the message buffer when the snapshot could not be restored: the step is gone,
    // the project unchanged.
    int Undo();
    // 1: the project is the one after the newest undone step; -1 with [F0103] when there is
    // nothing to redo, [F0104] when the snapshot could not be restored (the step is gone).
    int Redo();
    // The project goes back to the snapshot of the last change, reset, undo or redo, the steps
    // kept as they are (a command that failed half-way): 1, or -1 with [F0102] when that
    // snapshot could not be restored, the project unchanged.
    int Revert();

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    // The name of the step Undo or Redo would take; "" when there is none.
    std::string GetUndoDescription() const;
    std::string GetRedoDescription() const;

private:
    using Steps = std::deque<std::unique_ptr<CUndoStep>>;

    std::unique_ptr<CApplicationKav> TakeSnapshot() const;
    // Moves the newest step of from to the front of to, its snapshot becoming the project.
    int Step(Steps& from, Steps& to, int failureMessage);
    // The snapshot gets its files, its libraries' objects and its references back; false when
    // it is not a project that can be worked on.
    static bool Relink(CApplicationKav& snapshot);
    // The snapshot replaces the project; the pages and views rebind before the old one goes.
    void MakeCurrent(std::unique_ptr<CApplicationKav> snapshot);

    CProjectSession& session_;
    std::function<void()> rebind_;
    Steps undo_;  // newest first
    Steps redo_;  // newest first
    // The project as it was after the last change, reset, undo or redo.
    std::unique_ptr<CApplicationKav> current_;
};
