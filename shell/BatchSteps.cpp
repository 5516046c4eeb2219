#include "shell/BatchSteps.h"

#include "conditions/ConditionContext.h"
#include "conditions/Designator.h"
#include "conversion/framework/TestcaseConverterDlg.h"
#include "conversion/xml/XMLConverter.h"
#include "generation/TCGRun.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kStartWindowMissing = 44985;     // [W0985]
constexpr int kStartWindowHasParent = 44986;   // [W0986]
constexpr int kStartWindowNotUsable = 44987;   // [W0987]

void ShowWarning(const std::string& text) { GetInteraction().Inform(text, MessageIcon::Warning); }

}  // namespace

void ApplyNameValuePairs(const std::vector<NameValuePair>& pairs) {
    InitConditionContext();
    for (const NameValuePair& pair : pairs) {
        ClearGlobalMessage();
        CKavroObj* object = ResolveDesignatorObject(pair.name);
        if (!object) {
            ShowWarning(GetGlobalMessageBuffer());
            continue;
        }
        if (object->GetKind() == kKindAttribute) static_cast<CAttributeKav*>(object)->SetValue(pair.value);
    }
}

int SetStartWindowFromCommandLine(const std::string& name) {
    CWindowKav* window = CurrentApplication->GetWindowList().FindByName(name, nullptr);
    int refusal = 0;
    if (!window) refusal = kStartWindowMissing;
    else if (window->GetParent()) refusal = kStartWindowHasParent;
    else if (!window->IsVisible() || !window->IsEnabled()) refusal = kStartWindowNotUsable;
    if (refusal) {
        SetMessage(refusal, name);
        ShowWarning(GetGlobalMessageBuffer());
        return 0;
    }
    CurrentApplication->SetStartWindow(window);
    return 1;
}

int GenerateInBatch(int methodCode, ProgressObserver* observer, GeneratorTable generators) {
    GenerationRequest request;
    request.project = CurrentApplication;
    request.methodCode = methodCode;
    request.random = kBatchRandomTestSettings;
    CTCGRun run(std::move(generators));
    if (observer) run.GetProgress().AddObserver(observer);
    run.SetParameters(request, true);
    run.Run();
    if (observer) run.GetProgress().RemoveObserver(observer);
    if (run.Succeeded()) return 1;
    // The log holds the reason too, but the log and the messages may go to different places.
    if (!GetGlobalMessageBuffer().empty()) ShowWarning(GetGlobalMessageBuffer());
    return 0;
}

int ConvertInBatch(Progress* progress, const ConverterTable& converters) {
    CTestcaseConverterDlg converter(converters);
    converter.progress = progress;
    return converter.ConvertTestCases(nullptr, nullptr, true);
}

int ExportSmurfInBatch(const std::string& exportPath) {
    CXMLConverter exporter(XmlConverterMode::SmurfObjectMaps);
    int count = 0;
    if (exporter.ExportSmurfObjectMaps(exportPath, count, "") == 1) return 1;
    ShowWarning(GetGlobalMessageBuffer());
    return 0;
}

bool RunCommandLineSteps(const CommandLine& line, ProgressObserver* observer, Progress* progress) {
    bool succeeded = true;
    if (!line.pairs.empty()) ApplyNameValuePairs(line.pairs);
    if (!line.startWindow.empty()) SetStartWindowFromCommandLine(line.startWindow);
    if (line.generate && !GenerateInBatch(line.generationMethod, observer)) succeeded = false;
    if (line.convert && !ConvertInBatch(progress)) succeeded = false;
    if (!line.exportKeyword.empty()) ExportSmurfInBatch(line.settings.exportPath);
    return succeeded;
}
