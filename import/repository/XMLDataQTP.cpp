#include "import/repository/XMLDataQTP.h"

#include "conversion/uft/UftClassTable.h"
#include "conversion/uft/UftDescription.h"
#include "platform/TextUtil.h"

namespace {

constexpr const char* kObjects = "qtpRep:Objects";

bool Is(const std::string& name, const char* element) { return EqualsNoCase(name, element); }

}  // namespace

CXMLDataQTP& GetUftRepositoryReader() {
    static CXMLDataQTP reader;
    return reader;
}

bool CXMLDataQTP::OpensToolDataScope(const std::string& name) const { return Is(name, uft::kObject); }

bool CXMLDataQTP::IsStructuralElement(const std::string& name) const {
    return Is(name, uft::kObject) || Is(name, uft::kChildObjects);
}

void CXMLDataQTP::OnStartElement(const std::string& name, const XmlAttributeList& attributes) {
    StartedElement started(*this, attributes);
    const std::string parent = ParentElementName();
    if (Is(name, uft::kObject)) {
        if (!AddObjectWindow(CreateObjectWindow(), name)) {
            StopParser();
            return;
        }
        if (!Is(parent, kObjects) && Is(parent, uft::kChildObjects)) AdoptByOpenParent(currentWindow_);
    } else if (Is(name, uft::kChildObjects)) {
        parentStack_.push_back(currentWindow_);
    } else if (inScope_) {
        OpenToolDataElement(name);
    }
}

void CXMLDataQTP::CloseStructuralElement(const std::string& name) {
    if (Is(name, uft::kChildObjects)) {
        CloseOpenParent();
        return;
    }
    inScope_ = false;
    elementStack_.clear();
}

CWindowKav* CXMLDataQTP::CreateObjectWindow() const {
    const std::string name = GetAttribute("Name", "");
    const std::string className = GetAttribute("Class", "");
    CWindowKav* window = CreateWindowForClass(className);
    LogObjectLine(className, name);
    return window;
}

CWindowKav* CXMLDataQTP::CreateWindowForClass(const std::string& className) const {
    const CQTPWndType* entry = FindClassEntry(className);
    return entry ? MakeWindow(className, true, entry->windowType, entry->guiId) : MakeWindow(className, false, 0, 0);
}
