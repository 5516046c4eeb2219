#pragma once
// Links a task that came over from another project, with its identifier texts, into the
// project that now holds it: parent (else the root task), data set, each step's windows,
// called task, transition, loop data set and successors, the start step and the covered
// requirements. 1, or 0 with the message in the global message buffer.
#include <string>
#include <unordered_map>

class CApplicationKav;
class CTaskKav;
class CWindowKav;
class CWindowList;

// The windows by internal ID, the first in list order winning as a search of the list would.
using WindowsById = std::unordered_map<std::string, CWindowKav*>;
WindowsById IndexWindowsById(const CWindowList& windows);
CWindowKav* FindWindowById(const WindowsById& windows, const std::string& id);

// The index holds the project's windows.
int LinkMergedTask(CApplicationKav& project, const WindowsById& windows, CTaskKav& task);
