#pragma once
// The capture dialogs' part of every main frame: its Window Wizard and GUI Builder Editor
// commands run them over the frame's window.

// Start-up calls it once, before the main frame is made; a second call changes nothing.
void InstallFrameCaptureDialogs();
