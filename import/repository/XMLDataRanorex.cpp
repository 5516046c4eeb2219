#include "import/repository/XMLDataRanorex.h"

#include <string_view>

#include "platform/TextUtil.h"

namespace {

constexpr const char* kRootFolder = "rootfolder";
constexpr const char* kAppFolder = "appfolder";
constexpr const char* kFolder = "folder";
constexpr const char* kItem = "item";

bool Is(const std::string& name, const char* element) { return EqualsNoCase(name, element); }

bool IsFolder(const std::string& name) { return Is(name, kAppFolder) || Is(name, kFolder); }

// The capability tokens of a list: the first after leading blanks and commas up to a blank or
// comma, each further one from just after the previous one's end, past commas, to a comma.
std::vector<std::string_view> CapabilityTokens(std::string_view list) {
    std::vector<std::string_view> tokens;
    size_t at = list.find_first_not_of(" ,");
    if (at == std::string_view::npos) return tokens;
    size_t end = std::min(list.find_first_of(" ,", at), list.size());
    tokens.push_back(list.substr(at, end - at));
    for (at = end + 1; at < list.size(); at = end + 1) {
        at = list.find_first_not_of(',', at);
        if (at == std::string_view::npos) break;
        end = std::min(list.find(',', at), list.size());
        tokens.push_back(list.substr(at, end - at));
    }
    return tokens;
}

}  // namespace

CXMLDataRanorex& GetRanorexRepositoryReader() {
    static CXMLDataRanorex reader;
    return reader;
}

CXMLDataRanorex::CXMLDataRanorex() : roleTable_(BuildRoleTable()) {}

bool CXMLDataRanorex::OpensToolDataScope(const std::string& name) const { return Is(name, kAppFolder); }

bool CXMLDataRanorex::IsStructuralElement(const std::string& name) const { return IsFolder(name); }

std::string CXMLDataRanorex::ElementValue(const std::string& text) const {
    constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(kWhiteSpace) + 1 - first);
}

const CRanorexWndType* CXMLDataRanorex::FindRoleEntry(const std::string& role, const std::string& capabilities) const {
    const std::vector<std::string_view> given = CapabilityTokens(capabilities);
    for (const CRanorexWndType& entry : roleTable_) {
        if (entry.role != role) continue;
        for (const std::string_view token : CapabilityTokens(entry.capabilities))
            for (const std::string_view wanted : given)
                if (token == wanted) return &entry;
    }
    return nullptr;
}

CWindowKav* CXMLDataRanorex::CreateWindowForRole(const std::string& role, const std::string& capabilities) const {
    const CRanorexWndType* entry = FindRoleEntry(role, capabilities);
    return entry ? MakeWindow(role, true, entry->windowType, entry->guiId) : MakeWindow(role, false, 0, 0);
}

void CXMLDataRanorex::OnStartElement(const std::string& name, const XmlAttributeList& attributes) {
    StartedElement started(*this, attributes);
    const std::string parent = ParentElementName();
    if (IsFolder(name) || Is(name, kItem)) {
        if (!AddObjectWindow(CreateItemWindow(), name)) {
            StopParser();
            return;
        }
        if (!Is(parent, kRootFolder) && IsFolder(parent)) AdoptByOpenParent(currentWindow_);
        if (IsFolder(name)) parentStack_.push_back(currentWindow_);
    } else if (inScope_) {
        OpenToolDataElement(name);
    }
}

CWindowKav* CXMLDataRanorex::CreateItemWindow() const {
    const std::string name = GetAttribute("name", "");
    const std::string role = GetAttribute("capname", "unknown");
    const std::string capabilities = GetAttribute("addcaps", "unknown");
    CWindowKav* window = CreateWindowForRole(role, capabilities);
    LogObjectLine(role, name);
    return window;
}

void CXMLDataRanorex::CloseStructuralElement(const std::string& name) {
    if (Is(name, kAppFolder)) {
        inScope_ = false;
        elementStack_.clear();
    } else {
        // An app folder inside this folder has emptied the stack already.
        CloseToolDataElement();
    }
    CloseOpenParent();
}
