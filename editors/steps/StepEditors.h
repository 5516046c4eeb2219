#pragma once
// Which editor a step gets: the step editor for a transition; the sub-task step editor for a
// task step that calls a sub-task; for other task steps and for test steps the API step editor
// when the project's output format is an ESA format, else the step editor. The frame's step
// editing runs this and then refreshes what shows the step.
class CApplicationKav;
class CStepKav;
class CTaskKav;
class EditorHost;

// The chosen editor's result (1 written, 0 not); 0 without a dialog for a step of another kind.
// isNew: a transition just made; task: the task that holds a task step (null for the others).
int RunStepEditor(EditorHost& host, CApplicationKav& project, CStepKav* step, bool isNew, CTaskKav* task);
