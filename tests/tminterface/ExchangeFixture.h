#pragma once
// The interface connected to a scripted VORNAK, with the frame's part played by a host double:
// a test hands it VORNAK's messages as the frame would and reads what the tool sent back.
#include <functional>
#include <string>

#include "HostDouble.h"
#include "InterfaceFixture.h"
#include "platform/Interaction.h"

class TestProject;

// The scripted boxes, which can let a message arrive while a box is open.
class BoxesDuringPass : public ScriptedInteraction {
public:
    MessageAnswer ShowMessage(const MessageRequest& request) override;
    // Runs once, inside the next box.
    std::function<void()> duringNextBox;
};

class ExchangeTest : public InterfaceTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh interface and project, connected: state 8.
    void Reconnect();
    // VORNAK's message with the command element, handed on as the frame does.
    void Receive(const std::string& commandElement);
    // The test structure: package R1 "Release" holding f1 "Folder"; state 4 and CMD_OK.
    void ReceiveStructure();
    // The next message the tool sent; "<nothing>" when none came.
    std::string NextSent();
    BoxesDuringPass& Boxes() { return *boxes_; }
    void ArriveDuringBox(std::function<void()> arrival) { boxes_->duringNextBox = std::move(arrival); }

    HostDouble host;

private:
    BoxesDuringPass* boxes_ = nullptr;
};

// CMD_DATA_KAVRO with a project of one file: root task "Project Release", VORNAK's folders R1
// "Release" and f1 "Folder" below it, and f1's use case "Check" (id "uc"); the callback adds
// to it before it is written.
std::string ProjectData(const std::function<void(TestProject& project, CTaskKav* useCase)>& add = {});
