// The controls of the conversion dialog over the driver's settings and handlers, as the driver
// runs them through the views the frame is given.
#include <gtest/gtest.h>

#include "conversion/framework/OutputFormats.h"
#include "editors/conversion/ConversionViews.h"
#include "editors/conversion/TPImportDlgControls.h"
#include "editors/conversion/TestcaseConverterDlgControls.h"
#include "model/DisplayTexts.h"
#include "platform/ToolRunner.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

namespace {

class ConversionDialogsTest : public ProjectTest {
protected:
    // Runs the conversion of the project with the session in its dialog; Cancel converts nothing.
    void Convert(const std::function<int(TestcaseConverterDlgControls&)>& session) {
        host.session = [&](EditorDialog& dialog) {
            return session(dynamic_cast<TestcaseConverterDlgControls&>(dialog));
        };
        CTestcaseConverterDlg driver;
        ShowConversionDialogsThrough(host, driver);
        driver.ConvertTestCases(nullptr, nullptr, false);
    }
    static void ChooseFormat(EditorDialog& dialog, int format) {
        dialog.SetText(kTccFormat, GetConverterName(format));
        dynamic_cast<TestcaseConverterDlgControls&>(dialog).OnSelchangeOutputFormat();
    }

    FakeEditorHost host;
};

}  // namespace

TEST_F(ConversionDialogsTest, TheFormatShowsItsOptionsAndProposesItsPath) {
    app.SetName("Demo");
    app.SetOutputFormat(kFormatPlainText);
    Convert([&](TestcaseConverterDlgControls& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Test Case Conversion - Project Demo");
        EXPECT_EQ(dialog.Control(kTccFormat).items.size(), 13u);
        EXPECT_EQ(dialog.GetText(kTccFormat), GetConverterName(kFormatPlainText));
        EXPECT_TRUE(dialog.IsChecked(kTccScopeProject));
        EXPECT_FALSE(dialog.IsEnabled(kTccScopeElement));
        EXPECT_FALSE(dialog.IsShown(kTccOptionsGroup));

        ChooseFormat(dialog, kFormatUft);
        EXPECT_EQ(dialog.GetText(kTccOptionsGroup), "UFT Options");
        for (int id : {kTccOptionsGroup, kTccShowUft, kTccLeaveUftOpen}) EXPECT_TRUE(dialog.IsShown(id)) << id;
        for (int id : {kTccTimeout, kTccOptimizeWait, kTccKeyboard, kTccExtraVariables, kTccTimeoutLabel})
            EXPECT_FALSE(dialog.IsShown(id)) << id;

        dialog.SetText(kTccOutputPath, "/typed");
        ChooseFormat(dialog, kFormatWinRunner);
        EXPECT_EQ(dialog.GetText(kTccOptionsGroup), "WinRunner Options");
        EXPECT_FALSE(dialog.IsShown(kTccShowUft));
        EXPECT_TRUE(dialog.IsShown(kTccTimeout));
        EXPECT_NE(dialog.GetText(kTccOutputPath), "/typed");

        // The web test and the UFT window.
        EXPECT_FALSE(dialog.IsEnabled(kTccStartPage));
        dialog.SetChecked(kTccWebTest, true);
        dialog.OnWebTest();
        EXPECT_TRUE(dialog.IsEnabled(kTccStartPage));
        for (int id : {kTccRootFolder, kTccBrowseRoot, kTccExePath, kTccBrowseExe, kTccParameters, kTccWorkingFolder,
                       kTccBrowseWorking})
            EXPECT_FALSE(dialog.IsEnabled(id)) << id;
        dialog.SetChecked(kTccShowUft, false);
        dialog.SetChecked(kTccLeaveUftOpen, true);
        dialog.OnShowUftWindow();
        EXPECT_FALSE(dialog.IsChecked(kTccLeaveUftOpen));
        EXPECT_FALSE(dialog.IsEnabled(kTccLeaveUftOpen));
        return kIdCancel;
    });
}

TEST_F(ConversionDialogsTest, OKTakesTheTimeOutAsTypedWhereTheToolWaitsForWindows) {
    const Refused refused{"Please enter a time-out between 0 and 3600! [W0278]", "Invalid Time-Out", kTccTimeout};
    struct Case {
        int format;
        const char* typed;
        Refused refused;
    };
    const Case cases[] = {{kFormatUft, "3601", refused}, {kFormatSilkTest, "-1", refused},
                          {kFormatWinRunner, "12x", refused}, {kFormatRanorex, " 3600 ", {}},
                          {kFormatPlainText, "5000", {}}};
    for (const Case& c : cases) {
        Convert([&](TestcaseConverterDlgControls& dialog) {
            ChooseFormat(dialog, c.format);
            dialog.SetText(kTccTimeout, c.typed);
            EXPECT_EQ(Attempt(dialog, [&] { return dialog.OnOK(); }), c.refused) << c.format << " " << c.typed;
            return kIdCancel;
        });
    }
}

TEST_F(ConversionDialogsTest, TheChosenSettingsReachTheProject) {
    TestInteraction().paths = {std::string("/opt/app")};
    Convert([&](TestcaseConverterDlgControls& dialog) {
        ChooseFormat(dialog, kFormatWinRunner);
        dialog.SetText(kTccTimeout, "42");
        dialog.SetText(kTccKeyboard, "US");
        dialog.SetChecked(kTccOptimizeWait, true);
        dialog.SetText(kTccExtraVariables, "x=1");
        dialog.OnBrowseRootDir();
        EXPECT_EQ(dialog.GetText(kTccRootFolder), "/opt/app/");
        return dialog.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(app.GetTimeout(), 42);
    EXPECT_EQ(app.GetKeyboard(), 1);
    EXPECT_EQ(app.GetOptimizeWait(), 1);
    EXPECT_EQ(app.GetWinRunnerVariables(), "x=1");
    EXPECT_EQ(app.GetRootPath(), "/opt/app/");
}

namespace {

// A TestPartner converter that converts every test case it is given.
class StubTestPartnerConverter : public CTestcaseConverter {
public:
    int Convert(TestCaseList& list, std::string, int& count, std::string& path) override {
        count = static_cast<int>(list.size());
        path = GetProjectFolder().string();
        return 1;
    }
};

}  // namespace

TEST_F(ConversionDialogsTest, ATestPartnerConversionOpensTheImportWhoseFinishRunsTheTools) {
    ScratchFolder scratch;
    app.SetName("Shop");
    app.SetScriptPath(scratch.Path().string());
    CTaskKav* root = project.AddTask("Root", nullptr, kTaskFolder);
    app.SetRootTask(root);
    project.AddTestCase(1, 2, project.AddTask("Login", root));
    auto owned = std::make_unique<RecordingToolRunner>();
    RecordingToolRunner& runner = *owned;
    InstallToolRunner(std::move(owned));

    host.session = [&](EditorDialog& dialog) {
        if (dynamic_cast<TestcaseConverterDlgControls*>(&dialog)) {
            ChooseFormat(dialog, kFormatTestPartner);
            return dialog.OnOK() ? kIdOk : kIdCancel;
        }
        auto& import = dynamic_cast<TPImportDlgControls&>(dialog);
        EXPECT_EQ(import.GetTitle(), "Interface to TestPartner Database");
        EXPECT_EQ(import.GetText(kIdOk), "Finish");
        EXPECT_EQ(import.GetText(kTpReportPath), (scratch.Path() / "Shop" / "Shop_IMPORTLOG.txt").string());
        for (int id :
             std::initializer_list<int>{kTpUser, kTpUserLabel, kTpRun, kTpWriteReport, kTpReportPath, kTpBrowse})
            EXPECT_FALSE(import.IsEnabled(id)) << id;
        import.SetChecked(kTpImport, true);
        import.OnImportOrReport();
        EXPECT_TRUE(import.IsEnabled(kTpUser));
        EXPECT_TRUE(import.IsEnabled(kTpRun));
        EXPECT_FALSE(import.IsEnabled(kTpReportPath));
        import.SetChecked(kTpWriteReport, true);
        import.OnImportOrReport();
        EXPECT_TRUE(import.IsEnabled(kTpBrowse));
        import.SetText(kTpUser, "U");
        return import.OnOK() ? kIdOk : kIdCancel;
    };
    const ConverterTable table = {{{kFormatTestPartner}, ConversionRoad::PerPackage, [](const ConverterSettings&) {
                                       return std::make_unique<StubTestPartnerConverter>();
                                   }}};
    CTestcaseConverterDlg driver(table);
    ShowConversionDialogsThrough(host, driver);
    EXPECT_EQ(driver.ConvertTestCases(nullptr, nullptr, false), 1);
    ASSERT_EQ(runner.commands.size(), 1u);
    EXPECT_EQ(runner.commands[0].program, "tpimport");
    EXPECT_EQ(runner.commands[0].arguments[1], "U");
    EXPECT_EQ(runner.commands[0].arguments[9], (scratch.Path() / "Shop").string());
    EXPECT_EQ(runner.commands[0].outputFile, (scratch.Path() / "Shop" / "Shop_IMPORTLOG.txt").string());
}
