// What start-up installs from the converter table for earlier parts of the program.
#include <gtest/gtest.h>

#include "conditions/EventParser.h"
#include "conversion/framework/OutputFormats.h"
#include "generation/ToolEventParsers.h"
#include "model/WindowList.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageLog.h"
#include "shell/ProjectSession.h"
#include "shell/StartUp.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

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

// Projects of version 11.2 or older kept WinRunner tags in the model's own notation: loading
// one converts them into physical descriptions, and descriptions stay as they are.
TEST_F(ConverterServicesTest, LoadingAnOldWinRunnerProjectConvertsItsTags) {
    ScratchFolder folder;
    const std::string path = folder.Write("Old.xml", R"xml(<KAVRO_DATA Version="11.2">
<PROJECT ID="P1" Name="Old" OutputFormat="8"/>
<TASK ID="t1" StartID="s1" Name="SignIn" Type="0"><TASKSTEP ID="s1" Name="Start"/></TASK>
<WND ID="w_main" Name="Main" Type="0" Caption="Demo" Style="12582912" Tag="Demo"/>
<WND ID="w_name" ParentID="w_main" Name="UserName" Type="6" Caption="Name" Tag="$1001, #2, Name"/>
<WND ID="w_ok" ParentID="w_main" Name="OK" Type="8" Tag="{class: push_button, label: &quot;!OK&quot;}"/>
</KAVRO_DATA>)xml");
    CProjectSession session;
    MessageLog log;
    ASSERT_EQ(session.LoadProject(path, false, &log), 1) << ::testing::PrintToString(TestInteraction().Texts());
    CWindowList& windows = session.Root().GetWindowList();
    EXPECT_EQ(windows.FindByName("Main", nullptr)->GetTag(), "{class: window, label: \"Demo\"}");
    EXPECT_EQ(windows.FindByName("UserName", nullptr)->GetTag(),
              "{class: edit, MSW_id: 1001 , location: 2 , label: \"Name\"}");
    EXPECT_EQ(windows.FindByName("OK", nullptr)->GetTag(), "{class: push_button, label: \"!OK\"}");
}

}  // namespace
