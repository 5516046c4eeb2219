#include "editors/windows/TagGenerationDlg.h"

#include <algorithm>

#include "conversion/framework/OutputFormats.h"
#include "conversion/framework/TagGeneration.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "platform/Interaction.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kGenerationSuccessful = 42011;
constexpr int kCaptionTagGenerator = 47154;
constexpr int kUndoGenerateWindowTags = 48046;

// The tools whose converters generate tags, and the one chosen for a project of another format.
constexpr int kTagTools[] = {kFormatWinRunner, kFormatSilkTest, kFormatTestPartner, kFormatUft, kFormatRanorex};
constexpr int kDefaultTagTool = kFormatWinRunner;

const std::vector<int> kPreferenceGroup = {kTagPreferNumericId, kTagPreferCaption};

// The tool of that display name, or 0.
int TagToolCode(const std::string& name) {
    for (int format : kTagTools)
        if (GetConverterName(format) == name) return format;
    return 0;
}

}  // namespace

CTagGenerationDlg::CTagGenerationDlg(EditorHost& host, CApplicationKav& project, const ConverterTable& table)
    : EditorDialog(host, kResourceId), project_(project), table_(table) {
    AddControl(kTagTool);
    AddControl(kTagPreferNumericId, "Numeric ID");
    AddControl(kTagPreferCaption, "Caption");
}

int CTagGenerationDlg::Execute(CWindowKav* window) {
    window_ = window;
    return Host().RunModal(*this) == kIdOk ? 1 : 0;
}

int CTagGenerationDlg::GenerateTags(int format, CWindowKav* window) {
    return GenerateWindowTags(project_, format, window, preference_, table_);
}

void CTagGenerationDlg::OnInitDialog() {
    SetTitle("Tag Generation", false);
    std::vector<std::string> names;
    for (int format : kTagTools) names.push_back(GetConverterName(format));
    SetSortedItems(kTagTool, std::move(names));
    const bool projectTool = std::ranges::find(kTagTools, project_.GetOutputFormat()) != std::end(kTagTools);
    SetText(kTagTool, GetConverterName(projectTool ? project_.GetOutputFormat() : kDefaultTagTool));
    CheckRadio(kPreferenceGroup, preference_);
}

bool CTagGenerationDlg::OnOK() {
    preference_ = std::max(CheckedRadio(kPreferenceGroup), 0);
    if (const int format = TagToolCode(GetText(kTagTool)); format && GenerateTags(format, window_) == 1)
        GetInteraction().ShowMessage({LoadMessage(kGenerationSuccessful), LoadMessage(kCaptionTagGenerator),
                                      MessageButtons::Ok, MessageIcon::Information});
    return true;
}

int RunTagGeneration(EditorHost& host, CApplicationKav& project, CWindowKav* window) {
    CTagGenerationDlg dialog(host, project);
    if (!dialog.Execute(window)) return 0;
    host.SetModified(LoadMessage(kUndoGenerateWindowTags));
    return 1;
}
