#pragma once
// The "XMI Model Data" command: saves the open project, asks for a UML model in XMI form
// (proposing the last one), converts it into a project file and merges that through the project
// data import. A failed conversion is reported and changes nothing; a failed import is undone at
// once and a cancelled one changes nothing; a successful one records "Import Model Data". No
// intermediate file stays behind.
#include <functional>
#include <string>

// What the command needs of the main frame.
struct XmiImportHost {
    // Saves the project before the import: 1 when saved (or nothing was to save).
    std::function<int()> saveProject;
    // The project data import of the file in the message log window: 0 failed, 1 imported, 2
    // imported from an older version, 3 cancelled by the user.
    std::function<int(const std::string& projectFile)> importProjectData;
    // Takes back the newest undo step.
    std::function<void()> undo;
    // Shows the imported tasks.
    std::function<void()> updateControlBars;
    std::function<void(bool on)> setWaitCursor;
};

void RunXmiModelDataCommand(const XmiImportHost& host);
