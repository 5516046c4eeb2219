#include <gtest/gtest.h>

#include "model/ApplicationKav.h"
#include "model/GUIBuilderList.h"
#include "model/ShellServices.h"
#include "platform/Clipboard.h"
#include "platform/MessageBuffer.h"
#include "platform/Settings.h"
#include "tests/support/GlobalState.h"

// Each test leaves global state behind; the reset between tests must clear it whatever the
// order in which they run.
class GlobalState : public ::testing::TestWithParam<int> {};

TEST_P(GlobalState, EveryTestStartsClean) {
    EXPECT_EQ(CurrentApplication, nullptr);
    EXPECT_FALSE(VornakMode);
    EXPECT_EQ(GetGlobalMessageBuffer(), "");
    EXPECT_EQ(GetClipboardText("CF_KAVRO_TASK_COPY"), "");
    EXPECT_FALSE(GetSettings().ReadText(SettingsHive::CurrentUser, "K", "V").has_value());
    EXPECT_EQ(&GetInteraction(), &TestInteraction());
    EXPECT_TRUE(TestInteraction().messages.empty());
    EXPECT_TRUE(GetGuiBuilderDatabase().empty());
    static int hookCalls = 0;
    NotifyTestCaseDeleting(nullptr);
    EXPECT_EQ(hookCalls, 0);

    static CApplicationKav* const kDangling = reinterpret_cast<CApplicationKav*>(0x1);
    CurrentApplication = kDangling;
    VornakMode = true;
    SetGlobalMessage("left over");
    int marker = 0;
    PutClipboardObject("CF_KAVRO_TASK_COPY", &marker);
    GetSettings().WriteText(SettingsHive::CurrentUser, "K", "V", "x");
    GetInteraction().Inform("left over");
    GetGuiBuilderDatabase().Add(new CGUIBuilder("B", 1000, 0));
    SetTestCaseDeletionHook([](CTestCase*) { ++hookCalls; });
}

INSTANTIATE_TEST_SUITE_P(Twice, GlobalState, ::testing::Values(1, 2));
