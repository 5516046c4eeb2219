#pragma once
// What importing the data of another project needs of the importer: the user's selection among
// the source project's objects, and taking the selected ones over into the current
// application. While the selection is shown, the objects it shows carry back pointers to its
// items; the import clears them on the current application's objects afterwards.
class CApplicationKav;
class MessageLog;

class ProjectDataImport {
public:
    virtual ~ProjectDataImport() = default;
    // Shows the source's objects beside the open project; true when the user confirmed.
    virtual bool SelectObjects(CApplicationKav& source) = 0;
    // Takes the selected objects over into the current application, logging; true on success.
    virtual bool ImportSelected(MessageLog* log) = 0;
};
