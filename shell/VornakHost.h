#pragma once
// What the VORNAK interface asks of the main frame while it takes VORNAK's project, libraries
// and test structure into the program: closing and replacing the project, the undo history,
// the title, the trees and the task it shows, the project administration and saving as XML.
// The frame implements it; the interface (a later folder) only calls it.
#include <memory>
#include <string>

class CApplicationKav;
class CTaskKav;

class VornakHost {
public:
    virtual ~VornakHost() = default;

    // The project the program holds.
    virtual CApplicationKav& Project() = 0;
    // Closes every view and the project without asking; an empty project stays.
    virtual void CloseProject() = 0;
    // The project takes the place of the one held (its views closed first) and counts as open.
    virtual void ReplaceProject(std::unique_ptr<CApplicationKav> project) = 0;
    // Whether the program holds a project: VORNAK's counts from VORNAK mode on.
    virtual void SetProjectOpen(bool open) = 0;
    virtual void MarkModified() = 0;
    // Drops the undo steps; the project as it is now is the snapshot to go back to.
    virtual void ResetUndoHistory() = 0;
    // Puts the project back to the last snapshot, the undo steps kept.
    virtual void RevertToSnapshot() = 0;
    virtual void ShowTitle(const std::string& title) = 0;
    // The tool bars and the requirement and window trees show the project again.
    virtual void RefreshBarsAndTrees() = 0;
    // The task's item in the task tree is scrolled into view and selected; a folder's item is
    // expanded.
    virtual void SelectTaskInTree(CTaskKav& task, bool expand) = 0;
    virtual void OpenTaskFlow(CTaskKav& task) = 0;
    // Marks the tasks that loading found errors in.
    virtual void HighlightLoadErrors() = 0;
    // The project administration on the project (during loading: its libraries only); 1 when
    // the user confirmed.
    virtual int EditProject(CApplicationKav& project, bool duringLoading) = 0;
    // Asks for a file and saves the project there as XML.
    virtual void SaveProjectAsXml() = 0;
    virtual void SetLoadErrors(bool errors) = 0;
};
