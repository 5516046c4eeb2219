// The project commands, undo and the clipboard of the main frame on the toolkit.
#include <filesystem>

#include <wx/aui/auibar.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/menu.h>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"
#include "shell/ClipboardObjects.h"
#include "shell/CommandIds.h"
#include "shell/MainFrame.h"
#include "shell/wx/MainFrameUi.h"
#include "shell/wx/SystemClipboard.h"
#include "tests/support/gui/MainFrameTest.h"

namespace {

const std::string kSample = std::string(KAVRO_SOURCE_DIR) + "/examples/insurance/Insurance.xml";

using ProjectCommandsUiTest = MainFrameTest;

std::string SystemClipboardText(const char* format) {
    const wxDataFormat dataFormat(format);
    if (!wxTheClipboard->Open()) return "<not open>";
    std::string text;
    wxCustomDataObject payload(dataFormat);
    if (wxTheClipboard->IsSupported(dataFormat) && wxTheClipboard->GetData(payload))
        text.assign(static_cast<const char*>(payload.GetData()), payload.GetSize());
    wxTheClipboard->Close();
    // Up to the terminating zero.
    return text.c_str();
}

void WriteSystemClipboard(const char* format, const std::string& text) {
    ASSERT_TRUE(wxTheClipboard->Open());
    auto* payload = new wxCustomDataObject(wxDataFormat(format));
    payload->SetData(text.size() + 1, text.c_str());
    wxTheClipboard->SetData(payload);
    wxTheClipboard->Close();
}

wxAuiToolBar& GeneralBar(CMainFrameUi& window) {
    return *static_cast<wxAuiToolBar*>(window.GetAuiManager().GetPane(CMainFrameUi::PaneName(FrameBar::General)).window);
}

}  // namespace

TEST_F(ProjectCommandsUiTest, APutObjectReachesTheSystemClipboardAndAnotherProcesssDataGivesNothing) {
    InstallSystemClipboard();
    auto* task = new CTaskKav("Copied", kTaskPlain);
    ASSERT_TRUE(PutTaskCopy(task));
    const std::string payload = std::to_string(GetClock().ProcessId()) + ":" +
                                std::to_string(reinterpret_cast<std::uintptr_t>(task));
    EXPECT_EQ(SystemClipboardText(kTaskCopyFormat), payload);
    EXPECT_EQ(GetClipboardTask(), task);

    WriteSystemClipboard(kTaskCopyFormat,
                         std::to_string(GetClock().ProcessId() + 1) + ":" +
                             std::to_string(reinterpret_cast<std::uintptr_t>(task)));
    EXPECT_EQ(GetClipboardTask(), nullptr);
    // The copy is still this process's to free.
    ClearClipboardObjects();
    EXPECT_EQ(GetClipboardObject(kTaskCopyFormat), nullptr);
}

TEST_F(ProjectCommandsUiTest, UndoNamesItsStepAndTheProjectMenuClosesTheProject) {
    const std::string path = documents_ + "/Insurance.xml";
    std::filesystem::create_directories(documents_);
    std::filesystem::copy_file(kSample, path);
    CMainFrameUi* window = Start({"-p", path});
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ShowAndActivate(window));
    CMainFrame& frame = window->GetMainFrame();
    const int undo = CommandToWindowId(command::kUndo);
    window->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_FALSE(window->GetMenuBar()->FindItem(undo)->IsEnabled());
    EXPECT_EQ(GeneralBar(*window).GetToolShortHelp(undo), "Undo");

    const std::string description = CurrentApplication->GetDescription();
    CurrentApplication->SetDescription("Changed");
    RecordUndoStep("Convert Test Cases");
    window->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_EQ(GeneralBar(*window).GetToolShortHelp(undo), "Undo: Convert Test Cases");
    ASSERT_TRUE(ChooseMenuItem(window, undo));
    EXPECT_EQ(CurrentApplication->GetDescription(), description);
    window->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_EQ(GeneralBar(*window).GetToolShortHelp(CommandToWindowId(command::kRedo)), "Redo: Convert Test Cases");

    // The undone change leaves the project as loaded: Close asks nothing.
    for (int command : {command::kNewProject, command::kProjectProperties})
        EXPECT_FALSE(window->GetMenuBar()->FindItem(CommandToWindowId(command))->IsEnabled()) << command;
    ASSERT_TRUE(ChooseMenuItem(window, CommandToWindowId(command::kCloseProject)));
    EXPECT_FALSE(frame.IsProjectOpen());
    EXPECT_EQ(window->GetTitle(), "VORNAK Designer (KAVRO)");
    EXPECT_TRUE(dialogs_.Shown().empty());
    window->UpdateWindowUI(wxUPDATE_UI_RECURSE);
    EXPECT_FALSE(window->GetMenuBar()->FindItem(CommandToWindowId(command::kSaveProject))->IsEnabled());
}
