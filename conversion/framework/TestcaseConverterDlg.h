#pragma once
// The conversion of test cases into scripts, as the Convert Test Cases command and batch mode
// run it: loads the conversion settings, lets the dialog change them (not in batch mode),
// stores them, picks the converter of the output format from the converter table, walks the
// scope, hands the converter one package of test cases per window or task, records a test
// script for each, reports, and records the undo step. This is the plain class behind the
// conversion dialog: the dialog shows and edits Settings() through the showDialog callback.
//
// Messages go through Interaction (in batch mode too, where the flow says so); a converter
// that reports as it goes writes into the Progress given.
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/TestcaseConverter.h"
#include "generation/DialogCheck.h"

class CApplicationKav;
class CTaskKav;
class CWindowKav;
class Progress;

struct ConversionSettings {
    // The script folder, or the exchange file for the formats that write one.
    std::string outputPath;
    // The application's executable; the start-page URL in a web test.
    std::string exePath;
    int wholeProject = -1;  // 0 only the selected element, 1 the whole project
    int timeout = 0;        // window time-out in seconds
    std::string startPageUrl;
    int webTest = 0;
    int optimizeWait = 0;
    int showUft = 0;
    int leaveUftOpen = 0;
    std::string rootFolder;  // prefix of the executable path and the working folder
    std::string parameters;
    std::string workingFolder;
    std::string extraVariables;
    std::string scopeTitle;
    int outputFormat = 0;
    int keyboard = 0;  // 0 German, 1 US
};

// Control identifiers of the dialog.
enum TestcaseConverterDlgControl : int {
    kTccFormat = 1034,
    kTccOutputPath = 1035,
    kTccTimeout = 1036,
    kTccBrowseOutput = 1037,
    kTccKeyboard = 1038,
    kTccStartPage = 1039,
    kTccParameters = 1040,
    kTccWorkingFolder = 1041,
    kTccRootFolder = 1042,
    kTccBrowseRoot = 1043,
    kTccExtraVariables = 1044,
    kTccBrowseExe = 1060,
    kTccBrowseWorking = 1061,
    kTccScopeElement = 1062,
    kTccScopeProject = 1063,
    kTccExePath = 1287,
    kTccWebTest = 1342,
    kTccOptimizeWait = 1374,
    kTccOptionsGroup = 1477,
    kTccShowUft = 1478,
    kTccLeaveUftOpen = 1479,
    kTccKeyboardLabel = 1480,
    kTccTimeoutLabel = 1481,
    kTccExtraVariablesLabel = 1482,
};

class CTestcaseConverterDlg {
public:
    explicit CTestcaseConverterDlg(const ConverterTable& table = StandardConverterTable()) : table_(table) {}
    CTestcaseConverterDlg(const CTestcaseConverterDlg&) = delete;
    CTestcaseConverterDlg& operator=(const CTestcaseConverterDlg&) = delete;
    ~CTestcaseConverterDlg();

    // Shows the dialog modally on the loaded settings; false when the user cancelled. Without
    // it the settings are taken as loaded.
    std::function<bool(CTestcaseConverterDlg&)> showDialog;
    // After a TestPartner run that converted test cases, outside batch mode: offers to load the
    // project folder into TestPartner. 1, or another value with the message in the global buffer.
    std::function<int(const std::string& projectName, const std::string& folder)> showTPImport;
    // Where the run reports its current package and polls for a stop; may be null.
    Progress* progress = nullptr;

    // The whole conversion of the window, else the task, else (both null) the project, which
    // batch mode always converts. 1 when it ran through (also with nothing to convert); 0 when
    // the user cancelled or a step failed after its message.
    int ConvertTestCases(CWindowKav* window, CTaskKav* task, bool batch);

    // ---- The steps of a run with the converter made by ConvertTestCases; 1, or 0 after the
    // failing step showed its message.

    int RunConverter(CWindowKav* window, CTaskKav* task);
    // The window's test cases (with those of child windows without caption) or the task's, after
    // those of its captioned child windows or its child tasks.
    int ConvertObject(CWindowKav* window, CTaskKav* task);
    // The whole scope as one package (the ESA folders in an ESA project).
    int ConvertBlockInfoSheet(CTaskKav* task);

    // The output path proposed for the output format (the dialog asks again when it changes).
    std::string GetDefaultOutputPath();
    std::string GetDefaultVornakPath() const;

    // ---- The dialog: what its window shows beyond the settings, and its handlers. The window
    // hands over the settings it shows before each handler and shows them again afterwards.

    // The title, the format and keyboard lists, the options of the format, the web test's
    // start options; the output path proposed for the format.
    void OnInitDialog();
    // The output format chosen (its code is in the settings): the output path proposed for it
    // (whatever was typed) and its options shown.
    void OnSelchangeOutputFormat();
    void OnWebTest();
    void OnShowUftWindow();
    // The time-out as typed (nothing: not an integer) must lie in 0..3600 for the formats that
    // wait for windows, even where the field is hidden.
    std::optional<DialogCheckFailure> OnOK(std::optional<int> typedTimeout);
    // The pickers; Cancel changes nothing. The root folder keeps a trailing "/"; an executable or
    // working folder below the root folder is taken relative to it, one elsewhere whole after a
    // warning.
    void OnBrowseScriptDir();
    void OnBrowseRootDir();
    void OnBrowseExecutable();
    void OnBrowseWorkingDir();

    std::string GetDialogTitle() const { return "Test Case Conversion - " + settings_.scopeTitle; }
    // The formats the list offers, in its order, and the name it shows for each.
    static const std::vector<int>& DialogFormats();
    static std::string FormatName(int format);
    // The code of the shown name; 0 for none.
    static int FormatOfName(const std::string& name);
    // The keyboard layouts likewise (0 German, 1 US); 99 for none.
    static const std::vector<int>& DialogKeyboards();
    static int KeyboardOfName(const std::string& name);
    // The title of the group of tool-specific options.
    const std::string& GetOptionsTitle() const { return optionsTitle_; }
    bool IsControlShown(int id) const { return !hidden_.count(id); }
    bool IsControlEnabled(int id) const { return !disabled_.count(id); }

    ConversionSettings& Settings() { return settings_; }
    const ConversionSettings& Settings() const { return settings_; }
    int GetConvertedCount() const { return convertedCount_; }

private:
    void SetScope(const CWindowKav* window, const CTaskKav* task);
    void LoadSettings(CApplicationKav& app);
    void StoreSettings(CApplicationKav& app) const;
    int RunExchangeExport(CWindowKav* window, CTaskKav* task);
    int ConvertWholeProject();
    // Checks, converts and records one package; 1, or 0 after its message.
    int ConvertPackage(const std::string& name, CWindowKav* window, CTaskKav* task);
    // Hands a package to the converter and adds its count; 1, or 0 after its message.
    int ConvertList(TestCaseList& list, const std::string& name, std::string& path);
    bool StopRequested() const;
    // The import of format 5 after a run that converted something.
    void ImportIntoTestPartner();
    void ShowControls(std::initializer_list<int> ids, bool shown);
    void EnableControls(std::initializer_list<int> ids, bool enabled);
    // The output path as a file path: a relative one lies beside the project file.
    std::filesystem::path ResolvedOutputPath() const;

    const ConverterTable& table_;
    ConversionSettings settings_;
    bool batch_ = false;
    int convertedCount_ = 0;
    const ConverterEntry* entry_ = nullptr;
    std::unique_ptr<CTestcaseConverter> converter_;
    std::string optionsTitle_ = "Tool-specific Options";
    std::set<int> hidden_;
    std::set<int> disabled_;
};
