#include "tests/views/RecordingTreeObserver.h"

#include <gtest/gtest.h>

#include "shell/CommandIds.h"
#include "shell/WorkspacePage.h"

void ExpectClipboardGoesToTheLabelEditOnly(WorkspacePage& page, RecordingTreeObserver& observer,
                                           const std::function<void()>& beginEdit,
                                           const std::function<void()>& endEdit) {
    EXPECT_FALSE(page.PassToLabelEdit(command::kCut)) << "no label is being edited";
    beginEdit();
    EXPECT_TRUE(page.PassToLabelEdit(command::kCut));
    EXPECT_TRUE(page.PassToLabelEdit(command::kCopy));
    EXPECT_TRUE(page.PassToLabelEdit(command::kPaste));
    EXPECT_FALSE(page.PassToLabelEdit(command::kDelete));
    EXPECT_EQ(observer.labelCommands,
              (std::vector<LabelClipboard>{LabelClipboard::Cut, LabelClipboard::Copy, LabelClipboard::Paste}));
    endEdit();
    EXPECT_FALSE(page.PassToLabelEdit(command::kPaste));

    const int before = observer.focusWanted;
    page.TakeFocus();
    EXPECT_EQ(observer.focusWanted, before + 1);
}
