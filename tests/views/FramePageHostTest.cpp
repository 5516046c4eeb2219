// The pages' reports and requests become the main frame's own calls.
#include <gtest/gtest.h>

#include "shell/MainFrame.h"
#include "tests/shell/FrameDoubles.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "views/pane/FramePageHost.h"

TEST(FramePageHost, OpensFlowsOfTasksButNotOfFoldersAndRecordsTheUndoStep) {
    FakeWindow window;
    CMainFrame frame(window);
    FakeTasksPage tasks;
    frame.SetTasksPage(&tasks);
    FramePageHost host(frame);
    CTaskKav task("Order", kTaskPlain), folder("Folder", kTaskFolder);

    host.OpenTaskFlow(&folder);
    host.OpenTaskFlow(nullptr);
    EXPECT_TRUE(window.opened.empty());
    host.OpenTaskFlow(&task);
    ASSERT_EQ(window.opened.size(), 1u);
    EXPECT_EQ(window.opened.front()->Kind(), PaneKind::TaskFlowView);
    EXPECT_EQ(window.opened.front()->ShownObject(), &task);

    host.ReportTaskChanged(&task);
    EXPECT_EQ(tasks.updatedTasks, std::vector<CTaskKav*>{&task});
    host.SetModified("Drag Task");
    EXPECT_EQ(frame.GetUndoTip(), "Undo: Drag Task");
}
