#include "editors/windows/TypePropertiesDlgs.h"

#include <algorithm>

#include "conditions/Designator.h"
#include "editors/framework/MergeEditedCopies.h"
#include "editors/windows/TabEditorDlg.h"
#include "model/windows/WindowTypes.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kPopupAndSeparator = 45115;
constexpr int kCaptionInvalidProperties = 47119;
constexpr int kPageWindowGone = 45146;
constexpr int kCaptionInvalidTabPage = 47120;

constexpr const char* kUndetermined = "undetermined";
constexpr size_t kUndeterminedIndex = 2;

}  // namespace

CPropsCheckBoxDlg::CPropsCheckBoxDlg(EditorHost& host, CApplicationKav& project)
    : CPropertiesDlg(host, project, kWndCheckBox) {}

void CPropsCheckBoxDlg::OnInitDialog() {
    CPropertiesDlg::OnInitDialog();
    OnTypeControlClicked(kPropTriState);
    ShowChoiceIndex(kPropCheckValue, static_cast<const CCheckBoxKav&>(Window()).GetValue());
}

void CPropsCheckBoxDlg::OnTypeControlClicked(int id) {
    if (id != kPropTriState) return;
    std::vector<std::string> items = Control(kPropCheckValue).items;
    const int chosen = ChoiceIndex(kPropCheckValue);
    items.resize(kUndeterminedIndex);
    if (IsChecked(kPropTriState)) items.push_back(kUndetermined);
    SetItems(kPropCheckValue, items);
    ShowChoiceIndex(kPropCheckValue, chosen);
}

CPropsGroupBoxDlg::CPropsGroupBoxDlg(EditorHost& host, CApplicationKav& project)
    : CPropertiesDlg(host, project, kWndGroupBox) {}

void CPropsGroupBoxDlg::OnInitDialog() {
    CPropertiesDlg::OnInitDialog();
    std::vector<std::string> captions;
    for (const CRadioButtonKav* button : static_cast<const CGroupBoxKav&>(Window()).GetRadioButtons())
        captions.push_back(button->GetCaption());
    const std::string value = GetText(kPropGroupBoxValue);
    const bool offered = std::find(captions.begin(), captions.end(), value) != captions.end();
    SetItems(kPropGroupBoxValue, std::move(captions));
    if (!offered) SetText(kPropGroupBoxValue, "");
}

CPropsMenuItemDlg::CPropsMenuItemDlg(EditorHost& host, CApplicationKav& project)
    : CPropertiesDlg(host, project, kWndMenuItem) {}

bool CPropsMenuItemDlg::CheckTypeProperties() {
    if (IsChecked(kPropPopup) && IsChecked(kPropSeparator))
        return Refuse(kPopupAndSeparator, kCaptionInvalidProperties, kPropSeparator);
    return CPropertiesDlg::CheckTypeProperties();
}

CPropsTabControlDlg::CPropsTabControlDlg(EditorHost& host, CApplicationKav& project)
    : CPropertiesDlg(host, project, kWndTabControl) {}

CPropsTabControlDlg::~CPropsTabControlDlg() = default;

void CPropsTabControlDlg::OnInitDialog() {
    CPropertiesDlg::OnInitDialog();
    auto& control = static_cast<CTabControlKav&>(Window());
    for (CTabPage* page : control.GetPages()) page->SetModified(false);
    working_ = MakeWorkingTabControl(control);
    pagesChanged_ = false;
}

void CPropsTabControlDlg::OnTypeControlClicked(int id) {
    if (id != kPropTabPages || !working_) return;
    CTabEditorDlg editor(Host());
    if (editor.EditTabPages(*working_)) pagesChanged_ = true;
}

bool CPropsTabControlDlg::OnCancel() {
    working_.reset();
    return true;
}

void CPropsTabControlDlg::ApplyTypePropertiesOnOK() {
    if (pagesChanged_ && working_) {
        auto& control = static_cast<CTabControlKav&>(Window());
        MergeEditedCopies(control.GetPages(), working_->GetPages());
        control.SetSelectedPageTitle(working_->GetSelectedPageTitle());
        ShowPageWindows(control);
    }
    working_.reset();
}

void CPropsTabControlDlg::ShowPageWindows(CTabControlKav& control) const {
    for (const CTabPage* page : control.GetPages()) {
        CKavroObj* object = ResolveDesignatorObject(page->GetPageWindowId());
        if (!object || object->GetKind() != kKindWindow) {
            GetInteraction().ShowMessage({FormatMessageId(kPageWindowGone, page->GetPageWindowId()),
                                          LoadMessage(kCaptionInvalidTabPage), MessageButtons::Ok,
                                          MessageIcon::Warning});
            continue;
        }
        auto* window = static_cast<CWindowKav*>(object);
        window->SetMethod(0);
        window->SetVisible(EqualsNoCase(page->GetTitle(), control.GetSelectedPageTitle()));
    }
}
