#pragma once
// What the project reader needs of the interface to the test-management product VORNAK while
// it reads the interface's messages and exchange data. The interface installs itself for as
// long as the program works with VORNAK; while none is installed, the elements of its messages
// are refused.
#include <string>

class CApplicationKav;

class VornakInterface {
public:
    virtual ~VornakInterface() = default;

    // The project that receives the exchange tasks.
    virtual CApplicationKav* GetProject() = 0;
    // The state of the exchange: 4 once the test structure has arrived, 1 while the user works
    // with the project.
    virtual int GetState() const = 0;
    virtual void SetState(int state) = 0;
    // The error of the message being read: 2 a structure error, 5 an exchange task that could
    // not be made, or the code VORNAK reported.
    virtual void SetReadError(int error) = 0;
    // The process identifier that messages must carry; 0 while none is recorded.
    virtual int GetProcessId() const = 0;
    virtual void SetProcessId(int processId) = 0;
    // The command met in the message being read (2 CMD_DATA_KAVRO ... 16 CMD_SHOW_TASK).
    virtual void SetReceivedCommand(int command) = 0;
    virtual void SetReceivedLibrary(const std::string& fileId, const std::string& name) = 0;
    virtual void SetRestoreFromFile(bool restore) = 0;
    virtual void SetTaskToShow(const std::string& taskId) = 0;
    // An entry of the library map: the library's name and its file identifier.
    virtual void AddLibrary(const std::string& name, const std::string& fileId) = 0;
    // Exchange data begins: the name becomes the exchange project name, the exchange state
    // starts afresh and every task of the interface's project is deleted.
    virtual void StartExchangeProject(const std::string& name) = 0;
};

// The interface of the process, or null while the program does not work with VORNAK.
VornakInterface* GetVornakInterface();
void InstallVornakInterface(VornakInterface* vornakInterface);
