#pragma once
// Small projects built in a few lines. The usual one: a root with the main file M "Proj" and
// a library file L "Lib" that M uses; the root is the current application while it lives.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/ApplicationKav.h"
#include "model/windows/WindowTypes.h"

class TestProject {
public:
    TestProject();
    ~TestProject();
    TestProject(const TestProject&) = delete;
    TestProject& operator=(const TestProject&) = delete;

    CApplicationKav& App() { return *app_; }
    CFileKav* Main() const { return main_; }
    CFileKav* Lib() const { return lib_; }

    // Each builder adds the object to the root in the given file (the main file by default)
    // and, when a parent is given, attaches it there.
    CTaskKav* AddTask(const std::string& name, CTaskKav* parent = nullptr, int type = kTaskPlain,
                      CFileKav* file = nullptr);
    CWindowKav* AddWindow(const std::string& name, CWindowKav* parent = nullptr, int type = kWndMain,
                          CFileKav* file = nullptr);
    CRequirement* AddRequirement(const std::string& id, CRequirement* parent = nullptr, CFileKav* file = nullptr);
    CDataSet* AddDataSet(const std::string& name, CFileKav* file = nullptr);
    CAttributeKav* AddAttribute(const std::string& name, CFileKav* file = nullptr);
    CConditionKav* AddMetaCondition(const std::string& id, const std::string& text, CFileKav* file = nullptr);
    // A test case in the main file, appended to the root's list as generation leaves it.
    CTestCase* AddTestCase(int number, int kind, CTaskKav* task, CWindowKav* window = nullptr,
                           CStepKav* transition = nullptr);
    // A transition of the window, named as given.
    CTransitionKav* AddTransition(CWindowKav* window, const std::string& name);

private:
    template <class T>
    T* Place(T* object, CFileKav* file);

    std::unique_ptr<CApplicationKav> app_;
    CFileKav* main_;
    CFileKav* lib_;
};

// A fixture with one TestProject.
class ProjectTest : public ::testing::Test {
protected:
    TestProject project;
    CApplicationKav& app = project.App();
};
