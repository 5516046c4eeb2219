#pragma once
// The open project (a TestProject with a root task) and another project as the import flow
// loads it: objects name their parents and files by identifier texts only.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "import/ProjectDataImportDlg.h"
#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "model/windows/WindowTypes.h"
#include "platform/Registry.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

class ImportProjects {
public:
    ImportProjects() {
        openRoot = project.AddTask("Project Proj", nullptr, kTaskFolder);
        app.SetRootTask(openRoot);
        otherFile = other->GetFiles().Add(new CFileKav("Other", "Other.xml", "/other/Other.xml"));
        otherRoot = Place(new CTaskKav("Project Other", kTaskFolder));
        other->GetTasks().Add(otherRoot);
        other->SetName("Other");
    }

    template <class T>
    T* Place(T* object) {
        object->SetFileId(otherFile->GetID());
        return object;
    }
    // An object of the other project; a parent names its identifier, none puts a task under the
    // root task and other kinds at the top.
    CTaskKav* OtherTask(const std::string& name, const CTaskKav* parent = nullptr, int type = kTaskPlain) {
        CTaskKav* task = other->GetTasks().Add(Place(new CTaskKav(name, type)));
        task->SetParentId((parent ? parent : otherRoot)->GetID());
        return task;
    }
    CRequirement* OtherRequirement(const std::string& id, const CRequirement* parent = nullptr) {
        CRequirement* requirement = other->GetRequirements().Add(Place(new CRequirement(id)));
        if (parent) requirement->SetParentId(parent->GetUniqueId());
        return requirement;
    }
    CWindowKav* OtherWindow(const std::string& name, const CWindowKav* parent = nullptr, int type = kWndMain) {
        CWindowKav* window = Place(CreateWindowOfType(type, {.id = name}));
        other->GetWindowList().Add(window);
        if (parent) window->SetParentID(parent->GetInternalID());
        return window;
    }
    CDataSet* OtherDataSet(const std::string& name) { return other->GetDataSets().Add(Place(new CDataSet(name))); }
    // The other project's copy of an open-project task: same identifier, parent by identifier.
    CTaskKav* OtherCopy(const CTaskKav& task, const CTaskKav* parent = nullptr) {
        CTaskKav* copy = OtherTask(task.GetName(), parent, task.GetType());
        copy->SetID(task.GetID());
        return copy;
    }

    static CTaskStep* AddStep(CTaskKav& task, const std::string& name = "S") {
        return task.GetSteps().Add(new CTaskStep(name, "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 0));
    }

    // Gives an imported task a first step, its start step, with that event text.
    static CTaskStep* StartStep(CTaskKav& task, const std::string& event = "") {
        CTaskStep* step = AddStep(task);
        step->SetEvent(event);
        task.SetStartId(step->GetId());
        return step;
    }

    static std::string Setting(const std::string& name) {
        return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name);
    }
    static void SetSetting(const std::string& name, const std::string& value) {
        WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name, value, kRegistryText);
    }

    // Runs the selection; the runner checks what the user would see and answers.
    bool Select(const CProjectDataImportDlg::Runner& runner = [](CProjectDataImportDlg&) { return true; }) {
        dialog = std::make_unique<CProjectDataImportDlg>(runner);
        return dialog->SelectObjects(*other);
    }
    // Builds the dialog without running it, for the tests that click.
    void Open() {
        dialog = std::make_unique<CProjectDataImportDlg>(nullptr);
        dialog->SelectObjects(*other);
    }
    // Selection as the user leaves it, then the merge.
    int Merge(MessageLog& log) {
        EXPECT_TRUE(Select());
        return dialog->ImportSelected(&log) ? 1 : 0;
    }
    CImportTreeItem& ItemOf(const CKavroObj* object) const { return *object->GetImportItem(); }
    int State(const CKavroObj* object) const { return object->GetImportItem()->look.checkState; }

    TestProject project;
    CApplicationKav& app = project.App();
    std::unique_ptr<CApplicationKav> other = std::make_unique<CApplicationKav>();
    CFileKav* otherFile;
    CTaskKav* openRoot;
    CTaskKav* otherRoot;
    std::unique_ptr<CProjectDataImportDlg> dialog;
};

class ImportTest : public ::testing::Test, public ImportProjects {};
