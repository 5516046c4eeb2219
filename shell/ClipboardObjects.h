#pragma once
// The objects this process holds on the clipboard. A copy belongs to the clipboard from the
// moment it is put until ClearClipboardObjects releases it; a cut object stays the model's and
// is never released here. Putting a copy under a format releases the copy that was there.
#include <vector>

#include "model/TaskClipboard.h"

class CTaskKav;
class CWindowKav;

inline constexpr char kWindowCopyFormat[] = "CF_KAVRO_WINDOW_COPY";
inline constexpr char kWindowCutFormat[] = "CF_KAVRO_WINDOW_CUT";
inline constexpr char kWindowListCopyFormat[] = "CF_KAVRO_WINDOWLIST_COPY";
inline constexpr char kTaskCutFormat[] = "CF_KAVRO_TASK_CUT";

// What is put under kWindowListCopyFormat: copies of windows, each with its child windows. An
// entry may be a descendant of another entry.
using WindowClipboardList = std::vector<CWindowKav*>;

// Each puts the object under its format. False when the clipboard refused it: the box [F0091]
// was shown and a copy is released at once.
bool PutWindowCopy(CWindowKav* copy);
bool PutWindowCut(CWindowKav* window);
bool PutWindowListCopy(WindowClipboardList* copies);
bool PutTaskCopy(CTaskKav* copy);
bool PutTaskCut(CTaskKav* task);
bool PutTaskStepsCopy(TaskStepClipboardList* steps);

// Releases every copy this process holds on the clipboard, with its child windows or tasks,
// then empties the clipboard. Before the project's objects are replaced: a copy may refer to
// them.
void ClearClipboardObjects();

// A copy that belongs to no project goes with its descendants (null: nothing).
void DeleteWindowCopy(CWindowKav* copy);
void DeleteTaskCopy(CTaskKav* copy);
// The windows of the list that no ancestor in the list holds, in list order.
std::vector<CWindowKav*> TopWindowsOf(const std::vector<CWindowKav*>& windows);
