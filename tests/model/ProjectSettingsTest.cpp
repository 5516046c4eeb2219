#include <gtest/gtest.h>

#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/windows/PlainWindows.h"
#include "platform/UserFolders.h"

TEST(ProjectSettings, ANewProjectStartsWithTheDefaults) {
    SetUserFolders({"/u/Projects", "/u/HTML", "/u/Scripts", "/u/Logs"});
    CApplicationKav app;
    EXPECT_EQ(app.GetGuiId(), 999);
    EXPECT_EQ(app.GetOutputFormat(), 7);
    EXPECT_EQ(app.GetTimeout(), 20);
    EXPECT_EQ(app.GetOptimizeWait(), 1);
    EXPECT_EQ(app.GetWinRunnerVariables(), "help2, help3");
    EXPECT_EQ(app.GetScriptPath(), "/u/Scripts");
    EXPECT_EQ(app.GetHtmlPath(), "/u/HTML");
    for (int number : {app.GetKeyboard(), app.GetWebTest(), app.GetSaveDistributed(), app.GetOldTaskMode(),
                       app.IsModified()})
        EXPECT_EQ(number, 0);
    for (const std::string& text : {app.GetId(), app.GetMainWndId(), app.GetMasterProjectId(), app.GetName(),
                                    app.GetDescription(), app.GetRootPath(), app.GetExePath(), app.GetExeParams(),
                                    app.GetExeDir(), app.GetVornakPath()})
        EXPECT_EQ(text, "");
    EXPECT_EQ(app.GetStartWindow(), nullptr);
    EXPECT_EQ(app.GetRootTask(), nullptr);
    EXPECT_EQ(app.GetMasterFile(), nullptr);
}

TEST(ProjectSettings, CopySettingsTakesTextsAndNumbersButNoObjects) {
    CApplicationKav source;
    source.SetId("P1");
    source.SetMainWndId("W1");
    source.SetMasterProjectId("F1");
    source.SetModified(1);
    source.SetName("Shop");
    source.SetExeDir("/opt/shop");
    source.SetKeyboard(1);
    source.SetOldTaskMode(1);
    CTaskKav root("Root", kTaskFolder);
    CMainWinKav start({.id = "Main"});
    CFileKav master("Master");
    source.SetRootTask(&root);
    source.SetStartWindow(&start);
    source.SetMasterFile(&master);

    CApplicationKav copy;
    copy.SetRootTask(&root);
    copy.CopySettings(source);
    EXPECT_EQ(copy.GetId(), "P1");
    EXPECT_EQ(copy.GetMainWndId(), "W1");
    EXPECT_EQ(copy.GetMasterProjectId(), "F1");
    EXPECT_EQ(copy.IsModified(), 1);
    EXPECT_EQ(copy.GetName(), "Shop");
    EXPECT_EQ(copy.GetExeDir(), "/opt/shop");
    EXPECT_EQ(copy.GetKeyboard(), 1);
    EXPECT_EQ(copy.GetOldTaskMode(), 1);
    EXPECT_EQ(copy.GetRootTask(), nullptr);
    EXPECT_EQ(copy.GetStartWindow(), nullptr);
    EXPECT_EQ(copy.GetMasterFile(), nullptr);
}

TEST(ProjectSettings, OnlyTheTwoEsaFormatsAreEsa) {
    CApplicationKav app;
    for (int format = -1; format <= 16; ++format) {
        app.SetOutputFormat(format);
        EXPECT_EQ(app.IsEsaOutputFormat(), format == 3 || format == 14) << format;
    }
}

TEST(DisplayTexts, NameTheKnownCodesOnly) {
    EXPECT_EQ(GetLanguageName(0), "German");
    EXPECT_EQ(GetLanguageName(99), "None");
    EXPECT_EQ(GetLanguageName(2), "");
    EXPECT_EQ(GetTestCaseKindName(0), "Transition Test");
    EXPECT_EQ(GetTestCaseKindName(5), "Random Test");
    EXPECT_EQ(GetTestCaseKindName(1), "");
    EXPECT_EQ(GetTestCaseKindName(6), "");
    EXPECT_EQ(GetConverterName(11), "SMURF");
    EXPECT_EQ(GetConverterName(14), "XML for ESA EUD-ART");
    EXPECT_EQ(GetConverterName(15), "");
    EXPECT_EQ(GetConverterName(-1), "");
    EXPECT_EQ(GetWindowTypeName(0), "Main Window");
    EXPECT_EQ(GetWindowTypeName(21), "Image");
    EXPECT_EQ(GetWindowTypeName(22), "");
}

TEST(DisplayTexts, TestTypesAndLevelsReplaceTheListInOrder) {
    std::vector<std::string> list{"old"};
    CApplicationKav::FillTestTypeList(list);
    ASSERT_EQ(list.size(), 14u);
    EXPECT_EQ(list.front(), "API Test");
    EXPECT_EQ(list[11], "State-Based Test");
    EXPECT_EQ(list.back(), "Usability Test");
    CApplicationKav::FillTestLevelList(list);
    EXPECT_EQ(list, (std::vector<std::string>{"Unit Test", "Integration Test", "System Test", "Acceptance Test"}));
}
