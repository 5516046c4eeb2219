// The Visual Basic script of a test case: the start of the application, then per step the
// attach statements of its captioned window when it changes, the step's statement and its
// pause.
#include "conversion/framework/ConverterHelpers.h"
#include "conversion/framework/GuiBuilders.h"
#include "conversion/framework/InternetExplorer.h"
#include "conversion/testpartner/TestPartnerTCC.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "model/WindowKav.h"
#include "platform/Clock.h"
#include "platform/Format.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kTopLevelWithoutTitleBar = 45033;
constexpr int kStepNotTranslated = 45117;

std::string ConversionDate() {
    const DateTime now = GetClock().LocalNow();
    return Fmt("%02d.%02d.%04d at %02d:%02d:%02d", now.day, now.month, now.year, now.hour, now.minute, now.second);
}

const CWindowKav& TopMost(const CWindowKav& window) {
    const CWindowKav* top = &window;
    while (top->GetParent()) top = top->GetParent();
    return *top;
}

std::string UserCode(const std::string& code) {
    return "'-- BEGIN User-defined code -----------\n \t" + ReplaceSeparators(code, "\n", "\n \t \t") +
           "\n \t \t'-- END User-defined code -------------\n";
}

}  // namespace

std::string CTestPartnerTCC::StartStatement() const {
    const std::string browser = webTest_ ? InternetExplorerFolder() + "iexplore " : "";
    return "\t'-- Start new instance of the application under test --\n\tShell \"" + browser + GetExePath() +
           "\", vbNormalFocus\n \n ";
}

std::string CTestPartnerTCC::AttachBlock(const CWindowKav& window) const {
    const auto attach = [](const CWindowKav& target, const char* options) {
        return "\n\t" + CTestPartnerEventParser::GetTPClassName(target) + "(\"" + target.GetTag() + "\"" + options +
               ").Attach";
    };
    if (window.GetGuiID() == kHtmlGui) {
        // Every page part from the browser down.
        std::string lines;
        for (const CWindowKav* part = &window; part; part = part->GetParent()) lines.insert(0, attach(*part, ""));
        return "\n " + lines + "\n";
    }
    if (window.GetNumID() <= 0) return attach(window, "") + "\n";
    return attach(TopMost(window), "") + "\n" + attach(window, ", tpAttachChild") + "\n";
}

int CTestPartnerTCC::BuildTestCaseScript(const CTestCase& testCase, std::string& text) {
    text = "Sub Main()\n \n \n'Converted by KAVRO on " + ConversionDate() +
           "\n \n \t'-- Include KAVRO Custom VB Functions --\n\tInclude \"" + ModulePrefix() + "_INCLUDES\"\n \n";
    if (!GetExePath().empty()) text += StartStatement();
    text += "\t'-- Execute Testcase --\n";

    const CWindowKav* attached = nullptr;
    for (const CTestStep* step : testCase.GetSteps()) {
        std::string statement;
        if (std::string code = step->GetCommands(); !code.empty()) {
            parser_.TranslateKeyNames(code);
            statement = UserCode(code);
        } else {
            const CWindowKav* window = step->GetStartWindow();
            const std::string event = step->GetEventWithoutLineFeeds();
            if (!window || event.empty()) continue;
            if (!parser_.TranslateEventString(event, window, statement)) {
                const std::string reason = GetGlobalMessageBuffer();
                return Fail(kStepNotTranslated, step->GetName(), step->GetTask() ? step->GetTask()->GetName() : "",
                            reason);
            }
            // The statements of a window run in the window with a title bar that holds it.
            const CWindowKav* captioned = window;
            for (; !captioned->HasCaption(); captioned = captioned->GetParent())
                if (!captioned->GetParent()) return Fail(kTopLevelWithoutTitleBar, captioned->GetName());
            if (captioned != attached) text += AttachBlock(*captioned);
            attached = captioned;
        }
        // A comment of several lines would end the comment early.
        const std::string comment = JoinLines(step->GetComment());
        text += "\t\t" + statement + "\t\t' " + comment + "\n";
        if (step->GetDelay() != 0)
            text += "\t\tPause " + std::to_string(step->GetDelay()) + ", tpPauseMilliSeconds\t\t' Delay of " + comment +
                    "\n";
    }
    text += "\n \nEnd Sub\n \n \n";
    return 1;
}
