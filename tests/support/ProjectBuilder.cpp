#include "tests/support/ProjectBuilder.h"

#include "model/ShellServices.h"
#include "model/windows/WindowTypes.h"

TestProject::TestProject() : app_(std::make_unique<CApplicationKav>()) {
    main_ = app_->GetFiles().Add(new CFileKav("Proj", "Proj.xml", "/projects/Proj.xml"));
    lib_ = app_->GetFiles().Add(new CFileKav("Lib", "Lib.xml", "/projects/Lib.xml"));
    main_->UsedFileIds().push_back(lib_->GetID());
    app_->SetName("Proj");
    CurrentApplication = app_.get();
}

TestProject::~TestProject() {
    if (CurrentApplication == app_.get()) CurrentApplication = nullptr;
}

template <class T>
T* TestProject::Place(T* object, CFileKav* file) {
    CFileKav* home = file ? file : main_;
    object->SetFile(home);
    object->SetFileId(home->GetID());
    return object;
}

CTaskKav* TestProject::AddTask(const std::string& name, CTaskKav* parent, int type, CFileKav* file) {
    auto* task = app_->GetTasks().Add(Place(new CTaskKav(name, type), file));
    if (parent) parent->AddChild(task);
    return task;
}

CWindowKav* TestProject::AddWindow(const std::string& name, CWindowKav* parent, int type, CFileKav* file) {
    auto* window = Place(CreateWindowOfType(type, {.id = name}), file);
    app_->GetWindowList().Add(window);
    if (parent) parent->AddChild(window);
    return window;
}

CRequirement* TestProject::AddRequirement(const std::string& id, CRequirement* parent, CFileKav* file) {
    auto* requirement = app_->GetRequirements().Add(Place(new CRequirement(id), file));
    if (parent) parent->AddChild(requirement);
    return requirement;
}

CDataSet* TestProject::AddDataSet(const std::string& name, CFileKav* file) {
    return app_->GetDataSets().Add(Place(new CDataSet(name), file));
}

CAttributeKav* TestProject::AddAttribute(const std::string& name, CFileKav* file) {
    return app_->GetAttributes().Add(Place(new CAttributeKav(name, 2, "0"), file));
}

CConditionKav* TestProject::AddMetaCondition(const std::string& id, const std::string& text, CFileKav* file) {
    return app_->GetMetaConditions().Add(Place(new CConditionKav(id, text), file));
}

CTestCase* TestProject::AddTestCase(int number, int kind, CTaskKav* task, CWindowKav* window, CStepKav* transition) {
    return app_->GetTestCases().Add(Place(new CTestCase(number, kind, window, transition, task, 0), nullptr));
}

CTransitionKav* TestProject::AddTransition(CWindowKav* window, const std::string& name) {
    return window->GetTransitions().Add(
        new CTransitionKav(name, "", "", "", "", "", window, nullptr, 0, nullptr, 2, "", 0));
}
