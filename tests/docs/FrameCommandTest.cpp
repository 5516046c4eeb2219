// The frame's command "Generate HTML Documentation": given only while a project is open and no
// pick operation runs, and only once the documentation installed it.
#include <gtest/gtest.h>

#include "shell/HtmlDocumentation.h"
#include "shell/CommandIds.h"
#include "tests/shell/FrameFixture.h"

namespace {

class FrameCommandTest : public FrameFixture {
protected:
    ~FrameCommandTest() override { HtmlDocumentationCommand() = nullptr; }
};

TEST_F(FrameCommandTest, TheCommandRunsOnAnOpenProjectOutsidePickOperations) {
    ASSERT_EQ(frame_.LoadProject(kSample, true), 1);
    EXPECT_FALSE(frame_.GetCommandState(command::kGenerateHtml).enabled);

    int runs = 0;
    HtmlDocumentationCommand() = [&] { ++runs; };
    EXPECT_TRUE(frame_.GetCommandState(command::kGenerateHtml).enabled);
    EXPECT_TRUE(frame_.OnCommand(command::kGenerateHtml));
    EXPECT_EQ(runs, 1);

    frame_.Pick().mode = 1;
    EXPECT_FALSE(frame_.GetCommandState(command::kGenerateHtml).enabled);
    frame_.OnCommand(command::kGenerateHtml);
    frame_.Pick().mode = 0;
    ASSERT_EQ(frame_.CloseProject(false), 1);
    EXPECT_FALSE(frame_.GetCommandState(command::kGenerateHtml).enabled);
    frame_.OnCommand(command::kGenerateHtml);
    EXPECT_EQ(runs, 1);
}

}  // namespace
