#pragma once
// The main frame's command numbers, as menus, tool bars and accelerators give them, and the one
// table that turns them into the window toolkit's ids and back (the toolkit refuses ids above
// 32766, and most command numbers lie above it).

namespace command {

// Project
inline constexpr int kNewProject = 32809;
inline constexpr int kOpenProject = 32810;
inline constexpr int kProjectProperties = 32811;
inline constexpr int kSaveProject = 32812;
inline constexpr int kCloseProject = 32814;
inline constexpr int kExit = 32815;
inline constexpr int kSaveProjectAs = 32943;
// Generate
inline constexpr int kGenerateHtml = 32907;
// Edit
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
// The application's own commands.
inline constexpr int kPrinterSetUp = 57606;
inline constexpr int kRecentFile1 = 57616;
inline constexpr int kRecentFileLast = 57631;
inline constexpr int kAbout = 57664;
inline constexpr int kContextHelp = 57669;
inline constexpr int kHelp = 57670;
// Bar switches.
inline constexpr int kWorkspace = 32792;
inline constexpr int kEditorToolBar = 32822;
inline constexpr int kGeneralToolBar = 32823;
inline constexpr int kWindowToolBar = 32869;
inline constexpr int kDrawToolBar = 32925;
// Languages.
inline constexpr int kEnglish = 32963;
inline constexpr int kGerman = 32964;
// Commands on test data; the Test Data page offers them in its context menu.
inline constexpr int kPropertiesEditor = 32778;
inline constexpr int kDelete = 40003;
inline constexpr int kNewDataSet = 32956;
inline constexpr int kNewDataField = 32957;
inline constexpr int kGenerateDataRecords = 32958;
inline constexpr int kImportTestData = 32954;
// Commands on requirements; the Requirements page offers them with Properties Editor and
// Delete in its context menu.
inline constexpr int kNewRequirement = 32961;
inline constexpr int kSearchReferences = 32931;
// The first command of the window palette (Select); the others are in the palette table.
inline constexpr int kSelectTool = 32849;

}  // namespace command

// The toolkit's id of a command number; 0 for a number outside the table.
int CommandToWindowId(int command);
// The command number of a toolkit id; 0 for an id outside the table.
int WindowIdToCommand(int id);
