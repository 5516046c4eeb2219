// The GUI model: one top element per window (the tree is kept as parent identifiers), with the
// pages of a tab control, the window's attributes, transitions and tool data.
#include <memory>

#include "model/CloneFlags.h"
#include "model/windows/WindowTypes.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kMissingTabPageId = 44838;     // [W0838]
constexpr int kMissingTransitionId = 44849;  // [W0849]
constexpr int kMissingWindowId = 44851;      // [W0851]
constexpr int kIllegalWindowType = 44852;    // [W0852]
constexpr int kTabPageOutsideTabControl = 44853;  // [W0853]
constexpr int kMisplacedTabPage = 44899;     // [W0899]
constexpr int kIllegalWindowName = 45145;    // [W1145]

constexpr int kDefaultGuiId = 999;
// Identification by caption; anything else is identification by position, written as "P".
constexpr int kMethodByCaption = 1;
constexpr std::string_view kMethodByCaptionText = "C";

bool HasExtraText(int type) {
    return type == kWndInputField || type == kWndGroupBox || type == kWndComboBox || type == kWndLink;
}

// The window that the page shows, resolved from its designator as copies of pages resolve it:
// the window's internal identifier, or "" when the designator names no window.
std::string PageWindowReference(const CTabPage& page) {
    const std::unique_ptr<CTabPage> resolved(page.Clone(kCloneTextsFromObjects));
    return resolved->GetPageWindowRef();
}

}  // namespace

std::unique_ptr<CWindowKav> CXMLDataManager::ReadWindow() {
    const std::string id = RequiredAttribute("ID", kMissingWindowId);
    if (id.empty()) return nullptr;
    const int type = GetAttributeInt("Type", kWndCustom);
    if (!IsWindowTypeCode(type)) {
        SetMessage(kIllegalWindowType, id);
        return nullptr;
    }
    // The type's constructor leaves out what the type does not take (menu bars and items).
    WindowFields fields;
    fields.id = GetAttribute("Name", "");
    fields.numId = GetAttributeInt("NumID", 0);
    fields.guiId = GetAttributeInt("GuiID", kDefaultGuiId);
    fields.className = GetAttribute("Class", "");
    fields.tag = GetAttribute("Tag", "");
    fields.method = FindAttribute("Method") == kMethodByCaptionText ? kMethodByCaption : 0;
    fields.caption = GetAttribute("Caption", "");
    fields.style = static_cast<std::uint32_t>(GetAttributeInt("Style", 0));
    fields.exStyle = static_cast<std::uint32_t>(GetAttributeInt("ExStyle", 0));
    fields.tabNr = GetAttributeInt("TabNr", 0);
    const int checkState = type == kWndCheckBox ? GetAttributeInt("Extra1", 0) : 0;
    std::unique_ptr<CWindowKav> window;
    {
        const FileGivenIds fromFile;
        if (type == kWndCheckBox)
            window = std::make_unique<CCheckBoxKav>(fields, checkState);
        else
            window.reset(CreateWindowOfType(type, fields));
    }
    if (HasExtraText(type)) static_cast<CExtraTextWindowKav&>(*window).SetInitialValue(GetAttribute("Extra1", ""));
    if (type == kWndTabControl)
        static_cast<CTabControlKav&>(*window).SetSelectedPageUniqueId(GetAttribute("Extra1", ""));

    if (!window->SetName(fields.id)) {
        const std::string reason = GetGlobalMessageBuffer();
        SetMessage(kIllegalWindowName, id, reason);
        return nullptr;
    }
    window->SetInternalID(id);
    window->SetParentID(GetAttribute("ParentID", ""));
    window->SetRect({GetAttributeInt("PosL", 0), GetAttributeInt("PosT", 0), GetAttributeInt("PosR", 0),
                     GetAttributeInt("PosB", 0)});
    window->SetImportTool(GetAttributeInt("ImportTool", 0));
    window->SetFileId(CurrentFileId());
    return window;
}

std::unique_ptr<CTabPage> CXMLDataManager::ReadTabPage() {
    const std::string id = RequiredAttribute("ID", kMissingTabPageId);
    if (id.empty()) return nullptr;
    auto page = std::make_unique<CTabPage>(GetAttribute("Title", ""), std::string());
    page->SetUniqueId(id);
    page->SetPageWindowRef(GetAttribute("PageWndID", ""));
    return page;
}

std::unique_ptr<CTransitionKav> CXMLDataManager::ReadTransition() {
    const std::string id = RequiredAttribute("ID", kMissingTransitionId);
    if (id.empty()) return nullptr;
    StepFields f = ReadStepFields();
    auto transition = MakeWithFileId<CTransitionKav>(
        std::move(f.name), std::move(f.event), std::move(f.commands), std::move(f.description), std::move(f.input),
        std::move(f.expectedResult), nullptr, nullptr, f.delay, nullptr, f.criticality, std::move(f.resultValue),
        GetAttributeBool("ErrorCase", 0));
    transition->SetId(id);
    transition->SetDestWndId(GetAttribute("DestWndID", ""));
    return transition;
}

bool CXMLDataManager::PlaceTabPage(std::unique_ptr<CTabPage> page, std::string_view parent, CWindowKav* window) {
    if (!CheckParent(parent, "WND", kMisplacedTabPage)) return false;
    auto* tabControl = dynamic_cast<CTabControlKav*>(window);
    if (!tabControl) {
        SetMessage(kTabPageOutsideTabControl);
        return false;
    }
    tabControl->GetPages().Add(page.release());
    return true;
}

int CXMLDataManager::WriteWindow(const CWindowKav& window) {
    CXMLInterface& xml = builder_;
    if (!xml.AppendElement("WND", "")) return 0;
    const int type = window.GetType();
    xml.SetStringAttribute("ID", window.GetInternalID(), "");
    if (const CWindowKav* parent = window.GetParent()) xml.SetStringAttribute("ParentID", parent->GetInternalID(), "");
    xml.SetStringAttribute("Name", window.GetName(), "");
    xml.SetIntAttribute("Type", type, kWndCustom);
    xml.SetIntAttribute("NumID", window.GetNumID(), 0);
    xml.SetStringAttribute("Class", window.GetClass(), "");
    xml.SetIntAttribute("GuiID", window.GetGuiID(), kDefaultGuiId);
    xml.SetStringAttribute("Caption", window.GetCaption(), "");
    xml.SetStringAttribute("Tag", window.GetTag(), "");
    if (window.GetMethod() == kMethodByCaption) xml.SetStringAttribute("Method", kMethodByCaptionText, "");
    // The style words are written as signed numbers: a popup window's top bit gives a negative one.
    xml.SetIntAttribute("Style", static_cast<int>(window.GetStyle()), 0);
    xml.SetIntAttribute("ExStyle", static_cast<int>(window.GetExStyle()), 0);
    xml.SetIntAttribute("TabNr", window.GetTabNr(), 0);
    xml.SetIntAttribute("ImportTool", window.GetImportTool(), 0);
    const WindowRect& rect = window.GetRect();
    xml.SetIntAttribute("PosL", rect.left, 0);
    xml.SetIntAttribute("PosR", rect.right, 0);
    xml.SetIntAttribute("PosT", rect.top, 0);
    xml.SetIntAttribute("PosB", rect.bottom, 0);
    const auto* tabControl = dynamic_cast<const CTabControlKav*>(&window);
    if (HasExtraText(type)) {
        xml.SetStringAttribute("Extra1", static_cast<const CExtraTextWindowKav&>(window).GetInitialValue(), "");
    } else if (type == kWndCheckBox) {
        xml.SetIntAttribute("Extra1", static_cast<const CCheckBoxKav&>(window).GetValue(), 0);
    } else if (tabControl) {
        if (const CTabPage* selected = tabControl->FindTabPage(tabControl->GetSelectedPageTitle()))
            xml.SetStringAttribute("Extra1", selected->GetUniqueId(), "");
    }

    if (tabControl)
        for (const CTabPage* page : tabControl->GetPages()) WriteTabPage(*page);
    for (const CAttributeKav* attribute : window.GetAttributes()) WriteAttribute(*attribute);
    for (const CTransitionKav* transition : window.GetTransitions()) WriteTransition(*transition);
    if (const CXMLElement* toolData = window.GetToolData()) WriteXmlElement(*toolData);
    return 1;
}

int CXMLDataManager::WriteTabPage(const CTabPage& page) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("TABPAGE")) return 0;
    xml.SetStringAttribute("ID", page.GetUniqueId(), "");
    xml.SetStringAttribute("PageWndID", PageWindowReference(page), "");
    xml.SetStringAttribute("Title", page.GetTitle(), "");
    xml.LeaveElement();
    return 1;
}

int CXMLDataManager::WriteTransition(const CTransitionKav& transition) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("TRANS")) return 0;
    xml.SetStringAttribute("ID", transition.GetId(), "");
    if (const CWindowKav* dest = transition.GetDestWindow()) xml.SetStringAttribute("DestWndID", dest->GetInternalID(), "");
    WriteStepFields(transition);
    xml.SetBoolAttribute("ErrorCase", transition.GetErrorCase() != 0, false);
    for (const CAttributeKav* field : transition.GetAttributes()) WriteStepField(*field);
    for (const CConditionKav* condition : transition.GetConditions()) WriteCondition(*condition);
    for (const CActionKav* action : transition.GetActions()) WriteAction(*action);
    xml.LeaveElement();
    return 1;
}
