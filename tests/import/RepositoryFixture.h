#pragma once
// Repository imports on a small open project (a TestProject), with the program's repository
// readers installed, the log that receives their lines and a scratch folder for repository
// files. Hooks of the import are removed again at the end.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "conversion/framework/RepositoryImport.h"
#include "conversion/framework/RepositoryReader.h"
#include "import/repository/RepositoryReaders.h"
#include "model/FileKav.h"
#include "model/WindowKav.h"
#include "model/WindowList.h"
#include "model/XMLElement.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

class RepositoryTest : public ::testing::Test {
protected:
    RepositoryTest() { InstallRepositoryReaders(); }
    ~RepositoryTest() override {
        SetImportedWindowHook(nullptr);
        SetImportedWindowGate(nullptr);
    }

    static std::string Fixture(const std::string& name) {
        return std::string(KAVRO_SOURCE_DIR) + "/tests/import/repositories/" + name;
    }

    // A UFT repository in XML form around the objects' text.
    std::string WriteUft(const std::string& name, const std::string& objects) const {
        return folder.Write(name, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                  "<qtpRep:ObjectRepository xmlns:qtpRep=\"http://www.mercury.com/qtp/ObjectRepository\">\n"
                                  "<qtpRep:Objects>\n" + objects + "</qtpRep:Objects>\n<qtpRep:Parameters/>\n"
                                  "</qtpRep:ObjectRepository>\n");
    }
    // A Ranorex repository around the root folder's text.
    std::string WriteRanorex(const std::string& name, const std::string& folders) const {
        return folder.Write(name, "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n<repository name=\"R\" id=\"1\">\n"
                                  "<rootfolder name=\"Root\" capname=\"unknown\">\n" + folders +
                                      "</rootfolder>\n<basepath />\n</repository>\n");
    }

    CWindowKav* Window(const std::string& name) const { return app.GetWindowList().FindByName(name, nullptr); }
    // The table refuses the window of that name (made names never clash), with "refused".
    static void RefuseWindowNamed(const std::string& name) {
        SetImportedWindowGate([name](const CWindowKav& window) {
            if (window.GetName() != name) return true;
            SetGlobalMessage("refused");
            return false;
        });
    }

    TestProject project;
    CApplicationKav& app = project.App();
    ScratchFolder folder;
    MessageLog log;
};

// The windows one parse of the format's reader made, deleted again with the test.
struct ParsedRepository {
    int result = 0;
    std::unique_ptr<ImportedWindows> windows;
    const std::vector<CWindowKav*>& List() const { return windows->Windows(); }
};

inline ParsedRepository ParseWith(int format, const std::string& path, MessageLog* log) {
    RepositoryReader& reader = GetRepositoryReader(format);
    reader.SetMessageLog(log);
    reader.ClearParentStack();
    CFileKav file("", path, path, true);
    ParsedRepository parsed;
    parsed.result = reader.ParseRepository(file, "UTF-8");
    reader.SetMessageLog(nullptr);
    parsed.windows = std::make_unique<ImportedWindows>(std::exchange(reader.CreatedWindows(), {}));
    return parsed;
}

// The objects of the repository file as an outside reader finds them, a line each:
// kind|name|parent name.
inline std::string OutsideReaderObjects(const std::string& path) {
    const std::string command =
        "python3 " + std::string(KAVRO_SOURCE_DIR) + "/tests/support/readers/repository_objects.py '" + path + "'";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string output;
    char buffer[512];
    while (const size_t read = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, read);
    ::pclose(pipe);
    return output;
}

// The same lines from the windows of a parse, kind and name read from their tool data.
inline std::string ParsedObjects(const ParsedRepository& parsed, const std::string& kind, const std::string& name) {
    std::string lines;
    for (const CWindowKav* window : parsed.List()) {
        const CWindowKav* parent = window->GetParent();
        lines += window->GetToolData()->GetAttributeValue(kind) + "|" + window->GetToolData()->GetAttributeValue(name) +
                 "|" + (parent ? parent->GetToolData()->GetAttributeValue(name) : "") + "\n";
    }
    return lines;
}
