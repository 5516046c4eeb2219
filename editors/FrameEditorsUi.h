#pragma once
// The editors' part of every main frame: the frame shows the editor dialogs' windows, opens the
// editor dialogs through its commands, runs the generation, conversion and test case selection
// windows, the UFT repository import and settings, and the Test Data and Requirements pages fill
// the application pane, each with the frame as their host.

// Start-up calls it once, before the main frame is made; a second call changes nothing.
void InstallFrameEditors();
