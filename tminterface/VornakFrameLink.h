#pragma once
// The interface as the main frame reaches it: the frame's link, holding the interface with the
// sink its worker posts to and the host it works through.
#include <memory>

#include "shell/VornakHost.h"
#include "shell/VornakLink.h"
#include "tminterface/VornakIF.h"

class VornakFrameLink : public VornakLink {
public:
    VornakFrameLink(std::unique_ptr<VornakSink> sink, std::unique_ptr<VornakHost> host,
                    VornakSocketOptions options = {});

    CVornakIF& Interface() { return vornak_; }

    int GetState() const override { return vornak_.GetState(); }
    bool IsConnectionLost() const override { return vornak_.IsConnectionLost(); }
    void SendCommand(int command) override { vornak_.SendCommand(command); }
    void CloseSocket() override { vornak_.CloseConnection(); }
    int SendProject() override { return vornak_.SendProjectData(); }
    // The project administration opens when VORNAK's list of libraries arrives.
    void RequestLibraryList() override;
    // Imports change the project only while the user works with it.
    bool AllowsImports() const override { return vornak_.IsIdle(); }
    void OnConnectionLost() override { vornak_.OnConnectionLost(); }
    void OnCommandFromManager(const std::string& text) override { vornak_.OnCommandFromManager(text); }
    void SetState(int state) override { vornak_.SetState(state); }
    void WriteLog(const std::string& line) override { vornak_.Log().Write(line); }

private:
    std::unique_ptr<VornakSink> sink_;
    std::unique_ptr<VornakHost> host_;
    CVornakIF vornak_;
};

// The link with its worker started toward VORNAK's port; null when the port is not one of TCP
// or no thread could be made, with the message in the global buffer.
std::unique_ptr<VornakLink> StartVornakLink(std::unique_ptr<VornakSink> sink, std::unique_ptr<VornakHost> host,
                                            long port, VornakSocketOptions options = {});
