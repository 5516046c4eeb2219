// The message log window's rules: which operation result closes it, what happens while its
// operation runs, and saving its lines.
#include <gtest/gtest.h>

#include "platform/LogFile.h"
#include "platform/MessageBuffer.h"
#include "platform/UserFolders.h"
#include "shell/MessageLogDlg.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ScratchFolder.h"

TEST(MessageLogDlg, OnlyLoadingAndImportingCloseByThemselves) {
    const struct {
        int mode;
        int result;
        bool closes;
        const char* title;
    } cases[] = {
        {CMessageLogDlg::kLoadProject, 1, true, "Loading Project"},
        {CMessageLogDlg::kLoadProject, 2, true, "Loading Project"},
        {CMessageLogDlg::kLoadProject, -1, false, "Loading Project"},
        {CMessageLogDlg::kLoadProject, 0, false, "Loading Project"},
        {CMessageLogDlg::kImportProject, 3, true, "Importing Project"},
        {CMessageLogDlg::kImportProject, 1, false, "Importing Project"},
        {CMessageLogDlg::kGeneratedRecords, 1, false, "Generated Data Records"},
        {CMessageLogDlg::kUftExport, 1, false, "UFT Export Status"},
        {CMessageLogDlg::kRanorexImport, 3, false, "Ranorex Import Status"},
    };
    for (const auto& c : cases) {
        CMessageLogDlg dialog(c.mode, [&c](MessageLog& log) {
            log.AddMessage("Opening Project");
            return c.result;
        });
        EXPECT_EQ(dialog.GetTitle(), c.title);
        EXPECT_EQ(dialog.GetResult(), 1);
        EXPECT_FALSE(dialog.ClosesItself());
        EXPECT_EQ(dialog.Run(), c.result);
        EXPECT_EQ(dialog.ClosesItself(), c.closes) << c.mode << " " << c.result;
        EXPECT_EQ(dialog.Log().Lines(), std::vector<std::string>{"Opening Project"});
    }
}

TEST(MessageLogDlg, WhileTheOperationRunsTheWindowStaysAndItRunsOnce) {
    int runs = 0;
    bool closableInside = true;
    CMessageLogDlg* self = nullptr;
    CMessageLogDlg dialog(CMessageLogDlg::kLoadProject, [&](MessageLog&) {
        ++runs;
        closableInside = self->CanClose();
        return 1;
    });
    self = &dialog;
    EXPECT_TRUE(dialog.CanClose());
    dialog.Run();
    dialog.Run();
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(closableInside);
    EXPECT_TRUE(dialog.CanClose());
}

TEST(MessageLogDlg, AConverterThatFailsLeavesItsMessageInTheLog) {
    for (int mode : {CMessageLogDlg::kUftImport, CMessageLogDlg::kUftExport}) {
        CMessageLogDlg dialog(mode, [](MessageLog&) {
            SetGlobalMessage("Repository not readable");
            return 0;
        });
        dialog.Run();
        const bool logged = !dialog.Log().Lines().empty();
        EXPECT_EQ(logged, mode == CMessageLogDlg::kUftImport) << mode;
    }
}

TEST(MessageLogDlg, SavingWritesTheLinesAndSaysWhere) {
    ScratchFolder folder;
    SetUserFolders({{}, {}, {}, folder.Path()});
    CMessageLogDlg empty(CMessageLogDlg::kGeneratedRecords, [](MessageLog&) { return 1; });
    EXPECT_EQ(empty.SaveLog(), 0);
    EXPECT_TRUE(TestInteraction().messages.empty());

    CMessageLogDlg dialog(CMessageLogDlg::kGeneratedRecords, [](MessageLog& log) {
        log.AddMessage("2 new records generated!\nRecord R1:  ");
        return 1;
    });
    dialog.Run();
    EXPECT_EQ(dialog.SaveLog(), 1);
    const std::string path = (folder.Path() / "Logfile.txt").string();
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Log saved to " + path + "! [I0024]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Logfile saved");
    const std::string bytes = ScratchFolder::Read(path);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(dialog.GetHelpContext(), 131358);
    EXPECT_EQ(CMessageLogDlg(CMessageLogDlg::kLoadProject, nullptr).GetHelpContext(), 35011);
}
