#pragma once
// The tool's side of the exchange with VORNAK, on the user-interface thread: it starts the
// worker that owns the connection, hands it the commands to send with their payloads, and keeps
// what the payloads are built from. The worker's posts go to the sink the main window installs;
// the window hands them back here.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "persistence/XMLDataManager.h"
#include "persistence/XMLInterface.h"
#include "tminterface/InterfaceLog.h"
#include "tminterface/VornakMessages.h"
#include "tminterface/VornakSocket.h"

class CFileKav;
class CVornakThread;

class CVornakIF {
public:
    // The sink receives the worker's posts and must outlive the interface.
    explicit CVornakIF(VornakSink& sink, VornakSocketOptions options = {});
    // Ends the worker (it closes the socket); returns once it has ended, at once.
    virtual ~CVornakIF();
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
    void SetReceivedCommand(int command) { receivedCommand_ = command; }
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

    VornakSink& sink_;
    VornakSocketOptions options_;
    InterfaceLog log_;
    // The test structure received, and the document every outgoing payload is built in.
    CXMLInterface testStructure_;
    CXMLInterface payloadBuilder_;
    CXMLDataManager projectWriter_;
    int receivedCommand_ = 0;
    int errorCode_ = 0;
    CFileKav* currentLibrary_ = nullptr;
    std::vector<std::string> changedTaskIds_;
    std::unique_ptr<CVornakThread> thread_;
};
