#pragma once
// The VORNAK interface object as the main frame sees it: the connection's state and the few
// requests the frame makes of it. The interface (its own subsystem) implements it; until it is
// installed, VORNAK mode cannot connect.
#include <functional>
#include <memory>
#include <string>

class VornakLink {
public:
    virtual ~VornakLink() = default;

    // The interface's state; 1 while it is active.
    virtual int GetState() const = 0;
    virtual bool IsConnectionLost() const = 0;
    // Hands a command to the interface thread, which sends it to VORNAK.
    virtual void SendCommand(int command) = 0;
    // Asks the interface thread to close its socket.
    virtual void CloseSocket() = 0;
    // Sends the project data to VORNAK: 1 sent, else 0 with the message in the global buffer.
    virtual int SendProject() = 0;
    // Empties the list of VORNAK's libraries and asks VORNAK for it again; the project dialog
    // opens when the answer arrives.
    virtual void RequestLibraryList() = 0;
    // Whether VORNAK allows importing project data now.
    virtual bool AllowsImports() const = 0;

    // ---- What the interface thread reported, handed on by the frame.

    // The connection is gone: an active interface offers to save the data as XML first; the
    // state becomes 2.
    virtual void OnConnectionLost() = 0;
    // One message VORNAK sent: the interface parses and dispatches it.
    virtual void OnCommandFromManager(const std::string& text) = 0;
    virtual void SetState(int state) = 0;
    // Appends a time-stamped line to the interface log.
    virtual void WriteLog(const std::string& line) = 0;
};

// The command that tells VORNAK that KAVRO ends.
inline constexpr int kVornakExitCommand = 6;

// Creates the interface object and starts its thread on the port: the object, or null with
// the message in the global message buffer.
using VornakStarter = std::function<std::unique_ptr<VornakLink>(long port)>;
