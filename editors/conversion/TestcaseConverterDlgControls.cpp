#include "editors/conversion/TestcaseConverterDlgControls.h"

#include "editors/framework/IntegerText.h"
#include "model/DisplayTexts.h"
#include "platform/Format.h"

namespace {

constexpr int kResourceId = 157;

struct TextBinding {
    int control;
    std::string ConversionSettings::*setting;
};
constexpr TextBinding kTexts[] = {
    {kTccOutputPath, &ConversionSettings::outputPath},   {kTccExtraVariables, &ConversionSettings::extraVariables},
    {kTccStartPage, &ConversionSettings::startPageUrl},  {kTccRootFolder, &ConversionSettings::rootFolder},
    {kTccExePath, &ConversionSettings::exePath},         {kTccWorkingFolder, &ConversionSettings::workingFolder},
    {kTccParameters, &ConversionSettings::parameters},
};

struct CheckBinding {
    int control;
    const char* label;
    int ConversionSettings::*setting;
};
constexpr CheckBinding kChecks[] = {
    {kTccOptimizeWait, "Optimize Wait Commands", &ConversionSettings::optimizeWait},
    {kTccShowUft, "Show UFT Window\nduring Conversion", &ConversionSettings::showUft},
    {kTccLeaveUftOpen, "Leave UFT open\nafter Conversion", &ConversionSettings::leaveUftOpen},
    {kTccWebTest, "Web Test", &ConversionSettings::webTest},
};

const std::vector<int> kScopes{kTccScopeElement, kTccScopeProject};

}  // namespace

TestcaseConverterDlgControls::TestcaseConverterDlgControls(EditorHost& host, CTestcaseConverterDlg& dialog)
    : DialogControls(host, kResourceId), dialog_(dialog) {
    AddControl(kTccScopeElement, "Only for the selected Element");
    AddControl(kTccScopeProject, "For the whole Project");
    AddControl(kTccFormat);
    AddControl(kTccOptionsGroup, dialog.GetOptionsTitle());
    AddControl(kTccTimeoutLabel, "Window Time-Out (sec.)");
    AddControl(kTccTimeout);
    AddControl(kTccKeyboardLabel, "Keyboard Layout");
    AddControl(kTccKeyboard);
    AddControl(kTccExtraVariablesLabel, "Extra Variables");
    for (const CheckBinding& check : kChecks) AddControl(check.control, check.label);
    for (const TextBinding& text : kTexts) AddControl(text.control);
    for (int browse : {kTccBrowseOutput, kTccBrowseRoot, kTccBrowseExe, kTccBrowseWorking})
        AddControl(browse, "Browse...");

    std::vector<std::string> formats;
    for (int format : CTestcaseConverterDlg::DialogFormats())
        formats.push_back(CTestcaseConverterDlg::FormatName(format));
    SetItems(kTccFormat, formats);
    std::vector<std::string> keyboards;
    for (int keyboard : CTestcaseConverterDlg::DialogKeyboards()) keyboards.push_back(GetLanguageName(keyboard));
    SetItems(kTccKeyboard, keyboards);
}

void TestcaseConverterDlgControls::OnInitDialog() {
    SetTitle(dialog_.GetDialogTitle(), false);
    dialog_.OnInitDialog();
    // The driver takes the time-out as typed at OK.
    SetText(kTccTimeout, Fmt("%d", dialog_.Settings().timeout));
    ShowSettings();
}

void TestcaseConverterDlgControls::Handle(void (CTestcaseConverterDlg::*handler)()) {
    ReadSettings();
    (dialog_.*handler)();
    ShowSettings();
}

void TestcaseConverterDlgControls::OnSelchangeOutputFormat() {
    Handle(&CTestcaseConverterDlg::OnSelchangeOutputFormat);
}
void TestcaseConverterDlgControls::OnWebTest() { Handle(&CTestcaseConverterDlg::OnWebTest); }
void TestcaseConverterDlgControls::OnShowUftWindow() { Handle(&CTestcaseConverterDlg::OnShowUftWindow); }
void TestcaseConverterDlgControls::OnBrowseScriptDir() { Handle(&CTestcaseConverterDlg::OnBrowseScriptDir); }
void TestcaseConverterDlgControls::OnBrowseRootDir() { Handle(&CTestcaseConverterDlg::OnBrowseRootDir); }
void TestcaseConverterDlgControls::OnBrowseExecutable() { Handle(&CTestcaseConverterDlg::OnBrowseExecutable); }
void TestcaseConverterDlgControls::OnBrowseWorkingDir() { Handle(&CTestcaseConverterDlg::OnBrowseWorkingDir); }

bool TestcaseConverterDlgControls::OnOK() {
    ReadSettings();
    if (const std::optional<DialogCheckFailure> failure = dialog_.OnOK(ParseInteger(GetText(kTccTimeout))))
        return Refuse(*failure);
    return true;
}

void TestcaseConverterDlgControls::ReadSettings() {
    ConversionSettings& settings = dialog_.Settings();
    settings.wholeProject = CheckedRadio(kScopes);
    if (const int format = CTestcaseConverterDlg::FormatOfName(GetText(kTccFormat))) settings.outputFormat = format;
    const int keyboard = CTestcaseConverterDlg::KeyboardOfName(GetText(kTccKeyboard));
    if (keyboard != 99) settings.keyboard = keyboard;
    for (const TextBinding& text : kTexts) settings.*text.setting = GetText(text.control);
    for (const CheckBinding& check : kChecks) settings.*check.setting = IsChecked(check.control) ? 1 : 0;
}

void TestcaseConverterDlgControls::ShowSettings() {
    const ConversionSettings& settings = dialog_.Settings();
    CheckRadio(kScopes, settings.wholeProject == 1 ? 1 : 0);
    SetText(kTccFormat, CTestcaseConverterDlg::FormatName(settings.outputFormat));
    const bool listedKeyboard = CTestcaseConverterDlg::KeyboardOfName(GetLanguageName(settings.keyboard)) != 99;
    SetText(kTccKeyboard, listedKeyboard ? GetLanguageName(settings.keyboard) : std::string());
    for (const TextBinding& text : kTexts) SetText(text.control, settings.*text.setting);
    for (const CheckBinding& check : kChecks) SetChecked(check.control, settings.*check.setting);
    SetText(kTccOptionsGroup, dialog_.GetOptionsTitle());
    for (const auto& [id, control] : Controls()) {
        Show(id, dialog_.IsControlShown(id));
        Enable(id, dialog_.IsControlEnabled(id));
    }
}
