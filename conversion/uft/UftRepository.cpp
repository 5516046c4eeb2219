// The UFT object repository in its XML form: the UFT descriptions of the project's windows as
// test objects, nested as the object paths of the statements address them.
#include <memory>

#include "conditions/Designator.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/framework/ScriptFile.h"
#include "conversion/uft/QTPEventParser.h"
#include "conversion/uft/UftDescription.h"
#include "conversion/xml/XMLConverter.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "model/WindowList.h"
#include "model/XMLElement.h"
#include "model/windows/WindowTypes.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kCannotCreateFile = 45178;
constexpr int kNoDescription = 45190;
constexpr int kNoClass = 45195;


constexpr const char* kRepositoryStart =
    "<qtpRep:ObjectRepository xmlns:qtpRep=\"http://www.mercury.com/qtp/ObjectRepository\">\n";

CQTPEventParser& Parser() {
    static CQTPEventParser parser;
    return parser;
}

// Whether the window is a test object of its own: statements address it by its own step of the
// object path. A description without class is one, so that it is reported rather than passed
// over.
bool IsTestObject(const CWindowKav& window) {
    if (Parser().IsWindowUnsupported(&window, 1)) return false;
    return window.GetToolData() || !CQTPEventParser::GetQtpClass(&window).empty();
}

// The test objects at the window or, for a window that is none, the nearest ones below it.
void CollectTestObjects(const CWindowKav& window, std::vector<const CWindowKav*>& objects) {
    if (IsTestObject(window)) {
        objects.push_back(&window);
        return;
    }
    for (const CWindowKav* child : window.GetChildren()) CollectTestObjects(*child, objects);
}

std::vector<const CWindowKav*> TestObjectsBelow(const CWindowKav& window) {
    std::vector<const CWindowKav*> objects;
    for (const CWindowKav* child : window.GetChildren()) CollectTestObjects(*child, objects);
    return objects;
}

// Text in as many CDATA sections as it needs: "]]>" ends a section, so it is split across two.
std::string CdataSections(const std::string& text) {
    std::string sections = "<![CDATA[";
    for (size_t at = 0;;) {
        const size_t end = text.find("]]>", at);
        if (end == std::string::npos) {
            sections.append(text, at);
            break;
        }
        sections.append(text, at, end + 2 - at).append("]]><![CDATA[");
        at = end + 2;
    }
    return sections + "]]>";
}

CXMLElement* Child(CXMLElement& parent, const std::string& name, const std::string& value = {}) {
    auto* child = new CXMLElement(name);
    child->SetValue(value);
    parent.GetChildren().Add(child);
    return child;
}

CXMLElement& ChildOrNew(CXMLElement& parent, const std::string& name) {
    CXMLElement* child = parent.FindChild(name);
    return child ? *child : *Child(parent, name);
}

// UFT finds edit fields by their native class alone.
void IdentifyAsEditField(CXMLElement& object) {
    object.RemoveByName(uft::kProperty);
    object.RemoveByName(uft::kPropertyRef);
    CXMLElement* property = Child(ChildOrNew(object, uft::kProperties), uft::kProperty);
    property->GetAttributes().Add(new CXMLAttribute("Name", "nativeclass"));
    property->GetAttributes().Add(new CXMLAttribute("Type", "STRING"));
    Child(*property, uft::kValue, "Edit");
    Child(ChildOrNew(object, uft::kBasicIdentification), uft::kPropertyRef, "nativeclass");
}

// A page is identified by its title where the description says name.
void IdentifyPageByTitle(CXMLElement& object) {
    if (CXMLElement* property = object.FindByAttribute(uft::kProperty, "Name", "name"))
        property->SetAttributeValue("Name", "title");
    if (CXMLElement* reference = object.FindNamedValue(uft::kPropertyRef, "name")) reference->SetValue("title");
}

// The object as the repository holds it: the description with the class's rewrites and without
// references to missing properties.
void PrepareObject(CXMLElement& object) {
    const std::string className = object.GetAttributeValue("Class");
    if (className == "WinEdit") IdentifyAsEditField(object);
    else if (className == "Page") IdentifyPageByTitle(object);
    for (const char* list : {"qtpRep:BasicIdentification", "qtpRep:BaseFilter", "qtpRep:OptionalFilter"})
        CXMLConverter::PruneUftPropertyRefs(object, list);
}

// The name that the statements use: with the library in front for a window of a library.
std::string ObjectName(const CWindowKav& window, const CXMLElement& description) {
    const std::string name = description.GetAttributeValue("Name");
    DesignatorParts parts;
    if (!SplitDesignator(CurrentApplication->GetObjectPathText(&window), parts) || parts.library.empty()) return name;
    return "^" + parts.library + ":" + name;
}

// A copy of the description under the class and name, without child objects.
std::unique_ptr<CXMLElement> CopyObject(const CXMLElement& description, const std::string& className,
                                        const std::string& name) {
    std::unique_ptr<CXMLElement> object(description.Clone());
    object->RemoveByName(uft::kChildObjects);
    object->SetAttributeValue("Class", className);
    object->SetAttributeValue("Name", name);
    return object;
}

// The object that the statements address inside the window's own: it is the only one of its
// kind there, so it needs no ordinal.
std::unique_ptr<CXMLElement> InnerObject(const CXMLElement& description, const std::string& className,
                                         const std::string& name) {
    std::unique_ptr<CXMLElement> object = CopyObject(description, className, name);
    object->RemoveByName(uft::kOrdinalIdentifier);
    return object;
}

// A Windows combo box that has an edit field: statements reach the field by the combo box's name.
bool HasEditField(const CWindowKav& window) {
    if (window.GetType() != kWndComboBox || static_cast<const CComboBoxKav&>(window).GetBoxType() == CComboBoxKav::kDroplist)
        return false;
    const int guiId = window.GetGuiID();
    return guiId < 991 || guiId > 996;
}

}  // namespace

int CXMLConverter::ExportUftRepository(const std::filesystem::path& path) {
    ScriptFile file(path, ScriptEncoding::Utf8, LineEnd::Lf);
    file.Write("<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n");
    file.Write(kRepositoryStart);
    file.Write("<qtpRep:Objects>\n");
    for (const CWindowKav* window : CurrentApplication->GetWindowList().Snapshot()) {
        if (window->GetParent()) continue;
        std::vector<const CWindowKav*> objects;
        CollectTestObjects(*window, objects);
        for (const CWindowKav* object : objects) {
            document_.SetDocument();
            if (!WriteUftObject(*object, true)) {
                document_.SetDocument();
                return 0;
            }
            file.Write(document_.GetDocumentText());
        }
    }
    document_.SetDocument();
    file.Write("</qtpRep:Objects>\n<qtpRep:Parameters>\n");
    for (int n = 1; n <= 3; ++n)
        file.Write("<qtpRep:Parameter Name=\"param" + std::to_string(n) +
                   "\">\n<qtpRep:DefaultValue Parameter=\"No\"><![CDATA[default]]></qtpRep:DefaultValue>\n"
                   "<qtpRep:Description/>\n</qtpRep:Parameter>\n");
    file.Write("</qtpRep:Parameters>\n<qtpRep:Metadata/>\n</qtpRep:ObjectRepository>\n");
    return file.Commit() || Fail(kCannotCreateFile, path.string());
}

int CXMLConverter::WriteUftObject(const CWindowKav& window, bool top) {
    const CXMLElement* description = window.GetToolData();
    const std::string pathText = CurrentApplication->GetObjectPathText(&window);
    if (!description) return Fail(kNoDescription, pathText);
    const std::string className = description->GetAttributeValue("Class");
    if (className.empty()) return Fail(kNoClass, pathText);

    const std::string name = ObjectName(window, *description);
    std::unique_ptr<CXMLElement> object = CopyObject(*description, className, name);
    // What the statements address below the window: the page of a browser that UFT did not
    // describe, the edit field of a combo box, and the test objects below it.
    std::unique_ptr<CXMLElement> page;
    if (className == "Browser" && window.GetImportTool() != kFormatUft)
        page = InnerObject(*description, "Page", name);
    std::unique_ptr<CXMLElement> editField;
    if (HasEditField(window)) editField = InnerObject(*description, "WinEdit", window.GetName());
    const std::vector<const CWindowKav*> children = TestObjectsBelow(window);

    const auto open = [this](CXMLElement& element, bool asTop) {
        PrepareObject(element);
        const std::string elementName = MakeXmlName(element.GetName());
        if (asTop) document_.AppendElement(elementName, "");
        else document_.AppendChildElement(elementName, "");
        for (const CXMLAttribute* attribute : element.GetAttributes()) {
            if (asTop) document_.SetAttribute(MakeXmlName(attribute->GetName()), attribute->GetValue());
            else document_.SetChildAttribute(MakeXmlName(attribute->GetName()), attribute->GetValue());
        }
        if (!asTop) document_.EnterChild();
        WriteUftElement(element);
    };
    const auto openChildObjects = [this] {
        document_.AppendChildElement(uft::kChildObjects, "");
        document_.EnterChild();
    };

    open(*object, top);
    if (page || editField || !children.empty()) {
        openChildObjects();
        if (page) {
            open(*page, false);
            if (!children.empty()) openChildObjects();
        }
        for (const CWindowKav* child : children)
            if (!WriteUftObject(*child, false)) return 0;
        if (page && !children.empty()) document_.LeaveElement();
        if (page) document_.LeaveElement();
        if (editField) {
            open(*editField, false);
            document_.LeaveElement();
        }
        document_.LeaveElement();
    }
    if (!top) document_.LeaveElement();
    return 1;
}

void CXMLConverter::WriteUftElement(const CXMLElement& element) {
    for (const CXMLElement* child : element.GetChildren()) {
        std::string text = child->GetValue();
        if (!text.empty() && EqualsNoCase(child->GetName(), uft::kValue)) text = CdataSections(text);
        else if (!text.empty() && EqualsNoCase(child->GetName(), uft::kParameter)) text = CdataSections("\"" + text + "\"");
        document_.AppendChildElement(MakeXmlName(child->GetName()), text);
        for (const CXMLAttribute* attribute : child->GetAttributes())
            document_.SetChildAttribute(MakeXmlName(attribute->GetName()), attribute->GetValue());
        document_.EnterChild();
        WriteUftElement(*child);
        document_.LeaveElement();
    }
}

void CXMLConverter::PruneUftPropertyRefs(CXMLElement& object, const std::string& name) {
    CXMLElement* list = object.FindByName(name);
    if (!list) return;
    std::vector<std::string> properties;
    if (const CXMLElement* found = object.FindChild(uft::kProperties))
        for (const CXMLElement* property : found->GetChildren())
            if (EqualsNoCase(property->GetName(), uft::kProperty)) properties.push_back(property->GetAttributeValue("Name"));
    for (CXMLElement* reference : list->GetChildren().Snapshot()) {
        if (!EqualsNoCase(reference->GetName(), uft::kPropertyRef)) continue;
        bool named = false;
        for (const std::string& property : properties) named = named || EqualsNoCase(property, reference->GetValue());
        if (!named) list->GetChildren().Delete(reference);
    }
}
