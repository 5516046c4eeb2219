#include "tests/support/GlobalState.h"

#include <gtest/gtest.h>

#include <memory>

#include "conditions/SatisfyingValueSearch.h"
#include "model/ActionCatalogue.h"
#include "model/ChangedTaskReport.h"
#include "model/DovaTemplate.h"
#include "model/GUIBuilderList.h"
#include "model/ShellServices.h"
#include "platform/AtomicFile.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "platform/CommandLineSettings.h"
#include "platform/MessageBuffer.h"
#include "platform/Random.h"
#include "platform/Settings.h"
#include "platform/ToolRunner.h"
#include "platform/UserFolders.h"
#include "resources/MessageCatalogue.h"

namespace {

ScriptedInteraction* g_interaction = nullptr;

class ResetListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ResetGlobalState(); }
    void OnTestEnd(const ::testing::TestInfo&) override { ResetGlobalState(); }
};

// Registers the listener while the program starts, before any test runs.
[[maybe_unused]] const bool kRegistered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetListener);
    return true;
}();

}  // namespace

void ResetGlobalState() {
    CurrentApplication = nullptr;
    VornakMode = false;
    SetTestCaseDeletionHook(nullptr);
    SetUndoStepHook(nullptr);
    ResetCommandLineSettings();
    SetChangedTaskReceiver(nullptr);
    ClearGlobalMessage();
    InstallMessageTranslations({});
    ClearClipboard();
    SetFileFaultInjector(nullptr);
    InstallSettings(std::make_unique<MemorySettings>());
    SetUserFolders({});
    auto interaction = std::make_unique<ScriptedInteraction>();
    g_interaction = interaction.get();
    InstallInteraction(std::move(interaction));
    InstallClock(nullptr);
    InstallToolRunner(nullptr);
    SeedRandomSource({1, 1});
    GetGuiBuilderDatabase().DeleteAll();
    GetDovaTemplateList().DeleteAll();
    GetActionCatalogue().DeleteAll();
    InitPredefinedActions(GetActionCatalogue());
    SetSearchCandidateCount(1);
}

ScriptedInteraction& TestInteraction() {
    if (!g_interaction) ResetGlobalState();
    return *g_interaction;
}
