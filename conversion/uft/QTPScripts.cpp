// The VBScript of a test case, and the UFT environments its windows need.
#include <algorithm>

#include "conversion/framework/ConverterHelpers.h"
#include "conversion/framework/GuiBuilders.h"
#include "conversion/framework/InternetExplorer.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/uft/QTP.h"
#include "conversion/uft/UftClassTable.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/XMLElement.h"
#include "model/windows/WindowTypes.h"
#include "platform/Clock.h"
#include "platform/Format.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kStepNotTranslated = 45172;
constexpr const char* kStandardWindows = "Standard Windows";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string ConversionDate() {
    const DateTime now = GetClock().LocalNow();
    return Fmt("%02d.%02d.%04d at %02d:%02d:%02d", now.day, now.month, now.year, now.hour, now.minute, now.second);
}

// The environment of a window that UFT did not describe, by its GUI builder.
const char* EnvironmentOfGuiBuilder(int guiId) {
    switch (guiId) {
        case kWindowsFormsGui: return ".NET";
        case 991:
        case 992: return "SAP";
        case 993: return "WPF";
        case 994: return "Oracle";
        case kHtmlGui: return "Web";
        case kJavaGuiBuilderId: return "Java";
        case 997: return "Delphi";
        case 998: return "Visual Basic";
        default: return "";
    }
}

std::string EnvironmentOf(const CWindowKav& window) {
    if (window.GetImportTool() != kFormatUft) return EnvironmentOfGuiBuilder(window.GetGuiID());
    const CXMLElement* description = window.GetToolData();
    const CQTPWndType* entry = description ? FindClassEntry(description->GetAttributeValue("Class")) : nullptr;
    return entry ? entry->environment : std::string();
}

}  // namespace

std::string CQTP::StartStatement() const {
    if (webTest_)
        return "SystemUtil.Run " + Quoted(InternetExplorerFolder() + "iexplore") + ", " + Quoted(GetExePath()) + "\n";
    return "SystemUtil.Run " + Quoted(GetExePath()) + ", " + Quoted(GetParameters()) + ", " +
           Quoted(GetWorkingFolder()) + ", \"open\"\n";
}

int CQTP::WriteTestScript(const CTestCase& testCase, std::string& text) {
    text = "' Test Case " + testCase.GetDisplayName() + "\n' Converted by KAVRO on " + ConversionDate() + "\n\n";
    if (!GetExePath().empty()) text += StartStatement();
    for (const CTestStep* step : testCase.GetSteps()) {
        std::string statement;
        if (const std::string code = step->GetCommands(); !code.empty()) {
            statement = "'-- BEGIN User-defined code -----------\n" + code + "\n'-- END User-defined code -------------\n";
        } else {
            const CWindowKav* window = step->GetStartWindow();
            const std::string event = step->GetEventWithoutLineFeeds();
            if (!window || event.empty()) continue;
            if (!parser_.TranslateEventString(event, window, statement)) {
                const std::string reason = GetGlobalMessageBuffer();
                return Fail(kStepNotTranslated, step->GetName(), step->GetTask() ? step->GetTask()->GetName() : "",
                            reason);
            }
        }
        // A comment of several lines would end the comment early.
        const std::string comment = JoinLines(step->GetComment());
        text += statement + "\t\t' " + comment + "\n";
        if (const int delay = step->GetDelay(); delay != 0)
            text += Fmt("Wait %d, %d", delay / 1000, delay % 1000) + "\t\t' Delay of " + comment + "\n";
    }
    return 1;
}

int CQTP::CollectEnvironments(const CTestCase& testCase, std::vector<std::string>& environments) const {
    environments.clear();
    for (const CTestStep* step : testCase.GetSteps()) {
        const CWindowKav* window = step->GetStartWindow();
        if (!window) continue;
        const std::string environment = EnvironmentOf(*window);
        if (environment.empty() || EqualsNoCase(environment, kStandardWindows)) continue;
        if (std::find(environments.begin(), environments.end(), environment) == environments.end())
            environments.push_back(environment);
    }
    return static_cast<int>(environments.size());
}
