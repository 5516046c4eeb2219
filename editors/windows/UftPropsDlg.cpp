#include "editors/windows/UftPropsDlg.h"

#include <algorithm>

#include "conversion/uft/UftClassTable.h"
#include "model/DisplayTexts.h"
#include "model/WindowKav.h"
#include "model/XMLElement.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kNoUftProperties = 45184;
constexpr int kInvalidStructure = 41146;
constexpr int kEnterValidName = 44739;
constexpr int kNewNameExists = 44746;
constexpr int kRenamedNameExists = 44747;
constexpr int kInvalidClass = 45186;
constexpr int kEnterOrdinal = 45192;
constexpr int kOrdinalDigits = 45193;
constexpr int kReallyDelete = 43019;

constexpr int kCaptionNoUftWindow = 47245;
constexpr int kTitleUft = 47246;
constexpr int kCaptionInvalidName = 47006;
constexpr int kCaptionInvalidClass = 47251;
constexpr int kCaptionInvalidXml = 47252;
constexpr int kCaptionInvalidOrdinal = 47257;
constexpr int kCaptionDeleteItem = 47113;
constexpr int kColumnName = 47247;
constexpr int kColumnType = 47248;
constexpr int kColumnValue = 47249;
constexpr int kColumnRegex = 47250;
constexpr int kColumnId = 47260;

constexpr const char* kProperties = "qtpRep:Properties";
constexpr const char* kProperty = "qtpRep:Property";
constexpr const char* kValue = "qtpRep:Value";
constexpr const char* kParameter = "qtpRep:Parameter";
constexpr const char* kBasicIdentification = "qtpRep:BasicIdentification";
constexpr const char* kPropertyRef = "qtpRep:PropertyRef";
constexpr const char* kOrdinalIdentifier = "qtpRep:OrdinalIdentifier";
constexpr const char* kRegexAttribute = "RegularExpression";
constexpr const char* kRegexOn = "-1";
constexpr const char* kDefaultType = "STRING";
constexpr const char* kDefaultParameter = "param1";
constexpr const char* kUnknownEnvironment = "UNKNOWN";

const std::vector<int> kValueKinds{kUftConstant, kUftParameter};

CXMLElement* MakeElement(const std::string& name, const std::string& value,
                         const std::vector<std::pair<std::string, std::string>>& attributes) {
    auto* element = new CXMLElement(name);
    element->SetValue(value);
    for (const auto& [attribute, text] : attributes) element->GetAttributes().Add(new CXMLAttribute(attribute, text));
    return element;
}

// Sets the attribute, adding it when the element has none.
void PutAttribute(CXMLElement& element, const std::string& name, const std::string& value) {
    if (!element.SetAttributeValue(name, value)) element.GetAttributes().Add(new CXMLAttribute(name, value));
}

// The property's "qtpRep:Value" or else "qtpRep:Parameter" child.
CXMLElement* ValueChild(const CXMLElement& property) {
    if (CXMLElement* value = property.FindChild(kValue)) return value;
    return property.FindChild(kParameter);
}

bool IsDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

CPropsQTPDlg::CPropsQTPDlg(EditorHost& host) : EditorDialog(host, kResourceId) {
    AddControl(kUftName);
    AddControl(kUftEnvironment);
    AddControl(kUftClass);
    AddControl(kUftOrdinalType);
    AddControl(kUftOrdinalValue);
    AddList(kUftProperties);
    AddControl(kUftPropertyName);
    AddControl(kUftPropertyType);
    AddControl(kUftConstant, "Constant Value");
    AddControl(kUftParameter, "Parameter");
    AddControl(kUftValue);
    AddControl(kUftParameterName);
    AddControl(kUftRegex, "Regular Expression");
    AddControl(kUftBasicId, "Used for Basic Identification");
    AddControl(kUftNew, "New");
    AddControl(kUftSet, "Set");
    AddControl(kUftDelete, "Delete");
    SetReadOnly(kUftEnvironment);
    // The choices are sorted.
    SetItems(kUftOrdinalType, {"", "CreationTime", "Index", "Location"});
    SetItems(kUftPropertyType, {"BOOL", "I2", "NUMBER", "STRING"});
    SetItems(kUftParameterName, {"param1", "param2", "param3"});
}

CPropsQTPDlg::~CPropsQTPDlg() = default;

std::unique_ptr<CXMLElement> CPropsQTPDlg::EditUftProperties(const CWindowKav& window, const CXMLElement* toolData,
                                                             bool readOnly) {
    window_ = &window;
    readOnly_ = readOnly;
    changed_ = false;
    if (!toolData || !window.GetToolData()) {
        GetInteraction().ShowMessage({LoadMessage(kNoUftProperties), LoadMessage(kCaptionNoUftWindow),
                                      MessageButtons::Ok, MessageIcon::Warning});
        return nullptr;
    }
    copy_.reset(toolData->Clone());
    const int end = Host().RunModal(*this);
    properties_ = nullptr;
    if (readOnly_ || end != kIdOk || !changed_) copy_.reset();
    return std::move(copy_);
}

void CPropsQTPDlg::ShowInvalidStructure() {
    GetInteraction().ShowMessage(
        {LoadMessage(kInvalidStructure), LoadMessage(kCaptionInvalidXml), MessageButtons::Ok, MessageIcon::Warning});
}

void CPropsQTPDlg::SelectEntry(int id, const std::string& text) {
    const std::string prefix = ToLowerText(text);
    for (const std::string& item : Control(id).items)
        if (ToLowerText(item).starts_with(prefix)) {
            SetText(id, item);
            return;
        }
}

void CPropsQTPDlg::OnInitDialog() {
    SetTitle(LoadMessage(kTitleUft) + GetWindowTypeName(window_->GetType()) + " " + window_->GetName(), readOnly_);
    SetText(kUftName, copy_->GetAttributeValue("Name"));
    SetText(kUftClass, copy_->GetAttributeValue("Class"));
    const CQTPWndType* entry = FindClassEntry(GetText(kUftClass));
    SetText(kUftEnvironment, entry ? entry->environment : kUnknownEnvironment);
    SetText(kUftOrdinalType, "");
    if (const CXMLElement* ordinal = copy_->FindByName(kOrdinalIdentifier)) {
        SelectEntry(kUftOrdinalType, ordinal->GetAttributeValue("Type"));
        if (const CXMLElement* value = ordinal->FindChild(kValue)) SetText(kUftOrdinalValue, value->GetValue());
    }
    Enable(kUftOrdinalValue, !GetText(kUftOrdinalType).empty());

    EditorList& rows = EditList(kUftProperties);
    rows.SetColumns({{LoadMessage(kColumnName), 110},
                     {LoadMessage(kColumnType), 60},
                     {LoadMessage(kColumnValue), 205},
                     {LoadMessage(kColumnRegex), 28},
                     {LoadMessage(kColumnId), 28}});
    rows.SetSorted(true);
    rows.Clear();
    properties_ = copy_->FindChild(kProperties);
    if (!properties_) {
        ShowInvalidStructure();
        return;
    }
    for (CXMLElement* property : properties_->GetChildren()) AddRow(property);

    SetText(kUftPropertyType, kDefaultType);
    CheckRadio(kValueKinds, 0);
    SetText(kUftParameterName, kDefaultParameter);
    if (readOnly_) {
        for (int button : {kUftNew, kUftSet, kUftDelete}) Show(button, false);
        for (int id : {kUftName, kUftClass, kUftEnvironment, kUftOrdinalType, kUftOrdinalValue, kUftPropertyName,
                       kUftPropertyType, kUftConstant, kUftParameter, kUftValue, kUftParameterName, kUftRegex,
                       kUftBasicId})
            Enable(id, false);
        SetDefaultButton(kIdOk);
    }
    SetEditMode(kNewProperty);
}

std::vector<std::string> CPropsQTPDlg::RowTexts(const CXMLElement& property) const {
    const CXMLElement* value = ValueChild(property);
    const std::string name = property.GetAttributeValue("Name");
    return {name, property.GetAttributeValue("Type"), value ? value->GetValue() : std::string(),
            value && value->GetAttributeValue(kRegexAttribute) == kRegexOn ? "Y" : "N",
            IsBasicIdentificationProperty(name) ? "Y" : "N"};
}

void CPropsQTPDlg::AddRow(CXMLElement* property) {
    EditList(kUftProperties).AddRow(RowTexts(*property), property);
}

void CPropsQTPDlg::SetEditMode(int mode) {
    if (!readOnly_) {
        Enable(kUftPropertyName);
        SetFocus(kUftPropertyName);
        for (int id : {kUftPropertyType, kUftConstant, kUftParameter, kUftRegex, kUftBasicId, kUftSet}) Enable(id);
        SetDefaultButton(kUftSet);
    }
    if (mode == kChosenProperty) {
        if (!readOnly_) {
            OnValueKind();
            Enable(kUftDelete);
        }
        newEntry_ = false;
        return;
    }
    if (!readOnly_) {
        Enable(kUftValue);
        Enable(kUftParameterName, false);
        Enable(kUftDelete, false);
    }
    SetText(kUftPropertyName, "");
    SetText(kUftValue, "");
    SetText(kUftPropertyType, kDefaultType);
    CheckRadio(kValueKinds, 0);
    SetText(kUftParameterName, kDefaultParameter);
    SetChecked(kUftRegex, false);
    EditList(kUftProperties).Highlight(-1);
    newEntry_ = true;
}

void CPropsQTPDlg::OnValueKind() {
    if (readOnly_) return;
    const bool parameter = IsParameterChosen();
    Enable(kUftValue, !parameter);
    Enable(kUftParameterName, parameter);
}

void CPropsQTPDlg::OnOrdinalType() {
    Enable(kUftOrdinalValue, !readOnly_ && !GetText(kUftOrdinalType).empty());
}

bool CPropsQTPDlg::IsParameterChosen() const {
    return CheckedRadio(kValueKinds) == 1;
}

void CPropsQTPDlg::OnListRowChosen(int list, int row) {
    if (list == kUftProperties) OnPropertyChosen(List(kUftProperties).ItemAt<CXMLElement>(row));
}

void CPropsQTPDlg::OnPropertyChosen(CXMLElement* property) {
    if (!property) {
        SetEditMode(kNewProperty);
        return;
    }
    SetText(kUftPropertyName, property->GetAttributeValue("Name"));
    SelectEntry(kUftPropertyType, property->GetAttributeValue("Type"));
    SetText(kUftParameterName, kDefaultParameter);
    const CXMLElement* value = property->FindChild(kValue);
    if (value) {
        SetText(kUftValue, value->GetValue());
        CheckRadio(kValueKinds, 0);
    } else {
        SetText(kUftValue, "");
        CheckRadio(kValueKinds, 1);
        value = property->FindChild(kParameter);
        if (!value) {
            ShowInvalidStructure();
            return;
        }
        SelectEntry(kUftParameterName, value->GetValue());
    }
    SetChecked(kUftRegex, value->GetAttributeValue(kRegexAttribute) == kRegexOn);
    SetChecked(kUftBasicId, IsBasicIdentificationProperty(property->GetAttributeValue("Name")));
    SetEditMode(kChosenProperty);
}

CXMLElement* CPropsQTPDlg::BasicIdentification() const {
    return copy_->FindByName(kBasicIdentification);
}

bool CPropsQTPDlg::IsBasicIdentificationProperty(const std::string& name) const {
    CXMLElement* basic = BasicIdentification();
    return basic && basic->FindNamedValue(kPropertyRef, name);
}

void CPropsQTPDlg::UpdateBasicIdentification(const std::string& name, bool used) {
    CXMLElement* basic = BasicIdentification();
    if (used && !basic->FindNamedValue(kPropertyRef, name)) basic->GetChildren().Add(MakeElement(kPropertyRef, name, {}));
    if (!used) basic->RemoveByNameAndValue(kPropertyRef, name);
}

CXMLElement* CPropsQTPDlg::MakeValueElement() const {
    const std::string regex = IsChecked(kUftRegex) ? kRegexOn : "0";
    if (IsParameterChosen())
        return MakeElement(kParameter, GetText(kUftParameterName), {{kRegexAttribute, regex}, {"Type", "Repository"}});
    return MakeElement(kValue, GetText(kUftValue), {{kRegexAttribute, regex}});
}

bool CPropsQTPDlg::ApplyProperty() {
    if (readOnly_) return true;
    const std::string name = GetText(kUftPropertyName);
    if (name.empty()) return Refuse(kEnterValidName, kCaptionInvalidName, kUftPropertyName);
    if (!properties_) {
        ShowInvalidStructure();
        return false;
    }
    const CXMLElement* existing = properties_->GetChildren().FindIf(
        [&](const CXMLElement* property) { return EqualsNoCase(property->GetAttributeValue("Name"), name); });
    const std::string type = GetText(kUftPropertyType).empty() ? kDefaultType : GetText(kUftPropertyType);

    CXMLElement* property = nullptr;
    int row = -1;
    if (newEntry_) {
        if (existing) return Refuse(kNewNameExists, kCaptionInvalidName, kUftPropertyName);
        if (!BasicIdentification()) {
            ShowInvalidStructure();
            return false;
        }
        property = properties_->GetChildren().Add(MakeElement(kProperty, "", {{"Name", name}, {"Type", type}}));
        property->GetChildren().Add(MakeValueElement());
    } else {
        row = List(kUftProperties).GetHighlighted();
        property = List(kUftProperties).ItemAt<CXMLElement>(row);
        if (!property) return false;
        if (!EqualsNoCase(name, property->GetAttributeValue("Name")) && existing)
            return Refuse(kRenamedNameExists, kCaptionInvalidName, kUftPropertyName);
        if (!ValueChild(*property) || !BasicIdentification()) {
            ShowInvalidStructure();
            return false;
        }
        PutAttribute(*property, "Name", name);
        PutAttribute(*property, "Type", type);
        const char* wanted = IsParameterChosen() ? kParameter : kValue;
        const char* other = IsParameterChosen() ? kValue : kParameter;
        if (property->FindChild(other)) {
            property->RemoveByName(other);
            property->GetChildren().Add(MakeValueElement());
        } else {
            CXMLElement* value = property->FindChild(wanted);
            value->SetValue(IsParameterChosen() ? GetText(kUftParameterName) : GetText(kUftValue));
            PutAttribute(*value, kRegexAttribute, IsChecked(kUftRegex) ? kRegexOn : "0");
        }
    }
    UpdateBasicIdentification(name, IsChecked(kUftBasicId));
    if (row >= 0) EditList(kUftProperties).SetRowTexts(row, RowTexts(*property));
    else AddRow(property);
    changed_ = true;
    SetEditMode(kNewProperty);
    return true;
}

void CPropsQTPDlg::OnDelete() {
    const int row = List(kUftProperties).GetHighlighted();
    CXMLElement* property = List(kUftProperties).ItemAt<CXMLElement>(row);
    if (!property || !properties_ || !AskYesNo(kReallyDelete, kCaptionDeleteItem)) return;
    EditList(kUftProperties).RemoveRow(row);
    copy_->RemoveByNameAndValue(kPropertyRef, property->GetAttributeValue("Name"));
    properties_->GetChildren().Delete(property);
    changed_ = true;
    SetEditMode(kNewProperty);
}

bool CPropsQTPDlg::OnOK() {
    if (readOnly_) return true;
    if (GetText(kUftName).empty()) return Refuse(kEnterValidName, kCaptionInvalidName, kUftName);
    if (!FindClassEntry(GetText(kUftClass)))
        return RefuseWithText(FormatMessageId(kInvalidClass, GetText(kUftClass)), kCaptionInvalidClass, kUftClass);
    const std::string ordinalType = GetText(kUftOrdinalType);
    const std::string ordinalValue = GetText(kUftOrdinalValue);
    if (!ordinalType.empty()) {
        if (ordinalValue.empty()) return Refuse(kEnterOrdinal, kCaptionInvalidOrdinal, kUftOrdinalValue);
        if (!IsDigits(ordinalValue)) return Refuse(kOrdinalDigits, kCaptionInvalidOrdinal, kUftOrdinalValue);
    }
    CXMLElement* basic = BasicIdentification();
    CXMLElement* ordinal = basic ? basic->FindByName(kOrdinalIdentifier) : nullptr;
    if (ordinal && !ordinalType.empty() && !ordinal->FindChild(kValue)) {
        ShowInvalidStructure();
        return false;
    }
    if (!GetText(kUftPropertyName).empty() && !ApplyProperty()) return false;

    copy_->SetAttributeValue("Name", GetText(kUftName));
    copy_->SetAttributeValue("Class", GetText(kUftClass));
    if (basic) {
        if (ordinalType.empty()) {
            basic->RemoveByName(kOrdinalIdentifier);
        } else if (ordinal) {
            PutAttribute(*ordinal, "Type", ordinalType);
            ordinal->FindChild(kValue)->SetValue(ordinalValue);
        } else {
            CXMLElement* added = basic->GetChildren().Add(MakeElement(kOrdinalIdentifier, "", {{"Type", ordinalType}}));
            added->GetChildren().Add(MakeElement(kValue, ordinalValue, {}));
        }
    }
    changed_ = true;
    return true;
}
