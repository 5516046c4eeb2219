#include "editors/windows/SmurfPropsDlg.h"

#include "conversion/xml/XMLConverter.h"
#include "model/DisplayTexts.h"
#include "model/WindowKav.h"
#include "model/XMLElement.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kTitleSmurf = 47118;
constexpr int kCaptionInvalidXml = 47211;

constexpr const char* kSmurfRoot = "smurfData";
constexpr const char* kDescription = "description";
constexpr const char* kType = "smurfType";
constexpr const char* kApplication = "application";
// The element that carries the identification properties in the XML text.
constexpr const char* kTestObject = "testObject";

CXMLElement* MakeValue(const char* name, const std::string& value) {
    auto* element = new CXMLElement(name);
    element->SetValue(value);
    return element;
}

}  // namespace

CPropsSMURFDlg::CPropsSMURFDlg(EditorHost& host) : EditorDialog(host, kResourceId) {
    AddControl(kSmurfSymbolicName);
    AddControl(kSmurfType);
    AddControl(kSmurfApplication);
    AddControl(kSmurfDescription);
    AddControl(kSmurfXml);
    SetReadOnly(kSmurfSymbolicName);
}

CPropsSMURFDlg::~CPropsSMURFDlg() = default;

std::unique_ptr<CXMLElement> CPropsSMURFDlg::EditSmurfProperties(const CWindowKav& window,
                                                                 const CXMLElement* toolData, bool readOnly) {
    window_ = &window;
    readOnly_ = readOnly;
    changed_ = false;
    copy_.reset(toolData ? toolData->Clone() : new CXMLElement(kSmurfRoot));
    const int end = Host().RunModal(*this);
    if (readOnly_ || end != kIdOk || !changed_) copy_.reset();
    return std::move(copy_);
}

void CPropsSMURFDlg::OnInitDialog() {
    SetTitle(LoadMessage(kTitleSmurf) + GetWindowTypeName(window_->GetType()) + " " + window_->GetName(), readOnly_);
    SetText(kSmurfSymbolicName, window_->GetInternalID());
    CXMLElement properties(kTestObject);
    for (CXMLElement* child : copy_->GetChildren()) {
        const std::string name = child->GetName();
        if (name == kDescription) SetText(kSmurfDescription, child->GetValue());
        else if (name == kType) SetText(kSmurfType, child->GetValue());
        else if (name == kApplication) SetText(kSmurfApplication, child->GetValue());
        else properties.GetChildren().Add(child);
    }
    SetText(kSmurfXml, CXMLConverter(XmlConverterMode::SmurfObjectMaps).WriteElementTree(&properties, true));
    // The children stay the copy's.
    properties.GetChildren().Pointers().clear();
    // Only a top-level window carries its application here.
    if (window_->GetParent()) Enable(kSmurfApplication, false);
    if (readOnly_)
        for (int field : {kSmurfDescription, kSmurfType, kSmurfApplication, kSmurfXml}) Enable(field, false);
    SetFocus(kSmurfXml);
}

bool CPropsSMURFDlg::OnOK() {
    std::unique_ptr<CXMLElement> parsed = CXMLConverter(XmlConverterMode::SmurfObjectMaps).ParseElementTree(GetText(kSmurfXml));
    if (!parsed) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidXml, kSmurfXml);
    OwningList<CXMLElement>& children = copy_->GetChildren();
    children.DeleteAll();
    children.Add(MakeValue(kDescription, GetText(kSmurfDescription)));
    children.Add(MakeValue(kType, GetText(kSmurfType)));
    children.Add(MakeValue(kApplication, GetText(kSmurfApplication)));
    for (CXMLElement* child : parsed->GetChildren()) children.Add(child);
    parsed->GetChildren().Pointers().clear();
    changed_ = true;
    return true;
}
