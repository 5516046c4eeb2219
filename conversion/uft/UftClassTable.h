#pragma once
// UFT's test-object classes as the program knows them: for each class the UFT environment it
// belongs to, the window type and GUI builder a window of that class gets, and whether it is
// the class of a top-level object. The repository reader types the windows it makes by it, the
// UFT property dialog shows a class's environment, and the UFT converter finds the environments
// that a test case's windows need.
#include <string>
#include <string_view>
#include <vector>

struct CQTPWndType {
    std::string className;
    std::string environment;
    int windowType;
    int guiId;
    int topLevel;  // 1 for application, window, dialog, browser and frame classes
};

// Every known class, environment by environment; built once, never changed.
const std::vector<CQTPWndType>& GetUftClassTable();
// The entry of the class, the name compared with case; null when the class is unknown.
const CQTPWndType* FindClassEntry(std::string_view className);
// The environment's name as UFT reports the environments it has loaded: the .NET, SAP, WPF and
// VisualAge environments go by a shorter or longer name than the table's.
std::string GetToolEnvironmentName(std::string_view environment);
