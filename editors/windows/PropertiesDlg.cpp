#include "editors/windows/PropertiesDlg.h"

#include <algorithm>

#include "editors/framework/IntegerText.h"
#include "editors/windows/RanorexPropsDlg.h"
#include "editors/windows/SmurfPropsDlg.h"
#include "editors/windows/TypePropertiesDlgs.h"
#include "editors/windows/UftPropsDlg.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/GUIBuilderList.h"
#include "model/WindowKav.h"
#include "model/XMLElement.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kNoPropertiesEditor = 41029;
constexpr int kCaptionFatalError = 47001;
constexpr int kEnterValidNumericId = 44437;
constexpr int kCaptionInvalidNumericId = 47117;
constexpr int kCaptionCannotChangeId = 47031;
constexpr int kTitleProperties = 47191;
constexpr int kOpenedByParent = 49213;
constexpr int kOpenedByCall = 49214;
constexpr int kIgnoredByUft = 49336;
constexpr int kUftButton = 49390;
constexpr int kRanorexButton = 49337;
constexpr int kSmurfButton = 49005;
constexpr int kHelpTopic = 35005;

constexpr int kFormatUft = 7;
constexpr int kFormatRanorex = 10;

// The text the toolkit shows for an edit of digits that holds no integer.
constexpr const char* kEnterInteger = "Please enter an integer.";

}  // namespace

CPropertiesDlg::CPropertiesDlg(EditorHost& host, CApplicationKav& project, int type)
    : EditorDialog(host, GetWindowTypeProperties(type).resourceId), project_(project), type_(type) {
    AddControl(kPropWindowId);
    AddControl(kPropNumericId);
    AddControl(kPropGuiBuilder);
    AddControl(kPropClassName);
    AddControl(kPropCaption);
    AddControl(kPropOpenedBy);
    AddControl(kPropVisible, "&Visible");
    AddControl(kPropEnabled, "&Enabled");
    AddControl(kPropTag);
    AddControl(kPropToolButton, "QTP Properties...");
    for (const TypeControl& control : TypeProperties().controls) {
        AddControl(control.id, control.label);
        SetItems(control.id, control.items);
    }
}

CPropertiesDlg::~CPropertiesDlg() = default;

std::unique_ptr<CPropertiesDlg> CPropertiesDlg::CreateForType(EditorHost& host, CApplicationKav& project, int type) {
    switch (type) {
        case kWndCheckBox: return std::make_unique<CPropsCheckBoxDlg>(host, project);
        case kWndGroupBox: return std::make_unique<CPropsGroupBoxDlg>(host, project);
        case kWndTabControl: return std::make_unique<CPropsTabControlDlg>(host, project);
        case kWndMenuItem: return std::make_unique<CPropsMenuItemDlg>(host, project);
        default: break;
    }
    if (type < 0 || type >= kWindowTypeCount) return nullptr;
    return std::unique_ptr<CPropertiesDlg>(new CPropertiesDlg(host, project, type));
}

int CPropertiesDlg::EditWindow(CWindowKav& window) {
    window_ = &window;
    readOnly_ = !window.IsEditable(false);
    toolData_.reset(window.GetToolData() ? window.GetToolData()->Clone() : nullptr);
    ReadCommonProperties();
    ReadTypeProperties();
    result_ = kNothingWritten;
    const int end = Host().RunModal(*this);
    if (readOnly_ || end != kIdOk) {
        toolData_.reset();
        return kNothingWritten;
    }
    if (result_ == kNothingWritten) result_ = kWritten;
    WriteTypeProperties();
    Host().SetModified(LoadMessage(48055));
    return result_;
}

void CPropertiesDlg::ReadCommonProperties() {
    SetText(kPropWindowId, window_->GetName());
    SetText(kPropNumericId, std::to_string(window_->GetNumID()));
    SetText(kPropClassName, window_->GetClass());
    SetText(kPropTag, window_->GetTag());
    SetText(kPropCaption, window_->GetCaption());
    SetChecked(kPropVisible, window_->IsVisible());
    SetChecked(kPropEnabled, window_->IsEnabled());
}

void CPropertiesDlg::ReadTypeProperties() {
    for (const TypeControl& control : TypeProperties().controls) {
        switch (control.kind) {
            case TypeControlKind::Check: SetChecked(control.id, control.readValue(*window_) != 0); break;
            case TypeControlKind::Number: SetText(control.id, std::to_string(control.readValue(*window_))); break;
            case TypeControlKind::Text: SetText(control.id, control.readText(*window_)); break;
            case TypeControlKind::Choice:
                if (control.readText) SetText(control.id, control.readText(*window_));
                else ShowChoiceIndex(control.id, control.readValue(*window_));
                break;
            case TypeControlKind::Button: break;
        }
    }
}

void CPropertiesDlg::WriteTypeProperties() {
    for (const TypeControl& control : TypeProperties().controls) {
        switch (control.kind) {
            case TypeControlKind::Check: control.writeValue(*window_, IsChecked(control.id)); break;
            case TypeControlKind::Number: control.writeValue(*window_, ParseLeadingInt(GetText(control.id))); break;
            case TypeControlKind::Text: control.writeText(*window_, GetText(control.id)); break;
            case TypeControlKind::Choice:
                if (control.writeText) control.writeText(*window_, GetText(control.id));
                else control.writeValue(*window_, ChoiceIndex(control.id));
                break;
            case TypeControlKind::Button: break;
        }
    }
}

void CPropertiesDlg::ShowChoiceIndex(int id, int index) {
    const std::vector<std::string>& items = Control(id).items;
    SetText(id, index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<size_t>(index)] : "");
}

int CPropertiesDlg::ChoiceIndex(int id) const {
    const EditorControl& control = Control(id);
    if (control.text.empty()) return -1;
    const auto found = std::find(control.items.begin(), control.items.end(), control.text);
    return found == control.items.end() ? -1 : static_cast<int>(found - control.items.begin());
}

void CPropertiesDlg::OnInitDialog() {
    SetTitle(LoadMessage(kTitleProperties) + GetWindowTypeName(type_) + " " + GetText(kPropWindowId), readOnly_);
    if (readOnly_)
        for (const auto& [id, control] : Controls())
            if (id != kIdOk && id != kIdCancel && id != kPropToolButton && id != kPropTabPages) Enable(id, false);
    FillGuiBuilders();
    Enable(kPropOpenedBy, false);
    if (type_ != kWndMenu) {
        SetItems(kPropOpenedBy, {LoadMessage(kOpenedByParent), LoadMessage(kOpenedByCall)});
        ShowChoiceIndex(kPropOpenedBy, window_->GetMethod());
    }
    ShowToolControls();
}

void CPropertiesDlg::FillGuiBuilders() {
    std::vector<std::string> names;
    for (const CGUIBuilder* builder : GetGuiBuilderDatabase()) names.push_back(builder->GetName());
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    SetItems(kPropGuiBuilder, names);
    SetText(kPropGuiBuilder, "");
    const CGUIBuilder* builder = GetGuiBuilderDatabase().FindByGuiID(window_->GetGuiID());
    if (!builder) return;
    const std::string prefix = ToLowerText(builder->GetName());
    for (const std::string& name : names)
        if (ToLowerText(name).starts_with(prefix)) {
            SetText(kPropGuiBuilder, name);
            return;
        }
}

void CPropertiesDlg::ShowToolControls() {
    const int format = project_.GetOutputFormat();
    if (format == kFormatUft && !toolData_) {
        Show(kPropToolButton, false);
        SetText(kPropTag, LoadMessage(kIgnoredByUft));
        Enable(kPropTag, false);
        return;
    }
    int buttonText = 0;
    if (format == kFormatUft) buttonText = kUftButton;
    else if (format == kFormatRanorex) buttonText = kRanorexButton;
    else if (project_.IsEsaOutputFormat()) buttonText = kSmurfButton;
    if (!buttonText) {
        Show(kPropToolButton, false);
        return;
    }
    SetText(kPropToolButton, LoadMessage(buttonText));
    Show(kPropTag, false);
}

int CPropertiesDlg::HelpTopic() const {
    return kHelpTopic;
}

bool CPropertiesDlg::CheckTypeProperties() {
    for (const TypeControl& control : TypeProperties().controls)
        if (control.kind == TypeControlKind::Number && !ParseInteger(GetText(control.id)))
            return RefuseWithCaption(kEnterInteger, "", control.id);
    return true;
}

bool CPropertiesDlg::ReadNumericId(int& numId) {
    size_t end = 0;
    numId = ParseLeadingInt(GetText(kPropNumericId), &end);
    return end != 0;
}

bool CPropertiesDlg::OnOK() {
    if (readOnly_) return true;
    if (!CheckTypeProperties()) return false;
    int numId = 0;
    if (!ReadNumericId(numId)) return Refuse(kEnterValidNumericId, kCaptionInvalidNumericId, kPropNumericId);
    const std::string windowId = GetText(kPropWindowId);
    if (windowId != window_->GetName()) {
        if (!project_.GetWindowList().RenameWindow(window_, windowId))
            return RefuseWithText(GetGlobalMessageBuffer(), kCaptionCannotChangeId, kPropWindowId);
        result_ = kWrittenAndRenamed;
    }
    ApplyTypePropertiesOnOK();
    HandOverToolData();
    WriteCommonProperties(numId);
    return true;
}

void CPropertiesDlg::HandOverToolData() {
    if (!toolData_) return;
    delete window_->GetToolData();
    window_->SetToolData(toolData_.release());
    if (project_.IsEsaOutputFormat())
        window_->SetSmurfValue("application", window_->GetSmurfValue("application"), &project_, true);
}

void CPropertiesDlg::WriteCommonProperties(int numId) {
    if (type_ != kWndMenu) {
        // A method outside the two offered ones shows no entry and stays as it was.
        if (const int method = ChoiceIndex(kPropOpenedBy); method >= 0) window_->SetMethod(method);
    }
    const std::string builderName = GetText(kPropGuiBuilder);
    if (!builderName.empty())
        if (const CGUIBuilder* builder = GetGuiBuilderDatabase().FindBuilder(builderName, false))
            window_->SetGuiID(builder->GetGuiID());
    window_->SetNumID(numId);
    window_->SetClass(GetText(kPropClassName));
    window_->SetCaption(GetText(kPropCaption));
    window_->SetVisible(IsChecked(kPropVisible));
    window_->SetEnabled(IsChecked(kPropEnabled));
    if (project_.GetOutputFormat() != kFormatUft) window_->SetTag(GetText(kPropTag));
}

void CPropertiesDlg::OnToolProperties() {
    const int format = project_.GetOutputFormat();
    if (format == kFormatUft) {
        if (!toolData_) return;
        if (GetText(kPropWindowId) != window_->GetName()) toolData_->SetAttributeValue("Name", GetText(kPropWindowId));
        CPropsQTPDlg dialog(Host());
        if (std::unique_ptr<CXMLElement> edited = dialog.EditUftProperties(*window_, toolData_.get(), readOnly_))
            toolData_ = std::move(edited);
    } else if (format == kFormatRanorex) {
        CPropsRanorexDlg dialog(Host());
        if (const std::string tag = dialog.EditTag(*window_, GetText(kPropTag), readOnly_); !tag.empty())
            SetText(kPropTag, tag);
    } else if (project_.IsEsaOutputFormat()) {
        CPropsSMURFDlg dialog(Host());
        if (std::unique_ptr<CXMLElement> edited = dialog.EditSmurfProperties(*window_, toolData_.get(), readOnly_))
            toolData_ = std::move(edited);
    }
}

int EditWindowProperties(EditorHost& host, CApplicationKav& project, CWindowKav& window) {
    const std::unique_ptr<CPropertiesDlg> dialog = CPropertiesDlg::CreateForType(host, project, window.GetType());
    if (!dialog) {
        GetInteraction().ShowMessage({LoadMessage(kNoPropertiesEditor), LoadMessage(kCaptionFatalError),
                                      MessageButtons::Ok, MessageIcon::Error});
        return CPropertiesDlg::kNothingWritten;
    }
    const int result = dialog->EditWindow(window);
    if (result != CPropertiesDlg::kNothingWritten) host.RefreshAllViews();
    return result;
}
