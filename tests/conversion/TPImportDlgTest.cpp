// The TestPartner import dialog: its settings, its enabling, and the tools Finish runs, with a
// runner that records them.
#include <gtest/gtest.h>

#include "conversion/testpartner/TPImportDlg.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "platform/ToolRunner.h"
#include "tests/support/GlobalState.h"

namespace {

const std::vector<std::string> kSettings = {"TPTCC_DoAutoImport", "TPTCC_DoAutoRun", "TPTCC_WriteReport", "TPTCC_User",
                                            "TPTCC_Pw",           "TPTCC_Db",        "TPTCC_ReportPath"};

std::string Stored(const std::string& name) {
    return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name);
}

class TPImportDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto owned = std::make_unique<RecordingToolRunner>();
        runner = owned.get();
        InstallToolRunner(std::move(owned));
    }
    // Runs the dialog with the choices changed as the user does, then Finish.
    int Finish(const std::function<void(TPImportChoices&)>& choose) {
        return CTPImportDlg::Run("Shop", "/scripts/Shop", [&](CTPImportDlg& dialog) {
            choose(dialog.Choices());
            dialog.OnFinish();
            return true;
        });
    }
    static void Login(TPImportChoices& choices) {
        choices.import = true;
        choices.user = "U";
        choices.password = "P\"; rm -rf ~; \"";
        choices.database = "D";
    }

    RecordingToolRunner* runner = nullptr;
};

}  // namespace

TEST_F(TPImportDlgTest, OpensWithTheStoredSettingsOrTheDefaultsAndEnablesByImportAndReport) {
    CTPImportDlg dialog("Shop", "/scripts/Shop");
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.Choices(), (TPImportChoices{false, false, false, "", "", "", "/scripts/Shop/Shop_IMPORTLOG.txt"}));
    EXPECT_EQ(CTPImportDlg("Shop", "/scripts/Shop/").DefaultReportPath(), "/scripts/Shop/Shop_IMPORTLOG.txt");

    struct Case {
        bool import, report, login, reportPath;
    };
    const Case cases[] = {{false, false, false, false}, {false, true, false, false}, {true, false, true, false},
                          {true, true, true, true}};
    for (const Case& c : cases) {
        dialog.Choices().import = c.import;
        dialog.Choices().report = c.report;
        EXPECT_EQ(dialog.IsImportEnabled(), c.login);
        EXPECT_EQ(dialog.IsReportPathEnabled(), c.reportPath);
    }
}

TEST_F(TPImportDlgTest, FinishImportsWithEachValueOneArgumentThenRunsTheMainScript) {
    EXPECT_EQ(Finish([](TPImportChoices& choices) {
                  Login(choices);
                  choices.report = true;
                  choices.reportPath = "";
                  choices.run = true;
              }),
              1);
    const std::string password = "P\"; rm -rf ~; \"";
    const std::vector<ToolCommand> expected = {
        {"tpimport",
         {"-u", "U", "-p", password, "-d", "D", "-mt", "sf", "-mn", "/scripts/Shop", "-prj", "Shop", "-parc", "a",
          "-ex"},
         "/scripts/Shop/Shop_IMPORTLOG.txt"},
        {"tp", {"-u", "U", "-p", password, "-d", "D", "-r", "Shop", "-s", "Shop_MAIN"}, ""}};
    EXPECT_EQ(runner->commands, expected);

    // What was typed comes back at the next conversion, the password included.
    CTPImportDlg next("Shop", "/scripts/Shop");
    next.OnInitDialog();
    EXPECT_EQ(next.Choices(),
              (TPImportChoices{true, true, true, "U", password, "D", "/scripts/Shop/Shop_IMPORTLOG.txt"}));

    runner->commands.clear();
    runner->exitCode = 5;  // any exit code of the tools is taken
    EXPECT_EQ(Finish([](TPImportChoices& choices) { choices.report = false; }), 1);
    ASSERT_EQ(runner->commands.size(), 2u);
    EXPECT_EQ(runner->commands[0].outputFile, "") << "without the report the output is not kept";
}

TEST_F(TPImportDlgTest, AnImportToolThatCannotStartStoresNothingAndRunsNothingElse) {
    runner->unstartable = {"tpimport"};
    EXPECT_EQ(Finish([](TPImportChoices& choices) {
                  Login(choices);
                  choices.run = true;
              }),
              0);
    EXPECT_EQ(GetGlobalMessageBuffer(),
              "Could not find TPImport.exe. TestPartner must be properly installed before importing test scripts! "
              "[W1053]");
    EXPECT_EQ(runner->commands.size(), 1u);
    for (const std::string& name : kSettings) EXPECT_EQ(Stored(name), "") << name;
}

TEST_F(TPImportDlgTest, WithoutTheImportFinishRunsNothingButStoresTheSettingsAndCancelNeither) {
    EXPECT_EQ(Finish([](TPImportChoices& choices) {
                  choices.run = true;
                  choices.user = "U";
              }),
              1);
    EXPECT_TRUE(runner->commands.empty());
    const std::vector<std::string> stored = {"0", "1", "0", "U", "", "", "/scripts/Shop/Shop_IMPORTLOG.txt"};
    for (size_t i = 0; i < kSettings.size(); ++i) EXPECT_EQ(Stored(kSettings[i]), stored[i]) << kSettings[i];

    EXPECT_EQ(CTPImportDlg::Run("Shop", "/scripts/Shop",
                                [](CTPImportDlg& dialog) {
                                    dialog.Choices().user = "cancelled";
                                    return false;
                                }),
              1);
    EXPECT_EQ(Stored("TPTCC_User"), "U");
}

TEST_F(TPImportDlgTest, BrowseProposesTheReportFileAndTakesTheChosenPath) {
    CTPImportDlg dialog("Shop", "/scripts/Shop");
    dialog.OnInitDialog();
    dialog.Choices().reportPath = "/logs/";
    TestInteraction().paths = {std::string("/logs/import.txt"), std::nullopt};
    dialog.OnBrowse();
    EXPECT_EQ(dialog.Choices().reportPath, "/logs/import.txt");
    dialog.OnBrowse();
    EXPECT_EQ(dialog.Choices().reportPath, "/logs/import.txt");
    ASSERT_EQ(TestInteraction().pathRequests.size(), 2u);
    EXPECT_EQ(TestInteraction().pathRequests[0].initialPath, "/logs/Shop_IMPORTLOG.txt");
    EXPECT_EQ(TestInteraction().pathRequests[0].title, "Select a Report File Directory");
    EXPECT_EQ(TestInteraction().pathRequests[1].initialPath, "/logs/import.txt");
}
