#pragma once
// The windows that the repository readers make: one per object of an outside tool's repository,
// of the window type that the tool's kind of object maps to, with the defaults of that type,
// the GUI builder of the mapping and the open project's main file. Name, caption, rectangle and
// the rest stay empty for the tool's converter to fill in from the tool data.
class CApplicationKav;
class CWindowKav;

// A new window of the type (0 to 21) for the caller to own; null for another code. The project
// (may be null) gives its main file.
CWindowKav* CreateRepositoryWindow(int type, int guiId, CApplicationKav* project);
