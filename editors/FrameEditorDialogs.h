#pragma once
// The editor dialogs that the main frame's commands open: the window property dialogs, the
// step, sub-task step, API step and task editors, the parameter dialog, the meta-conditions,
// change type, replace, the tag dialogs, the searches and the list of references. Each runs
// with the frame as its host on the frame's project.
class CMainFrame;

void GiveFrameTheEditorDialogs(CMainFrame& frame);
