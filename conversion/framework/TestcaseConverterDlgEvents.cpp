// The conversion dialog's handlers: which controls the format and the web test offer, and the
// checks of OK.
#include <algorithm>

#include "conversion/framework/OutputFormats.h"
#include "conversion/framework/TestcaseConverterDlg.h"
#include "model/DisplayTexts.h"

namespace {

constexpr int kInvalidTimeout = 44278;
constexpr int kMaxTimeoutSeconds = 3600;

// The start options that a web test replaces by the start page's URL.
constexpr std::initializer_list<int> kApplicationStartControls = {
    kTccRootFolder, kTccBrowseRoot, kTccExePath, kTccBrowseExe, kTccParameters, kTccWorkingFolder, kTccBrowseWorking};

// The options of the tools that have some.
constexpr std::initializer_list<int> kWinRunnerOptions = {kTccTimeout,       kTccOptimizeWait,  kTccKeyboard,
                                                         kTccExtraVariables, kTccKeyboardLabel, kTccTimeoutLabel,
                                                         kTccExtraVariablesLabel};
constexpr std::initializer_list<int> kUftOptions = {kTccShowUft, kTccLeaveUftOpen};

// The formats whose scripts wait for windows.
bool ChecksTimeout(int format) {
    switch (format) {
        case kFormatSilkTest:
        case kFormatTestPartner:
        case kFormatUft:
        case kFormatWinRunner:
        case kFormatRanorex: return true;
        default: return false;
    }
}

template <class Name>
int CodeOfName(const std::vector<int>& codes, const std::string& name, Name nameOf, int none) {
    for (int code : codes)
        if (nameOf(code) == name) return code;
    return none;
}

}  // namespace

const std::vector<int>& CTestcaseConverterDlg::DialogFormats() {
    static const std::vector<int> formats = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14};
    return formats;
}

std::string CTestcaseConverterDlg::FormatName(int format) { return GetConverterName(format); }

int CTestcaseConverterDlg::FormatOfName(const std::string& name) {
    return CodeOfName(DialogFormats(), name, FormatName, kFormatNone);
}

const std::vector<int>& CTestcaseConverterDlg::DialogKeyboards() {
    static const std::vector<int> keyboards = {0, 1};
    return keyboards;
}

int CTestcaseConverterDlg::KeyboardOfName(const std::string& name) {
    return CodeOfName(DialogKeyboards(), name, GetLanguageName, 99);
}

void CTestcaseConverterDlg::ShowControls(std::initializer_list<int> ids, bool shown) {
    for (int id : ids) {
        if (shown) hidden_.erase(id);
        else hidden_.insert(id);
    }
}

void CTestcaseConverterDlg::EnableControls(std::initializer_list<int> ids, bool enabled) {
    for (int id : ids) {
        if (enabled) disabled_.erase(id);
        else disabled_.insert(id);
    }
}

void CTestcaseConverterDlg::OnInitDialog() {
    // A whole-project run cannot be narrowed.
    EnableControls({kTccScopeElement}, settings_.wholeProject != 1);
    OnSelchangeOutputFormat();
    EnableControls({kTccStartPage}, settings_.webTest);
    if (settings_.webTest) EnableControls(kApplicationStartControls, false);
}

void CTestcaseConverterDlg::OnSelchangeOutputFormat() {
    settings_.outputPath = GetDefaultOutputPath();
    switch (settings_.outputFormat) {
        case kFormatUft:
            optionsTitle_ = "UFT Options";
            ShowControls({kTccOptionsGroup}, true);
            ShowControls(kUftOptions, true);
            ShowControls(kWinRunnerOptions, false);
            break;
        case kFormatWinRunner:
            optionsTitle_ = "WinRunner Options";
            ShowControls({kTccOptionsGroup}, true);
            ShowControls(kWinRunnerOptions, true);
            ShowControls(kUftOptions, false);
            break;
        default:
            ShowControls({kTccOptionsGroup}, false);
            ShowControls(kWinRunnerOptions, false);
            ShowControls(kUftOptions, false);
            break;
    }
}

void CTestcaseConverterDlg::OnWebTest() {
    EnableControls({kTccStartPage}, settings_.webTest);
    EnableControls(kApplicationStartControls, !settings_.webTest);
}

void CTestcaseConverterDlg::OnShowUftWindow() {
    if (!settings_.showUft) settings_.leaveUftOpen = 0;
    EnableControls({kTccLeaveUftOpen}, settings_.showUft);
}

std::optional<DialogCheckFailure> CTestcaseConverterDlg::OnOK(std::optional<int> typedTimeout) {
    if (ChecksTimeout(settings_.outputFormat)) {
        if (!typedTimeout || *typedTimeout < 0 || *typedTimeout > kMaxTimeoutSeconds)
            return DialogCheckFailure{kInvalidTimeout, "Invalid Time-Out", kTccTimeout};
    }
    // Another format does not use the time-out: text that is no number leaves it as it was.
    if (typedTimeout) settings_.timeout = *typedTimeout;
    return std::nullopt;
}
