// The Ranorex object repository: the windows of the project as app folders, folders and items,
// each found by the RanoreXPath of its tag.
#include "conversion/framework/ScriptFile.h"
#include "conversion/ranorex/RanorexEventParser.h"
#include "conversion/ranorex/RanorexNames.h"
#include "conversion/xml/XMLConverter.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "model/WindowList.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kCannotCreateFile = 45178;
constexpr const char* kSearchTimeout = "30000ms";

// A window-like frame, 16 by 16 pixels.
constexpr const char* kFolderIcon =
    "iVBORw0KGgoAAAANSUhEUgAAABAAAAAQCAYAAAAf8/9hAAAAKklEQVR42mPQcOv5TwlmABFRTZfIwtQzgGIvfP36iyw8asCoAYPMAEow"
    "AA2MM6JPbJXOAAAAAElFTkSuQmCC";

struct RanorexData {
    std::string path;
    std::string capability;
    std::string capabilityList;
};

RanorexData DataOf(const CWindowKav& window) {
    RanorexData data;
    CRanorexEventParser::SplitTag(window.GetTag(), data.path, data.capability, data.capabilityList);
    return data;
}

// A path below the folder's base path is written relative to it.
std::string RelativePath(const std::string& path, const std::string& basePath) {
    if (basePath.empty() || path.size() <= basePath.size() + 1 || !path.starts_with(basePath) ||
        path[basePath.size()] != '/')
        return path;
    return path.substr(basePath.size() + 1);
}

// Windows that Ranorex cannot address are written neither as items nor as folders.
bool IsAddressable(const CWindowKav& window) {
    static CRanorexEventParser parser;
    return !parser.IsWindowUnsupported(&window, 1);
}

// The attributes of an app folder or a folder, on the document's current child.
void SetFolderAttributes(CXMLInterface& document, const CWindowKav& window, const RanorexData& data) {
    document.SetChildAttribute("name", window.GetName());
    document.SetChildAttribute("id", MakeRanorexId(window.GetInternalID()));
    document.SetChildAttribute("searchtimeout", kSearchTimeout);
    document.SetChildAttribute("capname", data.capability);
    document.SetChildAttribute("addcaps", data.capabilityList);
    document.SetChildAttribute("isrooted", "True");
    document.SetChildAttribute("usecache", "True");
}

}  // namespace

int CXMLConverter::ExportRanorexRepository(const std::filesystem::path& path, const std::filesystem::path& resourceFolder,
                                           const std::string& name) {
    const std::string identifier = MakeCSharpIdentifier(name);
    const std::string repositoryId = MakeRanorexId(name);
    document_.SetDocument();
    document_.AppendElement("repository", "");
    document_.SetAttribute("name", name + "_Repository");
    document_.SetAttribute("id", repositoryId);
    document_.SetAttribute("rxversion", "3.3.2.19144");
    document_.AppendChildElement("codegen", "");
    document_.SetChildAttribute("classname", identifier + "_Repository");
    document_.SetChildAttribute("namespace", identifier);
    document_.SetChildAttribute("resourcebasedir", resourceFolder.string());
    document_.AppendChildElement("rootfolder", "");
    // The recordings name the root folder by the repository's id.
    for (const auto& [attribute, value] : {std::pair<const char*, std::string>{"name", "Root"},
                                           {"id", repositoryId},
                                           {"searchtimeout", kSearchTimeout},
                                           {"capname", "unknown"},
                                           {"isrooted", "True"},
                                           {"usecache", "True"}})
        document_.SetChildAttribute(attribute, value);
    document_.EnterChild();
    for (const CWindowKav* window : CurrentApplication->GetWindowList().Snapshot()) {
        if (window->GetParent() || !IsAddressable(*window)) continue;
        const RanorexData data = DataOf(*window);
        document_.AppendChildElement("appfolder", "");
        SetFolderAttributes(document_, *window, data);
        document_.EnterChild();
        WriteRanorexFolder(*window, data.path);
        document_.AppendChildElement("basepath", data.path);
        document_.AppendChildElement("icon", kFolderIcon);
        document_.LeaveElement();
    }
    document_.LeaveElement();
    document_.AppendChildElement("basepath", "");
    document_.AppendChildElement("variables", "");

    ScriptFile file(path, ScriptEncoding::Utf8, LineEnd::CrLf);
    file.WriteLine("<?xml version=\"1.0\" encoding=\"utf-8\" ?>");
    file.Write(document_.GetDocumentText());
    document_.SetDocument();
    return file.Commit() || Fail(kCannotCreateFile, path.string());
}

void CXMLConverter::WriteRanorexFolder(const CWindowKav& window, const std::string& path) {
    for (const CWindowKav* child : window.GetChildren()) {
        if (!IsAddressable(*child)) continue;
        const RanorexData data = DataOf(*child);
        const std::string relative = RelativePath(data.path, path);
        if (child->GetChildren().empty()) {
            WriteRanorexItem(child->GetName(), MakeRanorexId(child->GetInternalID()), relative, data.capability, data.capabilityList);
        } else {
            document_.AppendChildElement("folder", "");
            SetFolderAttributes(document_, *child, data);
            document_.EnterChild();
            WriteRanorexFolder(*child, data.path);
            document_.AppendChildElement("basepath", relative);
            document_.LeaveElement();
        }
        WriteRanorexSpecialItems(*child, relative);
    }
}

void CXMLConverter::WriteRanorexItem(const std::string& name, const std::string& id, const std::string& path,
                                     const std::string& capability, const std::string& capabilityList) {
    document_.AppendChildElement("item", path);
    document_.SetChildAttribute("name", name);
    document_.SetChildAttribute("id", id);
    document_.SetChildAttribute("searchtimeout", kSearchTimeout);
    document_.SetChildAttribute("capname", capability);
    document_.SetChildAttribute("addcaps", capabilityList);
}

void CXMLConverter::WriteRanorexSpecialItems(const CWindowKav& window, const std::string& path) {
    const std::string id = window.GetInternalID();
    if (window.GetType() == kWndInputField) {
        WriteRanorexItem(window.GetName() + "_TextField", MakeRanorexId(id + "text"), path + "/text", "text",
                         "text,nativewindow");
    } else if (EqualsNoCase(window.GetClass(), "msctls_updown32")) {
        WriteRanorexItem(window.GetName() + "_More", MakeRanorexId(id + "Bmore"),
                         path + "/button[@accessiblename='More']", "button", "button,nativewindow");
        WriteRanorexItem(window.GetName() + "_Less", MakeRanorexId(id + "Bless"),
                         path + "/button[@accessiblename='Less']", "button", "button,nativewindow");
    }
}
