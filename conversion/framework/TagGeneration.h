#pragma once
// Recognition tags without a dialog: generating them through the converter of a test tool, and
// finding the windows that the project's tool cannot address for want of one. The tag dialogs,
// the window view, the GUI capture and the conversion of old projects all come here.
#include <vector>

#include "conversion/framework/ConverterTable.h"

class CApplicationKav;
class CWindowKav;

// The tags of the window and of every window below it, by the converter of the format's tool,
// with the preference (0 numeric id, 1 caption). A window that may not be changed or that was
// read from a tool's repository keeps its tags: 1. A format for no outside tool changes
// nothing: 1. A tool whose converter has no tag generator: 0.
// Without a window, every window without a parent in turn (the project's master file first
// brings [I0022]): 1 when each gave 1, else 0. Otherwise the converter's result, its message in
// the global buffer.
int GenerateWindowTags(CApplicationKav& project, int format, CWindowKav* window, int preferCaption,
                       const ConverterTable& table = StandardConverterTable());

// The windows, in the table's walk order, that the format's tool needs a tag for and that have
// none: an empty tag, no tool data, and a tool that does not address them without one. Only
// windows that may be changed count. Empty for a format of no outside tool.
std::vector<CWindowKav*> FindWindowsMissingTags(CApplicationKav& project, int format,
                                                const ConverterTable& table = StandardConverterTable());
