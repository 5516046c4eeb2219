#pragma once
// Whole project files: loading a project that includes no library as the loader does for its
// main file (parse, then link), saving, and the installation's predefined GUI builder that
// project files add classes to.
#include <memory>
#include <string>

#include "model/ApplicationKav.h"
#include "model/GUIBuilderList.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageLog.h"
#include "PersistenceFixture.h"

class ProjectFileTest : public PersistenceTest {
protected:
    void SetUp() override {
        PersistenceTest::SetUp();
        CGUIBuilder* win32 = GetGuiBuilderDatabase().Add(new CGUIBuilder("Win32", 999, 1));
        win32->SetId("999_win");
        win32->GetWindowClasses().Add(new CWindowClass("Button", 8, 1, 1))->SetId("k0");
    }

    static std::string Golden(const std::string& name) {
        return std::string(KAVRO_SOURCE_DIR) + "/tests/golden/persistence/" + name;
    }

    // Reads the file into the project, whose main file it becomes, without linking.
    bool Parse(const std::string& path, CApplicationKav& project) {
        project.GetFiles().Add(new CFileKav("", path, path));
        reader_.SetCurrentProject(&project);
        reader_.SetVersionText("");
        return reader_.ParseFile(project.GetMainFile(), "UTF-8", CXMLDataManager::StandardHandlers());
    }

    // Parses and links the project with the log attached; 0 when the parse failed, else the
    // result of linking. The project becomes the current one, as a loaded project is.
    int Load(const std::string& path, CApplicationKav& project) {
        CurrentApplication = &project;
        log_.Clear();
        reader_.SetMessageLog(&log_);
        if (!Parse(path, project)) return 0;
        return reader_.BuildRelations(&project, true);
    }

    // Saves the current project to the file of that name in the test's folder; its path.
    std::string Save(const std::string& name) {
        const std::string path = (folder_ / name).string();
        std::string unused;
        EXPECT_EQ(reader_.SaveProject(true, path, *CurrentApplication, unused), 1) << Message();
        return path;
    }

    // What closing a project leaves of the builder database: the installation's part.
    static void CloseProject() { GetGuiBuilderDatabase().RemoveUserDefined(); }

    CXMLDataManager reader_;
    MessageLog log_;
};
