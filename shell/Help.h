#pragma once
// Where every help request of the program ends (F1 in the frame, its views and its dialogs),
// with the help context that the window names.

// The installation brings no help file, so nothing opens.
void ShowHelp(int context);

// The context of the main frame when a request names none.
inline constexpr int kMainFrameHelpContext = 35003;
