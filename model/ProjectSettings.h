#pragma once
// The settings of a project that the application root carries, with the values a new project
// starts with.
#include <string>

struct ProjectSettings {
    std::string name;
    std::string descr;
    int guiId = 999;       // GUI builder of the application
    int outputFormat = 7;  // converter target
    int keyboard = 0;      // keyboard layout of the converters
    std::string rootPath;
    std::string scriptPath;
    std::string exePath;
    std::string exeParams;
    std::string exeDir;
    std::string htmlPath;
    std::string vornakPath;
    int timeout = 20;
    int webTest = 0;
    int optimizeWait = 1;
    std::string winRunnerVariables = "help2, help3";
    int saveDistributed = 0;
    int oldTaskMode = 0;
};

// The settings start-up gives a new project: the defaults above, with the user's script and
// documentation folders (as start-up set them) as output folders.
ProjectSettings DefaultProjectSettings();
