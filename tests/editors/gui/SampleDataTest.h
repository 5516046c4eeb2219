#pragma once
// GUI tests of the data editors on the sample project, loaded as the current project, with the
// toolkit's message boxes (recorded by the harness).
#include <memory>
#include <string>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/Interaction.h"
#include "platform/MessageLog.h"
#include "shell/wx/WxInteraction.h"
#include "tests/support/gui/GuiTest.h"

inline const std::string kSampleProject = std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml";

// The sample's data set Clients: V1..V4 valid and I1..I3 invalid records, four fields.
class SampleDataTest : public GuiTest {
protected:
    void SetUp() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        CurrentApplication = &sample;
        CXMLDataManager reader;
        MessageLog log;
        ASSERT_EQ(reader.LoadProject(kSampleProject, &log), 1);
        clients = sample.FindDataSet("Clients", false);
        ASSERT_NE(clients, nullptr);
    }
    void TearDown() override {
        GuiTest::TearDown();
        CurrentApplication = nullptr;
    }

    CApplicationKav sample;
    CDataSet* clients = nullptr;
};
