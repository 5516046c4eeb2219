// What start-up installs from the converter table for earlier parts of the program.
#include <gtest/gtest.h>

#include "conditions/EventParser.h"
#include "conversion/framework/OutputFormats.h"
#include "generation/ToolEventParsers.h"
#include "persistence/XMLDataManager.h"
#include "shell/StartUp.h"
#include "tests/support/ProjectBuilder.h"

namespace {

class ConverterServicesTest : public ProjectTest {
protected:
    void SetUp() override { InstallConverterServices(); }
    void TearDown() override {
        InstallToolEventParserFactory(nullptr);
        GetProjectReader().SetLoadingServices({});
    }
};

// Generation leaves out the Verify steps of windows that the format's tool cannot address.
TEST_F(ConverterServicesTest, GenerationAsksTheEventParserOfTheFormatsTool) {
    CWindowKav* dialog = project.AddWindow("Dialog", nullptr, kWndDialogBox);
    CWindowKav* radio = project.AddWindow("Radio", dialog, kWndRadioButton);
    EXPECT_TRUE(CreateToolEventParser(kFormatSilkTest)->IsWindowUnsupported(radio, 1));
    EXPECT_FALSE(CreateToolEventParser(kFormatPlainText)->IsWindowUnsupported(radio, 1));
    EXPECT_FALSE(CreateToolEventParser(kFormatSilkTest)->IsWindowUnsupported(dialog, 1));
}

}  // namespace
