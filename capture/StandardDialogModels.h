#pragma once
// Ready-made models of the standard dialogs that many applications under test show (the file
// dialogs, message boxes and the print dialog), with the classes, captions, style bits, tab
// numbers and rectangles of the real dialogs, in English or German.
class CWindowList;
class CWindowKav;

enum StandardDialogKind : int { kFileDialogKind = 0, kMessageBoxKind = 1, kPrintDialogKind = 2 };
enum StandardDialogLanguage : int { kEnglishDialog = 0, kGermanDialog = 1 };

// Enters the dialog of the kind and style, then its controls as its children, into the window
// table, each under its base name made unique there. The dialog, or null for an unknown kind.
// A control the dialog refuses as a child stays in the table without parent.
CWindowKav* CreateStandardDialogModel(CWindowList& windows, int kind, int style, int language);
