// GUI builders and their window classes: the installation's database and the user-defined
// entries of a project file, read into the process's builder database.
#include <memory>

#include "model/GUIBuilderList.h"
#include "persistence/XMLDataManager.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kMissingGuiBuilderId = 44834;  // [W0834]
constexpr int kMissingWindowClassId = 44855;  // [W0855]
constexpr int kMisplacedGuiBuilder = 44896;  // [W0896]
constexpr int kMisplacedWindowClass = 44909;  // [W0909]

constexpr int kCustomWindowType = 3;

}  // namespace

CGUIBuilder* GuiBuilderReading::get() const { return existing ? existing : created.get(); }

GuiBuilderReading CXMLDataManager::ReadGuiBuilder() {
    GuiBuilderReading reading;
    const std::string id = RequiredAttribute("ID", kMissingGuiBuilderId);
    if (id.empty()) return reading;
    int guiId = GetAttributeInt("GuiID", 0);
    if (guiId == 0) guiId = ParseLeadingInt(id);
    reading.existing = GetGuiBuilderDatabase().FindByGuiID(guiId);
    if (!reading.existing) {
        reading.created = std::make_unique<CGUIBuilder>(GetAttribute("Name", ""), guiId, GetAttributeBool("PreDef", 0));
        reading.created->SetId(id);
    }
    reading.get()->SetFileId(CurrentFileId());
    return reading;
}

std::unique_ptr<CWindowClass> CXMLDataManager::ReadWindowClass() {
    const std::string id = RequiredAttribute("ID", kMissingWindowClassId);
    if (id.empty()) return nullptr;
    auto windowClass = std::make_unique<CWindowClass>(GetAttribute("Name", ""),
                                                      GetAttributeInt("BaseType", kCustomWindowType),
                                                      GetAttributeBool("PreDef", 0), GetAttributeBool("Default", 0));
    windowClass->SetId(id);
    return windowClass;
}

// A builder that is not kept must not stay current: the classes that follow would join a
// builder that no longer exists.
bool CXMLDataManager::PlaceGuiBuilder(GuiBuilderReading builder, std::string_view parent) {
    currentGuiBuilder_ = nullptr;
    if (!CheckParent(parent, "KAVRO_DATA", kMisplacedGuiBuilder)) return false;
    if (builder.existing)
        currentGuiBuilder_ = builder.existing;
    else if (builder.created && (!builder.created->IsPreDef() || !projectMode_))
        currentGuiBuilder_ = GetGuiBuilderDatabase().Add(builder.created.release());
    return true;
}

bool CXMLDataManager::PlaceWindowClass(std::unique_ptr<CWindowClass> windowClass, std::string_view parent) {
    if (!CheckParent(parent, "GUIBUILDER", kMisplacedWindowClass)) return false;
    if (currentGuiBuilder_ && (!windowClass->IsPreDef() || !projectMode_))
        currentGuiBuilder_->GetWindowClasses().Add(windowClass.release());
    return true;
}

int CXMLDataManager::WriteGuiBuilder(const CGUIBuilder& builder) {
    CXMLInterface& xml = builder_;
    if (!xml.AppendElement("GUIBUILDER", "")) return 0;
    xml.SetStringAttribute("ID", builder.GetId(), "");
    xml.SetIntAttribute("GuiID", builder.GetGuiID(), 0);
    xml.SetStringAttribute("Name", builder.GetName(), "");
    xml.SetBoolAttribute("PreDef", builder.IsPreDef(), false);
    for (const CWindowClass* windowClass : builder.GetWindowClasses())
        if (!windowClass->IsPreDef()) WriteWindowClass(*windowClass);
    return 1;
}

int CXMLDataManager::WriteWindowClass(const CWindowClass& windowClass) {
    CXMLInterface& xml = builder_;
    if (!EnterNewChild("WNDCLASS")) return 0;
    xml.SetStringAttribute("ID", windowClass.GetId(), "");
    xml.SetStringAttribute("Name", windowClass.GetName(), "");
    xml.SetIntAttribute("BaseType", windowClass.GetBaseType(), kCustomWindowType);
    xml.SetBoolAttribute("PreDef", windowClass.IsPreDef(), false);
    xml.SetBoolAttribute("Default", windowClass.IsDefault(), false);
    xml.LeaveElement();
    return 1;
}
