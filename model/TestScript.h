#pragma once
// One conversion of test cases into a script: of a window's transition tests or of a task.
#include <string>

#include "model/KavroObj.h"
#include "model/StoreField.h"

class CTaskKav;
class CWindowKav;

class CTestScript : public CKavroObj {
public:
    CTestScript();

    std::string GetId() const { return id_; }
    bool SetId(const std::string& id) { return StoreField(id_, id); }
    std::string GetName() const { return name_; }
    bool SetName(const std::string& name) { return StoreField(name_, name); }
    CWindowKav* GetWindow() const { return window_; }
    bool SetWindow(CWindowKav* window) { return StoreField(window_, window); }
    CTaskKav* GetTask() const { return task_; }
    bool SetTask(CTaskKav* task) { return StoreField(task_, task); }
    // The folder of the written script.
    std::string GetPath() const { return path_; }
    bool SetPath(const std::string& path) { return StoreField(path_, path); }
    // The output format code of the conversion.
    int GetFormat() const { return format_; }
    bool SetFormat(int format) { return StoreField(format_, format); }
    // The number of test cases converted.
    int GetSumTC() const { return sumTC_; }
    bool SetSumTC(int count) { return StoreField(sumTC_, count); }

    // Identifiers of window and task as read from a project file.
    std::string GetWindowId() const { return windowId_; }
    bool SetWindowId(const std::string& id) { return StoreField(windowId_, id); }
    std::string GetTaskId() const { return taskId_; }
    bool SetTaskId(const std::string& id) { return StoreField(taskId_, id); }

    // A copy of name, path, format and count by the model's clone flags: 1 the unique
    // identifier, 2 the owning file; 16 the window and task texts (and file id) from the
    // objects, else 32 as they stand; 8 window and task.
    CTestScript* Clone(int flags) const;

private:
    std::string id_;
    std::string windowId_;
    std::string taskId_;
    std::string name_;
    CWindowKav* window_ = nullptr;
    CTaskKav* task_ = nullptr;
    std::string path_;
    int format_ = 7;
    int sumTC_ = 0;
};
