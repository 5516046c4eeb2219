#pragma once
// An interface to VORNAK that records what the reader tells it.
#include <string>
#include <vector>

#include "model/ApplicationKav.h"
#include "persistence/VornakInterface.h"

// Records what the reader tells the interface.
class RecordingInterface : public VornakInterface {
public:
    CApplicationKav* GetProject() override { return &project; }
    int GetState() const override { return state; }
    void SetState(int newState) override { state = newState; }
    void SetReadError(int error) override { readError = error; }
    int GetProcessId() const override { return processId; }
    void SetProcessId(int id) override { processId = id; }
    void SetReceivedCommand(int command) override { commands.push_back(command); }
    void SetReceivedLibrary(const std::string& fileId, const std::string& name) override {
        receivedLibrary = fileId + " " + name;
    }
    void SetRestoreFromFile(bool restore) override { restoreFromFile = restore; }
    void SetTaskToShow(const std::string& taskId) override { taskToShow = taskId; }
    void AddLibrary(const std::string& name, const std::string& fileId) override {
        libraries.push_back(name + "=" + fileId);
    }
    void StartExchangeProject(const std::string& name) override { exchangeProjects.push_back(name); }

    CApplicationKav project{ProjectSettings{}};
    int state = 0;
    int readError = 0;
    int processId = 0;
    std::vector<int> commands;
    std::string receivedLibrary;
    bool restoreFromFile = false;
    std::string taskToShow;
    std::vector<std::string> libraries;
    std::vector<std::string> exchangeProjects;
};
