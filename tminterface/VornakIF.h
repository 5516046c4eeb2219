#pragma once
// The tool's side of the exchange with VORNAK, on the user-interface thread: it starts the
// worker that owns the connection, hands it the commands to send with their payloads, checks
// every command VORNAK sends against the state of the exchange, answers it, and takes VORNAK's
// project, libraries and test structure into the program through the host (the main frame).
// The worker's posts go to the sink the main window installs; the window hands them back here.
// While it lives it is the reader's interface to VORNAK and receives the changed tasks.
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/CloneFlags.h"
#include "persistence/VornakInterface.h"
#include "persistence/XMLDataManager.h"
#include "persistence/XMLInterface.h"
#include "tminterface/InterfaceLog.h"
#include "tminterface/VornakMessages.h"
#include "tminterface/VornakSocket.h"

class CApplicationKav;
class CFileKav;
class CTaskKav;
class CVornakThread;
class VornakHost;

// The states of the exchange.
enum VornakState : int {
    kVornakEnded = 0,              // the main frame closes after the current message
    kVornakIdle = 1,               // VORNAK mode: the user works
    kVornakLost = 2,               // the connection is gone
    kVornakAwaitingExit = 3,       // everything sent; VORNAK ends the exchange
    kVornakHasStructure = 4,       // waits for project data or a task to show
    kVornakAwaitingTaskListOk = 5,
    kVornakAwaitingDataOk = 6,
    kVornakAwaitingStructureOk = 7,
    kVornakConnected = 8,          // waits for the test structure
    kVornakAwaitingLibrary = 9,
    kVornakAwaitingLibraryList = 10,   // then the project administration opens
    kVornakCheckingLibraries = 11,     // the library list after a library went wrong
};

// Error codes of a received message; any other value is VORNAK's own, from CMD_FAIL.
enum VornakError : int {
    kVornakNoError = 0,
    kVornakUnexpectedCommand = 1,
    kVornakMalformedProtocol = 2,
    kVornakUnreadableMessage = 3,
    kVornakNoMainFile = 4,
    kVornakNoRelations = 5,
    kVornakLibraryDeleted = 8,
};

// The working copy of what VORNAK sent keeps its identifiers and its reference texts as sent.
inline constexpr int kVornakWorkingCopyFlags = kCloneKeepId | kCloneTextsAsStored;

class CVornakIF : public VornakInterface {
public:
    // The sink receives the worker's posts and must outlive the interface; so must the host,
    // which stands for the main frame (without one, what reaches the frame is left undone).
    explicit CVornakIF(VornakSink& sink, VornakSocketOptions options = {}, VornakHost* host = nullptr);
    // Ends the worker (it closes the socket); returns once it has ended, at once.
    ~CVornakIF() override;
    CVornakIF(const CVornakIF&) = delete;
    CVornakIF& operator=(const CVornakIF&) = delete;

    // The element name of the command number; "Error: Unknown command" for any other number.
    static std::string GetCommandName(int command);

    // Starts the worker, which connects to VORNAK's port from the interface's local port. The
    // received command and the error code are cleared. 1, or 0 when no thread could be made.
    int StartThread(unsigned port);
    // Builds the payload of 1, 2, 5, 7 and 14 and hands the command to the worker. 0 without
    // sending when a payload comes out empty (the reason shown or in the message buffer), or
    // when the worker does not run; else 1.
    int SendCommand(int command);
    // Sends are refused from now on and the socket is closed.
    int CloseConnection() { return PostToThread(VornakRequestKind::Close) ? 1 : 0; }
    // A request without payload to the worker; false when the worker does not run.
    bool PostToThread(VornakRequestKind kind);

    // ---- Commands from VORNAK and the exchange they drive.

    // One message VORNAK sent: queued, then the queue is worked off unless a pass is running
    // already (a box of that pass is open); that pass takes it, in order.
    void OnCommandFromManager(const std::string& text);
    // Sends the project: state 6 on success; 1, or 0 when the request could not be posted.
    int SendProjectData();
    // The connection is gone: state 2; from state 1 the user may save the project as XML first.
    void OnConnectionLost();
    // Notes the VORNAK folders whose content the task's change touches: a task's VORNAK
    // parent, a VORNAK folder itself, a building block's callers' VORNAK parents; each once.
    void AddChangedTask(const CTaskKav* task);
    // Requests the library of the file from VORNAK (state 9): 1 requested; 2 merged at once,
    // as VORNAK sent it already; 0 when that merge or the request failed.
    int RequestLibrary(CFileKav* file);
    // Takes the library's file entries into the project: 1, or -1 after the error box.
    int MergeLibrary(CApplicationKav& project, CApplicationKav& library);
    // Puts the frame into VORNAK mode with the project received: 1; -1 when there is no main
    // file; otherwise the result of requesting VORNAK's library list.
    int EnterVornakMode();
    // Brings the project's task hierarchy in line with VORNAK's test structure: 1, or 0 with
    // the message in the buffer.
    int SynchronizeTestStructure();
    // A use case for every VORNAK folder below the top that has neither one nor sub-folders.
    int CreateUseCaseTasks();
    // Selects the task in the task tree, and opens its flow (a folder is expanded instead).
    void ShowTask(CTaskKav& task);
    // The project from a file the user chooses, in place of VORNAK's: 1, or 0 with [W1151].
    int RestoreFromFile();

    bool IsConnectionLost() const { return state_ == kVornakLost; }
    bool IsIdle() const { return state_ == kVornakIdle; }
    const std::string& GetTaskToShow() const { return taskToShow_; }
    // Set while a protocol file is read from disk: no CMD_FAIL goes back.
    void SetNoAnswer(bool noAnswer) { noAnswer_ = noAnswer; }
    // VORNAK's libraries by id: their names.
    const std::map<std::string, std::string>& GetLibraries() const { return libraries_; }
    void ClearLibraries() { libraries_.clear(); }
    // The interface's own project: VORNAK's test structure as folders.
    CApplicationKav& OwnProject() { return *ownProject_; }
    // The reader of VORNAK's messages; its loaded projects are the copies of what VORNAK sent.
    CXMLDataManager& Reader() { return reader_; }
    std::size_t QueuedMessages() const { return queue_.size(); }

    // ---- The reader's view of the interface while it parses a message.

    CApplicationKav* GetProject() override { return ownProject_.get(); }
    int GetState() const override { return state_; }
    void SetState(int state) override { state_ = state; }
    void SetReadError(int error) override { errorCode_ = error; }
    int GetProcessId() const override { return processId_; }
    void SetProcessId(int processId) override { processId_ = processId; }
    void SetReceivedCommand(int command) override { receivedCommand_ = command; }
    void SetReceivedLibrary(const std::string& fileId, const std::string& name) override;
    void SetRestoreFromFile(bool restore) override { restoreFromFile_ = restore; }
    void SetTaskToShow(const std::string& taskId) override { taskToShow_ = taskId; }
    void AddLibrary(const std::string& name, const std::string& fileId) override { libraries_[fileId] = name; }
    void StartExchangeProject(const std::string& name) override;

    // ---- The payloads, each built on an empty document. Empty when there is nothing to send.

    // CMD_CHANGED_TASKLIST with a TASK_ID per changed task, in list order.
    std::string WriteCmdChangedTaskList();
    // CMD_DATA_KAVRO around the whole current project; empty when writing it failed (shown in
    // a warning box) or wrote nothing.
    std::string WriteCmdDataKavro();
    // The test-structure message VORNAK sent, its block of test packages replaced by the
    // packages of the project's VORNAK folder as they are now; empty after the warning [W1075]
    // when that block or the folder is missing or the packages cannot be written.
    std::string WriteCmdDataTS();
    // CMD_FAIL with the error code (when not 0) and the message buffer (when not empty).
    std::string WriteCmdFail();
    // CMD_REQUEST_LIB for the current library; empty with [F0059] in the message buffer when
    // no library is being requested.
    std::string WriteCmdRequestLib();

    // ---- What the payloads are built from.

    int GetReceivedCommand() const { return receivedCommand_; }
    int GetErrorCode() const { return errorCode_; }
    void SetErrorCode(int errorCode) { errorCode_ = errorCode; }
    // The project file whose library is being requested; not owned.
    CFileKav* GetCurrentLibrary() const { return currentLibrary_; }
    void SetCurrentLibrary(CFileKav* library) { currentLibrary_ = library; }
    // Ids of VORNAK's folders whose content changed, without duplicates.
    std::vector<std::string>& ChangedTaskIds() { return changedTaskIds_; }
    // The first data message after connecting: the test structure that CMD_DATA_TS gives back.
    void SetTestStructureMessage(std::string_view text) { testStructure_.SetDocument(text); }

    // "VornakIF.txt" at the level of the command line.
    const InterfaceLog& Log() const { return log_; }

private:
    // The payload of a command that carries one; "" for the others.
    std::string BuildPayload(int command);

    // ---- One pass over the queue (VornakCommandHandling.cpp).
    void ProcessReceivedCommands();
    // Whether the state accepts the received command; else [W1074] and error code 1.
    void CheckReceivedCommand();
    // 1 go on with the data, 0 drop the message, 3 stop the pass.
    int AdvanceState();
    // A CMD_FAIL while an acknowledgement is awaited: send again or give up.
    int HandleRefusedSending();
    void ActOnData(std::unique_ptr<CApplicationKav> parsed);
    void TakeProjectData(std::unique_ptr<CApplicationKav> parsed);
    void StartUserWork();
    // Sends CMD_OK, logged: false when it could not be posted.
    bool Acknowledge();

    // ---- Libraries (VornakLibraries.cpp).
    void TakeLibrary(std::unique_ptr<CApplicationKav> library);
    void TakeLibraryList();
    // Requests the first library of the project's files from the index on that VORNAK has
    // not sent; VORNAK mode when none is left.
    void RequestLibrariesFrom(std::size_t index);
    // State 11 with CMD_REQUEST_LIBLIST: the result of posting.
    int AskForLibraryList();
    // The library last requested, while it is a file of the project (which the frame may have
    // replaced since); else null.
    CFileKav* RequestedLibrary() const;

    // The warning, error and question boxes.
    void ShowBuffer(bool error);
    void ShowText(const std::string& text, bool error);

    VornakSink& sink_;
    VornakSocketOptions options_;
    VornakHost* host_;
    InterfaceLog log_;
    std::map<std::string, std::string> libraries_;
    // The test structure received, and the document every outgoing payload is built in.
    CXMLInterface testStructure_;
    CXMLInterface payloadBuilder_;
    CXMLDataManager projectWriter_;
    CXMLDataManager reader_;
    std::unique_ptr<CApplicationKav> ownProject_;
    bool setUp_ = false;
    bool processing_ = false;
    int processId_ = 0;
    int receivedCommand_ = 0;
    int errorCode_ = 0;
    CFileKav* currentLibrary_ = nullptr;
    bool noAnswer_ = false;
    int state_ = kVornakIdle;
    bool restoreFromFile_ = false;
    std::string taskToShow_;
    std::string receivedLibraryId_;
    std::string receivedLibraryName_;
    std::vector<std::string> changedTaskIds_;
    std::deque<std::string> queue_;
    std::unique_ptr<CVornakThread> thread_;
};
