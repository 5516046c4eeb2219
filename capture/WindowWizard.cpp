#include "capture/WindowWizard.h"

#include "capture/StandardDialogModels.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

struct WizardType {
    int textId;
    std::vector<int> styleTextIds;
    int firstStyle;
};

// By type number; each style's number is its place in its list.
const std::vector<WizardType>& WizardTypes() {
    static const std::vector<WizardType> types{
        {49306, {49309, 49310}, 0},
        {49307, {49311, 49312, 49313, 49314, 49315, 49316}, 1},
        {49308, {49317}, 0},
    };
    return types;
}

const std::vector<int> kLanguageGroup{CWindowWizard::kEnglish, CWindowWizard::kGerman};

std::vector<std::string> TextsOf(const std::vector<std::pair<std::string, int>>& entries) {
    std::vector<std::string> texts;
    for (const auto& entry : entries) texts.push_back(entry.first);
    return texts;
}

}  // namespace

CWindowWizard::CWindowWizard(EditorHost& host, CWindowList& windows) : EditorDialog(host, kResourceId), windows_(windows) {
    AddControl(kTypeList);
    AddControl(kStyleList);
    AddControl(kEnglish, "English");
    AddControl(kGerman, "German");
    SetTitle("Window Wizard", false);
}

CWindowKav* CWindowWizard::Run() {
    created_ = nullptr;
    if (Host().RunModal(*this) != kIdOk) return nullptr;
    return created_;
}

void CWindowWizard::CreateWindowModel(int type, int style, int language) {
    if (CWindowKav* dialog = CreateStandardDialogModel(windows_, type, style, language)) created_ = dialog;
}

void CWindowWizard::OnInitDialog() {
    types_.clear();
    for (int type = 0; type < static_cast<int>(WizardTypes().size()); ++type)
        types_.emplace_back(LoadMessage(WizardTypes()[static_cast<size_t>(type)].textId), type);
    SetSortedItems(kTypeList, TextsOf(types_));
    constexpr int kMessageBox = 1;
    SetText(kTypeList, types_[kMessageBox].first);
    FillStyles(kMessageBox);
    language_ = kEnglishDialog;
    CheckRadio(kLanguageGroup, language_);
}

void CWindowWizard::OnTypeChanged() {
    if (const int type = ChosenNumber(kTypeList, types_); type >= 0) FillStyles(type);
}

bool CWindowWizard::OnOK() {
    language_ = CheckedRadio(kLanguageGroup);
    const int type = ChosenNumber(kTypeList, types_);
    const int style = ChosenNumber(kStyleList, styles_);
    if (type >= 0 && style >= 0) CreateWindowModel(type, style, language_);
    return true;
}

void CWindowWizard::FillStyles(int type) {
    const WizardType& entry = WizardTypes()[static_cast<size_t>(type)];
    styles_.clear();
    for (int style = 0; style < static_cast<int>(entry.styleTextIds.size()); ++style)
        styles_.emplace_back(LoadMessage(entry.styleTextIds[static_cast<size_t>(style)]), style);
    SetSortedItems(kStyleList, TextsOf(styles_));
    SetText(kStyleList, styles_[static_cast<size_t>(entry.firstStyle)].first);
}

int CWindowWizard::ChosenNumber(int control, const Entries& entries) const {
    const std::string chosen = GetText(control);
    for (const auto& [text, number] : entries)
        if (text == chosen) return number;
    return -1;
}
