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
// Edit
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;
inline constexpr int kCut = 57635;
inline constexpr int kCopy = 57634;
inline constexpr int kPaste = 57637;
inline constexpr int kDelete = 40003;
inline constexpr int kDeleteAllTestCases = 32934;
inline constexpr int kSearchObject = 32930;
inline constexpr int kSearchReferences = 32931;
// The application's own commands.
inline constexpr int kPrinterSetUp = 57606;
inline constexpr int kPrint = 57607;
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
// View mode.
inline constexpr int kShowTransitions = 32819;
inline constexpr int kShowCoverage = 32821;
inline constexpr int kShowGrandchildren = 32899;
inline constexpr int kShowStepInfo = 32949;
inline constexpr int kVerticalDiagrams = 32980;
// Windows
inline constexpr int kWindowEditor = 32781;
inline constexpr int kMenuEditor = 32777;
inline constexpr int kWindowWizard = 32803;
inline constexpr int kNewMenu = 32892;
inline constexpr int kNewMenuItem = 32891;
inline constexpr int kChangeWindowType = 32903;
inline constexpr int kReplaceWindow = 32944;
inline constexpr int kSetStartWindow = 32913;
inline constexpr int kGenerateWindowTags = 32893;
inline constexpr int kSortByName = 32968;
inline constexpr int kSortByType = 32969;
inline constexpr int kSortByUftClass = 32970;
inline constexpr int kShowInWindowTree = 32973;
// Transitions and steps, and the pick operations.
inline constexpr int kNewTransition = 32772;
inline constexpr int kRedirectTransition = 32905;
inline constexpr int kEditTransition = 32914;
inline constexpr int kConnectSteps = 32915;
inline constexpr int kNewStep = 32916;
inline constexpr int kEditStep = 32924;
inline constexpr int kAssignObject = 32921;
inline constexpr int kCreateWindowBuildingBlock = 32982;
// Tasks and requirements
inline constexpr int kNewTask = 32911;
inline constexpr int kNewBuildingBlock = 32926;
inline constexpr int kNewFolder = 32950;
inline constexpr int kTaskFlowEditor = 40005;
inline constexpr int kShowInTaskTree = 32972;
inline constexpr int kShowLoadErrors = 32978;
// The Requirements page carries out New Requirement itself, and offers it in its context menu
// with Properties Editor, Delete and Search References.
inline constexpr int kNewRequirement = 32961;
// Editors
inline constexpr int kAttributesEditor = 32771;
inline constexpr int kPropertiesEditor = 32778;
inline constexpr int kMetaConditionEditor = 32818;
inline constexpr int kUserDefinedFields = 32941;
inline constexpr int kGuiBuilderEditor = 32902;
inline constexpr int kGuiSpy = 32896;
// Generation and conversion
inline constexpr int kGenerateTestCases = 32801;
inline constexpr int kConvertTestCases = 32802;
inline constexpr int kViewTestCases = 32829;
inline constexpr int kGenerateHtml = 32907;
inline constexpr int kInitializeRepositoryOptions = 32966;
inline constexpr int kResetRepositoryOptions = 32967;
// Imports and the export
inline constexpr int kImportJavaGui = 32904;
inline constexpr int kImportProjectData = 32945;
inline constexpr int kImportUftRepository = 32965;
inline constexpr int kImportRanorexRepository = 32971;
inline constexpr int kImportXmi = 32981;
inline constexpr int kExportEsaObjectMaps = 32976;
// Commands on test data; the Test Data page offers them in its context menu.
inline constexpr int kNewDataSet = 32956;
inline constexpr int kNewDataField = 32957;
inline constexpr int kGenerateDataRecords = 32958;
inline constexpr int kImportTestData = 32954;
// The first command of the window palette (Select); the others are in the palette table.
inline constexpr int kSelectTool = 32849;

}  // namespace command

// The toolkit's id of a command number; 0 for a number outside the table.
int CommandToWindowId(int command);
// The command number of a toolkit id; 0 for an id outside the table.
int WindowIdToCommand(int id);
