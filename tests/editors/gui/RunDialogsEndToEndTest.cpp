// The run dialogs end to end on the sample project: Generate Test Cases (whole project) in the
// settings and status windows, Convert Test Cases into plain text in the conversion window, then
// the project saved; once on the dialogs alone, where the scripts are the ones the batch program
// writes for the same project, and once through the window program's commands.
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <regex>

#include "conversion/framework/OutputFormats.h"
#include "conversion/framework/TestcaseConverterDlg.h"
#include "editors/FrameEditorsUi.h"
#include "editors/conversion/ConversionViews.h"
#include "editors/generation/GenerationViews.h"
#include "editors/generation/TCGStatusDlg.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageLog.h"
#include "platform/TextUtil.h"
#include "shell/CommandIds.h"
#include "shell/wx/MainFrameUi.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/shell/ProgramRun.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/gui/MainFrameTest.h"

namespace fs = std::filesystem;

namespace {

// The text of a UTF-16 file with its byte-order mark, as UTF-8.
std::string ReadUtf16(const fs::path& file) {
    const std::string bytes = ScratchFolder::Read(file);
    std::u16string units;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       static_cast<unsigned char>(bytes[i + 1]) << 8);
    return Utf16ToUtf8(units);
}

// The scripts below the folder by their paths, with the times of their writing masked.
std::map<std::string, std::string> MaskedScripts(const fs::path& folder) {
    static const std::regex times(R"(\w{3} \w{3} [ \d]\d \d{2}:\d{2}:\d{2} \d{4})");
    std::map<std::string, std::string> scripts;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        scripts[fs::relative(entry.path(), folder).string()] =
            std::regex_replace(ReadUtf16(entry.path()), times, "<time>");
    }
    return scripts;
}

// The status window's run has ended.
bool GenerationEnded(wxWindow& window) {
    auto* log = dynamic_cast<wxListBox*>(wxWindow::FindWindowById(kStatusLog, &window));
    return log && log->GetCount() > 0 && log->GetString(log->GetCount() - 1) == "Generation Completed";
}

// The settings window: step coverage for the whole project.
void ChooseStepCoverage(wxWindow& window) {
    EXPECT_TRUE(FindControl<wxRadioButton>(&window, kTcgScopeProject)->GetValue());
    ClickWithMouse(FindControl<wxRadioButton>(&window, kTcgKindGraph));
    auto* steps = FindControl<wxRadioButton>(&window, kTcgCoverSteps);
    ASSERT_TRUE(WaitUntil([&] { return steps->IsEnabled(); }));
    ClickWithMouse(steps);
    ASSERT_TRUE(WaitUntil([&] { return steps->GetValue(); }));
    ASSERT_TRUE(PressButton(&window, wxID_OK));
}

// The conversion window: plain text into the folder.
void ConvertToPlainText(wxWindow& window, const fs::path& folder) {
    auto* formats = FindControl<wxChoice>(&window, kTccFormat);
    ASSERT_TRUE(formats->SetStringSelection(wxString::FromUTF8(GetConverterName(kFormatPlainText))));
    wxCommandEvent choice(wxEVT_CHOICE, kTccFormat);
    choice.SetEventObject(formats);
    formats->HandleWindowEvent(choice);
    FindControl<wxTextCtrl>(&window, kTccOutputPath)->ChangeValue(wxString::FromUTF8(folder.string()));
    ASSERT_TRUE(PressButton(&window, wxID_OK));
}

class RunDialogsEndToEndTest : public GuiTest {
protected:
    void SetUp() override {
        InstallInteraction(std::make_unique<WxInteraction>());
        fs::copy_file(fs::path(KAVRO_SOURCE_DIR) / "examples/insurance/Insurance.xml", ProjectFile());
        CurrentApplication = &project;
        CXMLDataManager reader;
        MessageLog log;
        ASSERT_EQ(reader.LoadProject(ProjectFile().string(), &log), 1);
    }
    void TearDown() override {
        CurrentApplication = nullptr;
        GuiTest::TearDown();
    }
    fs::path ProjectFile() const { return scratch.Path() / "Insurance.xml"; }

    ScratchFolder scratch;
    CApplicationKav project;
    WindowHost host;
};

}  // namespace

TEST_F(RunDialogsEndToEndTest, GenerateConvertAndSaveWriteWhatTheBatchProgramWrites) {
    const fs::path guiScripts = scratch.Path() / "gui";
    host.steps = [&](EditorDialogUi& window) {
        if (!dynamic_cast<CTCGStatusDlg*>(&window.Dialog())) return ChooseStepCoverage(window);
        ASSERT_TRUE(WaitUntil([&] { return GenerationEnded(window); }));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    };
    CTCGDlg::Run(project, nullptr, nullptr, nullptr, MakeGenerationViews(host));
    const size_t generated = project.GetTestCases().size();
    ASSERT_GT(generated, 0u);

    host.steps = [&](EditorDialogUi& window) { ConvertToPlainText(window, guiScripts); };
    CTestcaseConverterDlg driver;
    ShowConversionDialogsThrough(host, driver);
    ASSERT_EQ(driver.ConvertTestCases(nullptr, nullptr, false), 1);
    EXPECT_EQ(dialogs_.Messages().back(), std::to_string(generated) + " Test Case(s) converted! [I0012]");

    CXMLDataManager writer;
    std::string unused;
    ASSERT_EQ(writer.SaveProject(true, ProjectFile().string(), project, unused), 1);
    CApplicationKav saved;
    CurrentApplication = &saved;
    MessageLog log;
    ASSERT_EQ(CXMLDataManager().LoadProject(ProjectFile().string(), &log), 1);
    EXPECT_EQ(saved.GetTestCases().size(), generated);
    EXPECT_FALSE(saved.GetTestScripts().empty());

    const fs::path home = scratch.Path() / "batch";
    fs::create_directories(home);
    fs::copy_file(fs::path(KAVRO_SOURCE_DIR) / "examples/insurance/Insurance.xml", home / "Insurance.xml");
    const ProgramRun batch = KavroProgram(home).Run({"-p", "Insurance.xml", "-g", "-c", "PLAINTEXT", "-s",
                                                     (home / "scripts").string(), "-q"});
    ASSERT_EQ(batch.exitCode, 0) << batch.err;
    const std::map<std::string, std::string> written = MaskedScripts(guiScripts);
    EXPECT_FALSE(written.empty());
    EXPECT_EQ(written, MaskedScripts(home / "scripts"));
}

namespace {

// The window program on a scratch copy of the sample project, with the editors installed as the
// program installs them.
class FrameRunDialogsTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        InstallFrameEditors();
        fs::copy_file(fs::path(KAVRO_SOURCE_DIR) / "examples/insurance/Insurance.xml", ProjectFile());
    }
    fs::path ProjectFile() const { return scratch.Path() / "Insurance.xml"; }

    // The frame's command as its menu gives it, once the menu shows it enabled.
    static bool Choose(CMainFrameUi& window, int command) {
        window.DoMenuUpdates();
        return ChooseMenuItem(&window, CommandToWindowId(command));
    }

    // The display has no window manager: the window under the pointer gets the input.
    static void PointAt(wxTopLevelWindow& window) {
        const wxRect area = window.GetScreenRect();
        wxUIActionSimulator().MouseMove(area.GetPosition() + area.GetSize() / 2);
        EXPECT_TRUE(WaitUntil([&] { return window.IsActive(); }));
    }

    ScratchFolder scratch;
};

}  // namespace

TEST_F(FrameRunDialogsTest, GenerateConvertAndSaveThroughTheFramesCommands) {
    CMainFrameUi* window = Start({"-p", ProjectFile().string()});
    ASSERT_NE(window, nullptr) << exitCode_;
    CMainFrame& frame = window->GetMainFrame();
    ASSERT_TRUE(frame.IsProjectOpen());
    ASSERT_TRUE(frame.Root().GetTestCases().empty());
    const fs::path scripts = scratch.Path() / "scripts";

    dialogs_.Drive(
        "Test Case Generation Status", [](wxDialog& status) { EXPECT_TRUE(PressButton(&status, wxID_OK)); },
        [](wxDialog& status) { return GenerationEnded(status); });
    dialogs_.Drive("Test Case Generation - Project", [](wxDialog& settings) {
        PointAt(settings);
        ChooseStepCoverage(settings);
    });
    dialogs_.Drive("Test Case Conversion - Project", [&](wxDialog& conversion) {
        PointAt(conversion);
        ConvertToPlainText(conversion, scripts);
    });

    ASSERT_TRUE(Choose(*window, command::kGenerateTestCases));
    const size_t generated = frame.Root().GetTestCases().size();
    ASSERT_GT(generated, 0u);
    ASSERT_TRUE(Choose(*window, command::kConvertTestCases));
    EXPECT_EQ(dialogs_.Messages().back(), std::to_string(generated) + " Test Case(s) converted! [I0012]");
    EXPECT_EQ(frame.GetUndoTip(), "Undo: Convert Test Cases");
    std::vector<std::string> titles;
    for (const ShownDialog& shown : dialogs_.Shown()) titles.push_back(shown.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Test Case Generation - Project Insurance", "Test Case Generation Status",
                                                "Test Case Conversion - Project Insurance", "KAVRO"}));
    ASSERT_TRUE(Choose(*window, command::kSaveProject));
    EXPECT_FALSE(frame.Root().IsModified());

    // Every script named in the project was written, and the saved file has them all.
    std::vector<std::string> written;
    for (const auto& entry : fs::recursive_directory_iterator(scripts))
        if (entry.is_regular_file()) written.push_back(entry.path().filename().string());
    EXPECT_FALSE(written.empty());
    CApplicationKav* shown = CurrentApplication;
    CApplicationKav saved;
    CurrentApplication = &saved;
    MessageLog log;
    const int loaded = CXMLDataManager().LoadProject(ProjectFile().string(), &log);
    CurrentApplication = shown;
    ASSERT_EQ(loaded, 1);
    EXPECT_EQ(saved.GetTestCases().size(), generated);
    EXPECT_EQ(saved.GetTestScripts().size(), frame.Root().GetTestScripts().size());
    EXPECT_FALSE(saved.GetTestScripts().empty());
}
