// SMURF object maps: per application named in the windows' SMURF data, a folder of that name
// holding TestObjects.xml with one test object per window that carries SMURF data.
#include <algorithm>
#include <memory>
#include <system_error>
#include <vector>

#include "conversion/framework/ScriptFile.h"
#include "conversion/xml/XMLConverter.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "model/XMLElement.h"
#include "platform/MessageBuffer.h"
#include "platform/Paths.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kCannotCreateFolder = 44695;  // [W0695]
constexpr int kCannotOpenFile = 44791;      // [W0791]

constexpr const char* kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
    "<TestObjects xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
    "xsi:noNamespaceSchemaLocation=\"TestObjects.xsd\">\n";
constexpr const char* kFooter = "</TestObjects>\n";

bool CarriesSmurfData(const CWindowKav& window) {
    return window.GetToolData() && window.GetToolData()->GetName() == "smurfData";
}

// The SMURF values that the test object names itself; every other child is extra data.
bool IsOwnSmurfValue(const std::string& name) {
    return EqualsNoCase(name, "description") || EqualsNoCase(name, "application") || EqualsNoCase(name, "smurfType");
}

struct ObjectMap {
    std::string folderName;
    std::unique_ptr<ScriptFile> file;
};

}  // namespace

int CXMLConverter::ExportSmurfObjectMaps(const std::filesystem::path& baseFolder, int& count,
                                         const std::string& filter) {
    count = 0;
    if (!CurrentApplication) return 1;
    // Keyed by the folder name: two applications whose names make the same folder share its
    // map rather than overwrite each other's.
    std::vector<ObjectMap> maps;
    for (CWindowKav* window : CurrentApplication->GetWindowList().Snapshot()) {
        if (window->GetParent() || !CarriesSmurfData(*window)) continue;
        const std::string application = window->GetSmurfValue("application");
        if (application.empty() || (!filter.empty() && application != filter)) continue;

        const std::string folderName = MakeSafeFileName(application);
        auto map = std::find_if(maps.begin(), maps.end(), [&](const ObjectMap& m) { return m.folderName == folderName; });
        if (map == maps.end()) {
            const std::filesystem::path folder = baseFolder / folderName;
            std::error_code error;
            std::filesystem::create_directories(folder, error);
            if (!std::filesystem::is_directory(folder, error)) {
                SetMessage(kCannotCreateFolder, folder.string());
                return 0;
            }
            auto file = std::make_unique<ScriptFile>(folder / "TestObjects.xml", ScriptEncoding::Utf8, LineEnd::Lf);
            file->Write(kHeader);
            maps.push_back({folderName, std::move(file)});
            map = maps.end() - 1;
        }
        count += WriteSmurfTestObject(window, *map->file);
    }
    for (const ObjectMap& map : maps) {
        map.file->Write(kFooter);
        if (!map.file->Commit()) {
            SetMessage(kCannotOpenFile, map.file->Path().string());
            return 0;
        }
    }
    return 1;
}

int CXMLConverter::WriteSmurfTestObject(const CWindowKav* window, ScriptFile& file) {
    if (!window || !CarriesSmurfData(*window)) return 0;
    const CWindowKav* parent = window->GetParent();
    document_.SetDocument();
    document_.AppendElement("testObject", "");
    document_.AppendChildElement("symbolicName", window->GetInternalID());
    document_.AppendChildElement("className", window->GetClass());
    if (parent) document_.AppendChildElement("parentTestObject", parent->GetInternalID());
    for (const CXMLElement* extra : window->GetToolData()->GetChildren())
        if (!IsOwnSmurfValue(extra->GetName())) WriteSmurfElement(extra);

    document_.AppendChildElement("vornakData", "");
    document_.EnterChild();
    document_.AppendChildElement("name", window->GetName());
    document_.AppendChildElement("description", window->GetSmurfValue("description"));
    document_.AppendChildElement("smurfType", window->GetSmurfValue("smurfType"));
    document_.AppendChildElement("vornakType", std::to_string(window->GetType()));
    if (parent) document_.AppendChildElement("parentID", parent->GetInternalID());
    document_.AppendChildElement("application", window->GetSmurfValue("application"));
    document_.AppendChildElement("coordinates", "");
    document_.EnterChild();
    const WindowRect& rect = window->GetRect();
    document_.AppendChildElement("xMin", std::to_string(rect.left));
    document_.AppendChildElement("xMax", std::to_string(rect.right));
    document_.AppendChildElement("yMin", std::to_string(rect.top));
    document_.AppendChildElement("yMax", std::to_string(rect.bottom));
    file.Write(document_.GetDocumentText());
    document_.SetDocument();

    int written = 1;
    for (const CWindowKav* child : window->GetChildren()) written += WriteSmurfTestObject(child, file);
    return written;
}

int CXMLConverter::WriteSmurfElement(const CXMLElement* element) {
    if (!element) return 0;
    AppendElementTree(*element, false, TreeText::LeafTextsOnly);
    return 1;
}
