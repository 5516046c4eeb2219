// Every generation test starts and ends with the start values of the process-wide generation
// settings and with the base event parser for every tool (the shared test support resets the
// rest of the global state).
#include <gtest/gtest.h>

#include "generation/GenerationSettings.h"
#include "generation/ToolEventParsers.h"

namespace {

class GenerationSettingsReset : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { Reset(); }
    void OnTestEnd(const ::testing::TestInfo&) override { Reset(); }
    static void Reset() {
        ResetGenerationSettings();
        InstallToolEventParserFactory(nullptr);
    }
};

[[maybe_unused]] const bool kRegistered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new GenerationSettingsReset);
    return true;
}();

}  // namespace
