// The conversion dialog's rules: the formats it offers, the options each shows, the web test,
// the UFT window, the time-out check and the pickers; and the TestPartner import after a run.
#include <gtest/gtest.h>

#include "ConversionFixture.h"
#include "conversion/framework/OutputFormats.h"
#include "model/DisplayTexts.h"
#include "model/ShellServices.h"
#include "platform/MessageBuffer.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kOptionControls[] = {kTccOptionsGroup, kTccTimeout,       kTccOptimizeWait,   kTccKeyboard,
                                   kTccExtraVariables, kTccKeyboardLabel, kTccTimeoutLabel, kTccExtraVariablesLabel,
                                   kTccShowUft,      kTccLeaveUftOpen};

class ConverterDialogTest : public ConversionTest {
protected:
    // The dialog as the driver opens it for the whole project.
    void Open(int format) {
        dialog.Settings().scopeTitle = "Project Demo";
        dialog.Settings().wholeProject = 1;
        dialog.Settings().outputFormat = format;
        dialog.OnInitDialog();
    }
    std::vector<int> Shown() const {
        std::vector<int> shown;
        for (int id : kOptionControls)
            if (dialog.IsControlShown(id)) shown.push_back(id);
        return shown;
    }

    CTestcaseConverterDlg dialog;
};

}  // namespace

TEST_F(ConverterDialogTest, TheFormatsAreNamedAndEachShowsItsOwnOptions) {
    std::vector<std::string> names;
    for (int format : CTestcaseConverterDlg::DialogFormats())
        names.push_back(CTestcaseConverterDlg::FormatName(format));
    EXPECT_EQ(names.size(), 13u) << "1 to 14 but 11";
    EXPECT_EQ(names[4], GetConverterName(5));
    EXPECT_EQ(CTestcaseConverterDlg::FormatOfName(GetConverterName(13)), 13);
    EXPECT_EQ(CTestcaseConverterDlg::FormatOfName(""), 0);
    EXPECT_EQ(CTestcaseConverterDlg::KeyboardOfName("US"), 1);

    struct Case {
        int format;
        std::string title;
        std::vector<int> shown;
    };
    const Case cases[] = {
        {7, "UFT Options", {kTccOptionsGroup, kTccShowUft, kTccLeaveUftOpen}},
        {8, "WinRunner Options",
         {kTccOptionsGroup, kTccTimeout, kTccOptimizeWait, kTccKeyboard, kTccExtraVariables, kTccKeyboardLabel,
          kTccTimeoutLabel, kTccExtraVariablesLabel}},
        {2, "WinRunner Options", {}},  // another format leaves the group's title
    };
    Open(1);
    EXPECT_EQ(dialog.GetDialogTitle(), "Test Case Conversion - Project Demo");
    EXPECT_FALSE(dialog.IsControlEnabled(kTccScopeElement)) << "a whole-project run cannot be narrowed";
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(dialog.GetOptionsTitle(), "Tool-specific Options");
    for (const Case& c : cases) {
        dialog.Settings().outputFormat = c.format;
        dialog.Settings().outputPath = "typed";
        dialog.OnSelchangeOutputFormat();
        EXPECT_EQ(dialog.GetOptionsTitle(), c.title);
        EXPECT_EQ(Shown(), c.shown) << c.format;
        EXPECT_EQ(dialog.Settings().outputPath, dialog.GetDefaultOutputPath()) << "the typed path is replaced";
    }
}

TEST_F(ConverterDialogTest, AWebTestTakesTheStartPageInPlaceOfTheApplicationsStartOptions) {
    const int applicationStart[] = {kTccRootFolder, kTccBrowseRoot,   kTccExePath,      kTccBrowseExe,
                                    kTccParameters, kTccWorkingFolder, kTccBrowseWorking};
    Open(2);
    EXPECT_FALSE(dialog.IsControlEnabled(kTccStartPage));
    for (bool web : {true, false}) {
        dialog.Settings().webTest = web;
        dialog.OnWebTest();
        EXPECT_EQ(dialog.IsControlEnabled(kTccStartPage), web);
        for (int id : applicationStart) EXPECT_EQ(dialog.IsControlEnabled(id), !web) << id;
    }

    // The UFT window: at the start 1479 is enabled whatever 1478 holds; clearing 1478 clears it.
    EXPECT_TRUE(dialog.IsControlEnabled(kTccLeaveUftOpen));
    dialog.Settings().leaveUftOpen = 1;
    dialog.OnShowUftWindow();
    EXPECT_EQ(dialog.Settings().leaveUftOpen, 0);
    EXPECT_FALSE(dialog.IsControlEnabled(kTccLeaveUftOpen));
    dialog.Settings().showUft = 1;
    dialog.OnShowUftWindow();
    EXPECT_TRUE(dialog.IsControlEnabled(kTccLeaveUftOpen));
}

TEST_F(ConverterDialogTest, TheToolsThatWaitForWindowsNeedATimeOutUpToAnHour) {
    const DialogCheckFailure refused{44278, "Invalid Time-Out", kTccTimeout};
    struct Case {
        int format;
        std::optional<int> typed;
        bool accepted;
    };
    std::vector<Case> cases;
    for (int format : {1, 5, 7, 8, 10}) {
        cases.push_back({format, 3601, false});
        cases.push_back({format, -1, false});
        cases.push_back({format, std::nullopt, false});
        cases.push_back({format, 3600, true});
        cases.push_back({format, 0, true});
    }
    cases.push_back({2, 5000, true});
    cases.push_back({9, -1, true});
    for (const Case& c : cases) {
        Open(c.format);
        dialog.Settings().timeout = 7;
        const std::optional<DialogCheckFailure> failure = dialog.OnOK(c.typed);
        EXPECT_EQ(failure, c.accepted ? std::nullopt : std::optional(refused))
            << c.format << " " << c.typed.value_or(-99);
        if (c.accepted) {
            EXPECT_EQ(dialog.Settings().timeout, *c.typed);
        }
    }
    Open(2);
    dialog.Settings().timeout = 7;
    EXPECT_EQ(dialog.OnOK(std::nullopt), std::nullopt) << "a format without time-out ignores the text";
    EXPECT_EQ(dialog.Settings().timeout, 7);
    EXPECT_EQ(LoadMessage(44278), "Please enter a time-out between 0 and 3600! [W0278]");
}

TEST_F(ConverterDialogTest, ThePickersTakePathsRelativeToTheRootFolderWhenBelowIt) {
    Open(2);
    ScriptedInteraction& answers = TestInteraction();
    ConversionSettings& settings = dialog.Settings();

    answers.paths = {std::string("/opt/app")};
    dialog.OnBrowseRootDir();
    EXPECT_EQ(settings.rootFolder, "/opt/app/");
    EXPECT_EQ(answers.pathRequests.back().title, "Select a Root Directory");
    EXPECT_EQ(answers.pathRequests.back().kind, FileDialogRequest::Kind::Folder);
    answers.paths = {std::string(), std::string()};  // no path came back: nothing changes
    dialog.OnBrowseRootDir();
    dialog.OnBrowseExecutable();
    EXPECT_EQ(settings.rootFolder, "/opt/app/");
    EXPECT_EQ(settings.exePath, "");
    EXPECT_TRUE(answers.messages.empty());

    struct Case {
        std::string root;
        std::string chosen;
        std::string exePath;
        std::string workingFolder;  // after a pick with an empty working folder
        std::string warning;
    };
    const std::string outside =
        "The selected file is not located below the root directory.\nThe generated path may be invalid! [W0872]";
    const Case cases[] = {
        {"/opt/app/", "/opt/app/bin/run", "bin/run", "bin/", ""},
        {"/opt/app", "/opt/app/bin/run", "/bin/run", "/bin/", ""},
        {"/opt/app/", "/srv/run", "/srv/run", "/srv/", outside},
        {"/opt/app", "/opt/application/run", "/opt/application/run", "/opt/application/", outside},
        {"", "/srv/run", "/srv/run", "/srv/", ""},
    };
    for (const Case& c : cases) {
        settings.rootFolder = c.root;
        settings.workingFolder.clear();
        answers.messages.clear();
        answers.paths = {c.chosen};
        dialog.OnBrowseExecutable();
        EXPECT_EQ(settings.exePath, c.exePath) << c.root << " " << c.chosen;
        EXPECT_EQ(settings.workingFolder, c.workingFolder) << c.chosen;
        EXPECT_EQ(answers.Texts(), c.warning.empty() ? std::vector<std::string>{} : std::vector{c.warning});
        if (!c.warning.empty()) {
            EXPECT_EQ(answers.messages[0].caption, "Warning");
        }
    }
    EXPECT_EQ(answers.pathRequests.back().title, "Select Application\u00B4s Executable");

    settings.rootFolder = "/opt/app/";
    settings.workingFolder = "data";
    answers.paths = {std::nullopt};  // Cancel changes nothing
    dialog.OnBrowseExecutable();
    EXPECT_EQ(settings.exePath, "/srv/run");
    answers.paths = {std::string("/opt/app/bin/run")};
    dialog.OnBrowseExecutable();
    EXPECT_EQ(settings.workingFolder, "data") << "a working folder is kept";

    answers.messages.clear();
    answers.paths = {std::string("/opt/app/work/"), std::string("/tmp/work")};
    dialog.OnBrowseWorkingDir();
    EXPECT_EQ(settings.workingFolder, "work");
    EXPECT_EQ(answers.pathRequests.back().initialPath, "/opt/app/data");
    dialog.OnBrowseWorkingDir();
    EXPECT_EQ(settings.workingFolder, "/tmp/work");
    EXPECT_EQ(answers.Texts(), std::vector<std::string>{"The selected folder is not located below the root "
                                                        "directory.\nThe generated path may be invalid! [W0873]"});

    answers.paths = {std::string("/home/u/scripts/")};
    dialog.OnBrowseScriptDir();
    EXPECT_EQ(settings.outputPath, "/home/u/scripts");
    EXPECT_EQ(answers.pathRequests.back().title, "Select a Test Script Directory");
    settings.outputFormat = 4;
    answers.paths = {std::string("/home/u/vornak.xml")};
    dialog.OnBrowseScriptDir();
    EXPECT_EQ(settings.outputPath, "/home/u/vornak.xml");
    EXPECT_EQ(answers.pathRequests.back().title, "Select Target File");
    EXPECT_EQ(answers.pathRequests.back().filter, "XML files (*.xml) |*.xml|All files (*.*)|*.*||");
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

TEST_F(ConverterDialogTest, ATestPartnerConversionThatConvertedSomethingOffersTheImport) {
    app.SetOutputFormat(kFormatTestPartner);
    app.SetScriptPath(Scripts().string());
    const ConverterTable table = {{{kFormatTestPartner}, ConversionRoad::PerPackage, [](const ConverterSettings&) {
                                       return std::make_unique<StubTestPartnerConverter>();
                                   }}};
    std::vector<std::string> imports;
    int importResult = 1;
    auto convert = [&] {
        CTestcaseConverterDlg driver(table);
        driver.showTPImport = [&](const std::string& project, const std::string& folder) {
            imports.push_back(project + " " + folder);
            SetGlobalMessage("Could not find TPImport.exe.");
            return importResult;
        };
        return driver.ConvertTestCases(nullptr, nullptr, false);
    };

    EXPECT_EQ(convert(), 1);
    EXPECT_TRUE(imports.empty()) << "nothing converted, nothing to import";

    AddTaskTestCase(project.AddTask("Login", root_), 1);
    EXPECT_EQ(convert(), 1);
    EXPECT_EQ(imports, std::vector<std::string>{"Demo " + ProjectFolder().string()});
    TestInteraction().messages.clear();
    importResult = 0;
    convert();
    ASSERT_EQ(TestInteraction().messages.size(), 2u);  // the count, then the import's failure
    EXPECT_EQ(TestInteraction().messages[1].text, "Could not find TPImport.exe.");
    EXPECT_EQ(TestInteraction().messages[1].caption, "TestPartner Export Failed");
    EXPECT_EQ(TestInteraction().messages[1].icon, MessageIcon::Warning);
}
