// The window program's message boxes on the toolkit.
#include <memory>

#include <wx/msgdlg.h>

#include "platform/Interaction.h"
#include "shell/BatchRoad.h"
#include "shell/WindowProgram.h"
#include "shell/wx/WxInteraction.h"
#include "tests/support/gui/GuiTest.h"

namespace {

class WindowProgramTest : public GuiTest {
protected:
    void SetUp() override { InstallInteraction(std::make_unique<WxInteraction>()); }
    void TearDown() override {
        InstallInteraction(std::make_unique<ConsoleInteraction>());
        GuiTest::TearDown();
    }
};

}  // namespace

TEST_F(WindowProgramTest, AMalformedLineShowsTheUsageInAWarningBox) {
    const CommandLine line = ReadCommandLine(std::vector<std::string>{"-p", "f.xml", "-unknown"});
    EXPECT_EQ(RunWithoutMainWindow(line, kExitMalformed), kExitMalformed);
    ASSERT_EQ(dialogs_.Shown().size(), 1u);
    const ShownDialog& box = dialogs_.Shown()[0];
    EXPECT_EQ(box.message.rfind("Invalid command line!\nUsage: kavro {-p projectname", 0), 0u) << box.message;
    EXPECT_TRUE(box.style & wxICON_WARNING);
    EXPECT_TRUE(box.style & wxOK);
}

TEST_F(WindowProgramTest, QuestionsKeepTheirButtonsCaptionAndDefault) {
    GetInteraction().ShowMessage({"Save changes?", "Save Changes", MessageButtons::YesNoCancel, MessageIcon::Question,
                                  MessageAnswer::No});
    ASSERT_EQ(dialogs_.Shown().size(), 1u);
    const ShownDialog& box = dialogs_.Shown()[0];
    EXPECT_EQ(box.title, "Save Changes");
    EXPECT_EQ(box.message, "Save changes?");
    EXPECT_TRUE(box.style & wxYES_NO);
    EXPECT_TRUE(box.style & wxCANCEL);
    EXPECT_TRUE(box.style & wxNO_DEFAULT);
    EXPECT_TRUE(box.style & wxICON_QUESTION);
}
