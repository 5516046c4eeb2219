// Every generation test starts and ends with the start values of the process-wide generation
// settings (the shared test support resets the rest of the global state).
#include <gtest/gtest.h>

#include "generation/GenerationSettings.h"

namespace {

class GenerationSettingsReset : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ResetGenerationSettings(); }
    void OnTestEnd(const ::testing::TestInfo&) override { ResetGenerationSettings(); }
};

[[maybe_unused]] const bool kRegistered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new GenerationSettingsReset);
    return true;
}();

}  // namespace
