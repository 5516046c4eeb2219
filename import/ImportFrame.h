#pragma once
// What the project data import needs of the main frame: closing the views before objects go,
// and closing and loading the open project around a master synchronisation. The GUI installs
// its frame; without one (batch, tests) the views need no closing and the open project is
// emptied and loaded in place.
#include <string>

class MessageLog;

class ImportFrame {
public:
    virtual ~ImportFrame() = default;
    virtual void CloseAllViews() = 0;
    virtual void CloseProject() = 0;
    // 1 when the project was loaded as the open project.
    virtual int LoadProject(const std::string& path, MessageLog* log) = 0;
};

// Null restores the frame without windows.
void InstallImportFrame(ImportFrame* frame);
ImportFrame& GetImportFrame();
