#include "ExchangeFixture.h"

#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "tests/support/ProjectBuilder.h"

MessageAnswer BoxesDuringPass::ShowMessage(const MessageRequest& request) {
    const MessageAnswer answer = ScriptedInteraction::ShowMessage(request);
    if (duringNextBox) {
        std::function<void()> arrival = std::move(duringNextBox);
        duringNextBox = nullptr;
        arrival();
    }
    return answer;
}

void ExchangeTest::SetUp() {
    auto boxes = std::make_unique<BoxesDuringPass>();
    boxes_ = boxes.get();
    InstallInteraction(std::move(boxes));
    VornakMode = true;
    interfaceHost = &host;
    Reconnect();
}

void ExchangeTest::TearDown() { vornak.reset(); }

void ExchangeTest::Reconnect() {
    vornak.reset();
    host.Reset();
    Boxes().messages.clear();
    Connect();
    vornak->SetState(kVornakConnected);
}

void ExchangeTest::Receive(const std::string& commandElement) {
    vornak->OnCommandFromManager(VornakMessage(commandElement));
}

void ExchangeTest::ReceiveStructure() {
    Receive("<CMD_DATA_TS RestoreFromFile=\"0\"><VORNAK_EXCHANGE><PROJECT name=\"Release\"><TS>"
            "<TP name=\"Release\" user_defined_id=\"R1\"><TP name=\"Folder\" user_defined_id=\"f1\"/></TP>"
            "</TS></PROJECT></VORNAK_EXCHANGE></CMD_DATA_TS>");
    EXPECT_EQ(vornak->GetState(), kVornakHasStructure);
    EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
}

std::string ExchangeTest::NextSent() {
    const std::optional<std::string> message = peer.ReadMessage(5000ms);
    return message ? *message : "<nothing>";
}

std::string ProjectData(const std::function<void(TestProject& project, CTaskKav* useCase)>& add) {
    CApplicationKav* current = CurrentApplication;
    std::string text;
    {
        TestProject project;
        CApplicationKav& app = project.App();
        app.GetFiles().Delete(project.Lib());
        project.Main()->UsedFileIds().clear();
        app.SetId("P1");
        app.SetName("Release");
        CTaskKav* root = project.AddTask("Project Release", nullptr, kTaskFolder);
        root->SetID("root");
        app.SetRootTask(root);
        CTaskKav* release = project.AddTask("Release", root, kTaskFolder);
        release->SetID("R1");
        CTaskKav* folder = project.AddTask("Folder", release, kTaskFolder);
        folder->SetID("f1");
        CTaskKav* useCase = project.AddTask("Check", folder);
        useCase->SetID("uc");
        auto* start = new CTaskStep("Start", "", "", "", "", "", nullptr, nullptr, 0, &app.GetStepFields(), 2, "", 1);
        useCase->GetSteps().Add(start);
        useCase->SetStartStep(start);
        for (CTaskKav* task : {release, folder, useCase}) task->SetQuVornakTask(1);
        if (add) add(project, useCase);
        CXMLDataManager writer;
        writer.SaveProject(false, "", app, text);
    }
    CurrentApplication = current;
    return "<CMD_DATA_KAVRO><KAVRO_DATA Version=\"12.4\">" + text + "</KAVRO_DATA></CMD_DATA_KAVRO>";
}
