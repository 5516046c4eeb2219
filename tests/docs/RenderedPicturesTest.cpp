// The pictures of the window program saved from their PNG bytes.
#include <gtest/gtest.h>

#include "docs/DocumentationPictures.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "platform/AtomicFile.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

namespace {

class RenderedPicturesTest : public ProjectTest {
protected:
    ~RenderedPicturesTest() override { SetFileFaultInjector(nullptr); }

    RenderedPictures Pictures() {
        return RenderedPictures({[this](CWindowKav&) { return rendered; }, [this](CTaskKav&) { return rendered; },
                                 [this](CTestCase&) { return rendered; }});
    }

    ScratchFolder folder;
    PngPicture rendered;
};

TEST_F(RenderedPicturesTest, EachKindOfPictureIsSavedAsRendered) {
    CWindowKav* window = project.AddWindow("Login");
    CTaskKav* task = project.AddTask("Flow");
    CTestCase* testCase = project.AddTestCase(1, kTestCaseGraphCoverage, task);
    rendered = std::string("\x89PNG window");
    RenderedPictures pictures = Pictures();
    EXPECT_EQ(pictures.SaveWindowPicture(*window, folder.Path() / "WND_Login.png"), PictureResult::Saved);
    rendered = std::string("\x89PNG task");
    EXPECT_EQ(pictures.SaveTaskFlowPicture(*task, folder.Path() / "TASK_Flow.png"), PictureResult::Saved);
    rendered = std::string("\x89PNG test case");
    EXPECT_EQ(pictures.SaveTestCasePicture(*testCase, folder.Path() / "TC_Flow_001.png"), PictureResult::Saved);
    EXPECT_EQ(ScratchFolder::Read(folder.Path() / "WND_Login.png"), "\x89PNG window");
    EXPECT_EQ(ScratchFolder::Read(folder.Path() / "TASK_Flow.png"), "\x89PNG task");
    EXPECT_EQ(ScratchFolder::Read(folder.Path() / "TC_Flow_001.png"), "\x89PNG test case");
}

TEST_F(RenderedPicturesTest, APictureTooLargeOrNotDrawnOrNotWrittenLeavesThePreviousFile) {
    CWindowKav* window = project.AddWindow("Login");
    const std::filesystem::path file = folder.Write("WND_Login.png", "previous");
    RenderedPictures pictures = Pictures();

    rendered = std::nullopt;
    EXPECT_EQ(pictures.SaveWindowPicture(*window, file), PictureResult::TooLarge);
    rendered = std::string();
    EXPECT_EQ(pictures.SaveWindowPicture(*window, file), PictureResult::Failed);
    rendered = std::string("\x89PNG new");
    SetFileFaultInjector([](std::string_view step, const std::filesystem::path&) { return step != "rename"; });
    EXPECT_EQ(pictures.SaveWindowPicture(*window, file), PictureResult::Failed);
    EXPECT_EQ(ScratchFolder::Read(file), "previous");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

}  // namespace
