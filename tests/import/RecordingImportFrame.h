#pragma once
// The frame's part of the import as the GUI would install it: each call is recorded and then
// carried out by the frame without windows, so the merge still finds a loaded project.
#include <string>
#include <vector>

#include "import/ImportFrame.h"

class RecordingImportFrame : public ImportFrame {
public:
    RecordingImportFrame() : windowless_(GetImportFrame()) { InstallImportFrame(this); }
    ~RecordingImportFrame() override { InstallImportFrame(nullptr); }
    RecordingImportFrame(const RecordingImportFrame&) = delete;
    RecordingImportFrame& operator=(const RecordingImportFrame&) = delete;

    void CloseAllViews() override {
        calls.push_back("CloseAllViews");
        windowless_.CloseAllViews();
    }
    void CloseProject() override {
        calls.push_back("CloseProject");
        windowless_.CloseProject();
    }
    int LoadProject(const std::string& path, MessageLog* log) override {
        calls.push_back("LoadProject " + path);
        loadLog = log;
        return windowless_.LoadProject(path, log);
    }

    std::vector<std::string> calls;
    // The log the last load wrote into.
    MessageLog* loadLog = nullptr;

private:
    ImportFrame& windowless_;
};
