// The run dialogs end to end on the sample project, as the frame's commands will run them:
// Generate Test Cases (whole project) in the settings and status windows, Convert Test Cases
// into plain text in the conversion window, then the project saved. The scripts are the ones
// the batch program writes for the same project.
#include <gtest/gtest.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include <regex>

#include "conversion/framework/OutputFormats.h"
#include "conversion/framework/TestcaseConverterDlg.h"
#include "editors/conversion/ConversionViews.h"
#include "editors/generation/GenerationViews.h"
#include "editors/generation/TCGStatusDlg.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageLog.h"
#include "platform/TextUtil.h"
#include "shell/wx/WxInteraction.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/shell/ProgramRun.h"
#include "tests/support/ScratchFolder.h"

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

    // The settings window: step coverage for the whole project; the status window: its end.
    void Generate(EditorDialogUi& window) {
        if (dynamic_cast<CTCGStatusDlg*>(&window.Dialog())) {
            auto* log = FindControl<wxListBox>(&window, kStatusLog);
            ASSERT_TRUE(WaitUntil([&] { return log->GetCount() > 0 && log->GetString(log->GetCount() - 1) ==
                                                                        "Generation Completed"; }));
            ASSERT_TRUE(PressButton(&window, wxID_OK));
            return;
        }
        EXPECT_TRUE(FindControl<wxRadioButton>(&window, kTcgScopeProject)->GetValue());
        ClickWithMouse(FindControl<wxRadioButton>(&window, kTcgKindGraph));
        auto* steps = FindControl<wxRadioButton>(&window, kTcgCoverSteps);
        ASSERT_TRUE(WaitUntil([&] { return steps->IsEnabled(); }));
        ClickWithMouse(steps);
        ASSERT_TRUE(WaitUntil([&] { return steps->GetValue(); }));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    }

    // The conversion window: plain text into the folder.
    void Convert(EditorDialogUi& window, const fs::path& folder) {
        auto* formats = FindControl<wxChoice>(&window, kTccFormat);
        ASSERT_TRUE(formats->SetStringSelection(wxString::FromUTF8(GetConverterName(kFormatPlainText))));
        wxCommandEvent choice(wxEVT_CHOICE, kTccFormat);
        choice.SetEventObject(formats);
        formats->HandleWindowEvent(choice);
        FindControl<wxTextCtrl>(&window, kTccOutputPath)->ChangeValue(wxString::FromUTF8(folder.string()));
        ASSERT_TRUE(PressButton(&window, wxID_OK));
    }

    ScratchFolder scratch;
    CApplicationKav project;
    WindowHost host;
};

}  // namespace

TEST_F(RunDialogsEndToEndTest, GenerateConvertAndSaveWriteWhatTheBatchProgramWrites) {
    const fs::path guiScripts = scratch.Path() / "gui";
    host.steps = [&](EditorDialogUi& window) { Generate(window); };
    CTCGDlg::Run(project, nullptr, nullptr, nullptr, MakeGenerationViews(host));
    const size_t generated = project.GetTestCases().size();
    ASSERT_GT(generated, 0u);

    host.steps = [&](EditorDialogUi& window) { Convert(window, guiScripts); };
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
