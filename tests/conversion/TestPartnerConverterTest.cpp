// The TestPartner converter: asset files in UTF-16 with a Base64 script per test case, the test
// suite with the custom functions and the main script, and what a run reports.
#include <gtest/gtest.h>

#include <fstream>

#include "ConversionFixture.h"
#include "SilkTestWindows.h"
#include "XmlLint.h"
#include "conversion/framework/OutputFormats.h"
#include "conversion/testpartner/TestPartnerTCC.h"
#include "model/Win32Styles.h"
#include "platform/InstallationData.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "platform/TextUtil.h"
#include "tests/support/Refusal.h"

namespace {

constexpr int kWeb = 995;

// One script or shared module of an asset file, its Base64 text decoded.
struct Asset {
    std::string kind;
    std::string name;
    std::string text;
    bool operator==(const Asset&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Asset& asset) {
    return out << asset.kind << " " << asset.name << ":\n" << asset.text;
}

std::string DecodeBase64(const std::string& encoded) {
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string bytes;
    unsigned bits = 0;
    int count = 0;
    for (const char c : encoded) {
        const size_t value = alphabet.find(c);
        if (value == std::string::npos) continue;
        bits = bits << 6 | static_cast<unsigned>(value);
        if ((count += 6) >= 8) bytes += static_cast<char>(bits >> (count -= 8) & 0xFF);
    }
    std::u16string units;
    for (size_t at = 0; at + 1 < bytes.size(); at += 2)
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
    return Utf16ToUtf8(units);
}

std::string Between(const std::string& text, const std::string& begin, const std::string& end, size_t from = 0) {
    const size_t start = text.find(begin, from);
    if (start == std::string::npos) return {};
    return text.substr(start + begin.size(), text.find(end, start + begin.size()) - start - begin.size());
}

class TestPartnerConverterTest : public ConversionTest {
protected:
    void SetUp() override {
        ConversionTest::SetUp();
        InstallFixedClock();
        app.SetName("My Proj");
        app.SetKeyboard(1);
        login_ = AddSpecWindow(project, "Login", nullptr,
                               {.type = kWndDialogBox, .caption = "Log in", .style = win32::WS_CAPTION});
        ok_ = AddSpecWindow(project, "OK", login_, {.caption = "OK"});
        name_ = AddSpecWindow(project, "Name", login_, {.type = kWndInputField, .numId = 1001});
        sub_ = AddSpecWindow(project, "Sub", login_,
                             {.type = kWndDialogBox, .caption = "Sub", .numId = 5, .style = win32::WS_CAPTION});
        GenerateTestPartnerTags(*login_, 0);
        task_ = project.AddTask("SignIn", root_);
    }

    std::filesystem::path Folder() const { return Scripts() / "My Proj"; }

    CTestStep* AddEventStep(CTestCase* testCase, const std::string& name, CWindowKav* window, const std::string& event,
                            const std::string& comment = {}, int delay = 0) {
        CTestStep* step = AddStep(testCase, name, window);
        step->SetEvent(event);
        step->SetComment(comment);
        step->SetDelay(delay);
        return step;
    }

    // The assets of the file in order.
    static std::vector<Asset> Assets(const std::filesystem::path& file) {
        const std::string text = ReadUtf16(file);
        std::vector<Asset> assets;
        for (size_t at = 0; (at = text.find(" Name=\"", at)) != std::string::npos; ++at) {
            const size_t open = text.rfind('<', at);
            assets.push_back({text.substr(open + 1, at - open - 1), Between(text, " Name=\"", "\"", open),
                              DecodeBase64(Between(text, "Encoding=\"Base64\">", "</Text>", at))});
        }
        return assets;
    }

    // The script's text from its steps on: the lines after the header.
    static std::string Steps(const std::string& script) {
        const std::string begin = "\t'-- Execute Testcase --\n";
        const size_t start = script.find(begin);
        return start == std::string::npos ? "no steps in " + script : script.substr(start + begin.size());
    }

    CWindowKav* login_ = nullptr;
    CWindowKav* ok_ = nullptr;
    CWindowKav* name_ = nullptr;
    CWindowKav* sub_ = nullptr;
    CTaskKav* task_ = nullptr;
};

TEST_F(TestPartnerConverterTest, EachPackageIsAnAssetFileAndTheSuiteRunsEveryScript) {
    CTestCase* first = AddTaskTestCase(task_, 1, 0);
    AddEventStep(first, "Press", ok_, "Click", "wait", 500);
    AddEventStep(first, "Enter", name_, "Input(\"ann\")", "Type the\r\nname");
    AddStep(first, "Own code", nullptr)->SetCommands("Foo <enter>\r\nBar");
    AddStep(first, "Nothing", name_);
    AddEventStep(first, "Again", ok_, "Click");
    AddEventStep(AddTaskTestCase(task_, 2, 0), "Press", ok_, "Click");
    app.SetExePath("C:\\App\\app.exe");
    ConvertInBatch(kFormatTestPartner);
    ASSERT_EQ(TestInteraction().Texts(), std::vector<std::string>{});

    EXPECT_EQ(FilesBelow(Folder()), (std::vector<std::string>{"SignIn.xml", "TESTSUITE.xml"}));
    const std::string header = "Sub Main()\n \n \n'Converted by KAVRO on 17.05.2024 at 09:30:00\n \n "
                               "\t'-- Include KAVRO Custom VB Functions --\n\tInclude \"My_Proj_INCLUDES\"\n \n"
                               "\t'-- Start new instance of the application under test --\n"
                               "\tShell \"C:\\App\\app.exe\", vbNormalFocus\n \n \t'-- Execute Testcase --\n";
    const std::string attachLogin = "\n\tWindow(\"Caption='Log in'\").Attach\n";
    const std::string trailer = "\n \nEnd Sub\n \n \n";
    EXPECT_EQ(Assets(Folder() / "SignIn.xml"),
              (std::vector<Asset>{
                  {"Script", "SignIn_001",
                   header + attachLogin +
                       "\t\tButton(\"Caption='OK'\").Click\t\t' wait\n"
                       "\t\tPause 500, tpPauseMilliSeconds\t\t' Delay of wait\n"
                       "\t\tEditBox(\"ID='1001'\").SetText \"ann\"\t\t' Type the name\n"
                       "\t\t'-- BEGIN User-defined code -----------\n \tFoo {Enter}\n \t \tBar\n"
                       " \t \t'-- END User-defined code -------------\n\t\t' \n"
                       "\t\tButton(\"Caption='OK'\").Click\t\t' \n" +
                       trailer},
                  {"Script", "SignIn_002", header + attachLogin + "\t\tButton(\"Caption='OK'\").Click\t\t' \n" + trailer},
              }));

    std::ifstream functionsFile(GetInstallationDataFile("TpIncludes.vb"), std::ios::binary);
    const std::string functions{std::istreambuf_iterator<char>(functionsFile), {}};
    ASSERT_FALSE(functions.empty());
    EXPECT_EQ(Assets(Folder() / "TESTSUITE.xml"),
              (std::vector<Asset>{
                  {"SharedModule", "My_Proj_INCLUDES", functions},
                  {"Script", "My_Proj_MAIN",
                   "Sub Main ()\n \n\t'-- Include KAVRO Custom VB Functions --\n\tInclude \"My_Proj_INCLUDES\"\n \n"
                   "\t'-- Execute Testscripts --\n\tRun \"SignIn_001\"\n\tRun \"SignIn_002\"\n\n \nEnd Sub"},
              }));

    for (const char* file : {"SignIn.xml", "TESTSUITE.xml"}) {
        const std::string bytes = ReadBytes(Folder() / file);
        EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE") << file;
        const std::string text = ReadUtf16(Folder() / file);
        EXPECT_TRUE(text.starts_with("<?xml version=\"1.0\" encoding=\"Unicode\"?>\n<TestPartnerAssets version=\"6.1.0.251\" "
                                     "xmlns:dt=\"urn:schemas-microsoft-com:datatypes\">\n<Projects>\n"
                                     "<Project ProjectName=\"My Proj\">\n"))
            << text;
        EXPECT_EQ(text.find("\r\n"), std::string::npos) << file;
        EXPECT_TRUE(text.ends_with("</Project>\n</Projects>\n</TestPartnerAssets>\n")) << file;
        EXPECT_TRUE(PassesXmlLint(Folder() / file));
    }
    const std::string package = ReadUtf16(Folder() / "SignIn.xml");
    EXPECT_NE(package.find("<Script Name=\"SignIn_001\" ActiveVersion=\"1\" Version=\"1\">\n<CTPObject>\n"
                           "<CreatorName dt:dt=\"string\" xml:space=\"preserve\">KAVRO-Converter</CreatorName>\n"
                           "<CreationDate dt:dt=\"string\" xml:space=\"preserve\">2024-05-17T09:30:00</CreationDate>\n"
                           "<LastModifierName dt:dt=\"string\" xml:space=\"preserve\">KAVRO-Converter</LastModifierName>\n"
                           "<LastModifiedDate dt:dt=\"string\" xml:space=\"preserve\">2024-05-17T09:30:00</LastModifiedDate>\n"
                           "<Type dt:dt=\"i4\">3</Type>\n"
                           "<ProjectName dt:dt=\"string\" xml:space=\"preserve\">My Proj</ProjectName>\n"
                           "<Flags dt:dt=\"i4\">2</Flags>\n<CreatedBySchema dt:dt=\"i4\">84</CreatedBySchema>\n"
                           "<Description dt:dt=\"string\"/>\n</CTPObject>\n<CTPScript>\n<ScriptParams>\n"
                           "<InputParameterCount dt:dt=\"ui4\">0</InputParameterCount>\n"
                           "<OutputParameterCount dt:dt=\"ui4\">0</OutputParameterCount>\n</ScriptParams>\n"
                           "<Text dt:dt=\"string\" Encoding=\"Base64\">"),
              std::string::npos)
        << package;
    EXPECT_NE(package.find("</Text>\n<References dt:dt=\"string\" xml:space=\"preserve\"/>\n</CTPScript>\n</Script>\n"),
              std::string::npos);
    EXPECT_NE(ReadUtf16(Folder() / "TESTSUITE.xml").find("</SharedModule>\n</SharedModules>\n<Scripts>\n<Script "),
              std::string::npos);
    ExpectOutsideReaderAccepts("testpartner_assets.py", Folder());
}

// A window's statements run after the attach statements of its captioned window; they are
// written again only when the captioned window changes.
TEST_F(TestPartnerConverterTest, StepsInOneWindowShareItsAttachStatements) {
    CWindowKav* browser = AddSpecWindow(project, "Shop", nullptr,
                                        {.type = kWndCustom, .caption = "Shop", .guiId = kWeb, .className = "html_frame",
                                         .style = win32::WS_CAPTION});
    CWindowKav* frame = AddSpecWindow(project, "Cart", browser,
                                      {.type = kWndCustom, .caption = "Cart", .guiId = kWeb, .className = "html_frame",
                                       .style = win32::WS_CAPTION});
    CWindowKav* pay = AddSpecWindow(project, "Pay", frame, {.caption = "Pay", .guiId = kWeb});
    GenerateTestPartnerTags(*browser, 0);
    CTestCase* testCase = AddTaskTestCase(task_, 1, 0);
    AddEventStep(testCase, "Press", ok_, "Click");
    AddStep(testCase, "Code", ok_)->SetCommands("Beep");
    AddEventStep(testCase, "Enter", name_, "Type(\"x\")");
    AddEventStep(testCase, "Sub", sub_, "Close");
    AddEventStep(testCase, "Pay", pay, "Click");
    AddEventStep(testCase, "Back", ok_, "Click");
    ConvertInBatch(kFormatTestPartner);

    const std::vector<Asset> assets = Assets(Folder() / "SignIn.xml");
    ASSERT_EQ(assets.size(), 1u);
    EXPECT_EQ(Steps(assets[0].text),
              "\n\tWindow(\"Caption='Log in'\").Attach\n"
              "\t\tButton(\"Caption='OK'\").Click\t\t' \n"
              "\t\t'-- BEGIN User-defined code -----------\n \tBeep\n \t \t'-- END User-defined code -------------\n"
              "\t\t' \n"
              "\t\tWindow.Type \"x\"\t\t' \n"
              // A captioned child with a control id is attached through its top window.
              "\n\tWindow(\"Caption='Log in'\").Attach\n\n\tWindow(\"Caption='Sub'\", tpAttachChild).Attach\n"
              "\t\tWindow.Close\t\t' \n"
              // A web page part through every window from the browser down.
              "\n \n\tHTMLBrowser(\"Caption='*Shop - Microsoft Internet Explorer*'\").Attach"
              "\n\tHTMLFrame(\"Name='Cart'\").Attach\n"
              "\t\tHTMLButton(\"Caption='Pay'\").Click\t\t' \n"
              "\n\tWindow(\"Caption='Log in'\").Attach\n"
              "\t\tButton(\"Caption='OK'\").Click\t\t' \n"
              "\n \nEnd Sub\n \n \n");
}

// A web test starts the browser that the machine registers, with the start page.
TEST_F(TestPartnerConverterTest, TheScriptStartsTheApplicationOrTheBrowser) {
    AddEventStep(AddTaskTestCase(task_, 1, 0), "Press", ok_, "Click");
    const std::string key = "SOFTWARE\\Classes\\Applications\\iexplore.exe\\shell\\open\\command";
    const struct {
        int webTest;
        std::string exePath;
        std::string openCommand;
        std::string start;
    } cases[] = {
        {0, "", "", ""},
        {0, "C:\\a b\\app.exe", "", "\tShell \"C:\\a b\\app.exe\", vbNormalFocus\n \n "},
        {1, "http://shop", "", "\tShell \"iexplore http://shop\", vbNormalFocus\n \n "},
        {1, "http://shop", "\"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE\" -nohome",
         "\tShell \"C:\\Program Files\\Internet Explorer\\iexplore http://shop\", vbNormalFocus\n \n "},
    };
    for (const auto& [webTest, exePath, openCommand, start] : cases) {
        app.SetWebTest(webTest);
        app.SetExePath(exePath);
        WriteRegistryString(SettingsHive::LocalMachine, key, "", openCommand, kRegistryText);
        ConvertInBatch(kFormatTestPartner);
        const std::vector<Asset> assets = Assets(Folder() / "SignIn.xml");
        ASSERT_EQ(assets.size(), 1u);
        const std::string launch = "\t'-- Start new instance of the application under test --\n" + start;
        EXPECT_EQ(Between(assets[0].text, "\"My_Proj_INCLUDES\"\n \n", "\t'-- Execute Testcase --\n"),
                  start.empty() ? "" : launch)
            << exePath;
    }
}

TEST_F(TestPartnerConverterTest, ScriptNamesKeepTheirNumberWithinTwentySevenCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"Login_with_a_very_long_name_of_the_case_17", "Login_with_a_very_long_name_17"},
        {"Login_001", "Login_001"},
        {"Exactly_twentyseven_letters_1", "Exactly_twentyseven_letters_1"},
        {"Longer_than_twentyseven_chars_1", "Longer_than_twentyseven_cha_1"},
        {"NoUnderscoreAtAllInThisVeryLongName", "NoUnderscoreAtAllInThisVeryLongName"},
        {"\u00C4rger_mit_\u00FCberlangen_Namen_und_so_3", "\u00C4rger_mit_\u00FCberlangen_Namen__3"},
    };
    for (const auto& [displayName, expected] : cases)
        EXPECT_EQ(CTestPartnerTCC::ScriptName(displayName), expected) << displayName;
}

TEST_F(TestPartnerConverterTest, ScriptsAreBase64OfTheirUtf16UnitsInLinesOfSeventySix) {
    CTPBase64 base64;
    EXPECT_EQ(base64.Encode("abc"), "YQBiAGMA");
    EXPECT_EQ(base64.Encode(""), "");
    EXPECT_EQ(base64.Encode("a"), "YQA=");
    // Characters beyond Latin-1 keep their code units.
    EXPECT_EQ(base64.Encode("\u20AC\u6F22"), "rCAibw==");
    EXPECT_EQ(DecodeBase64(base64.Encode("\U0001F600 ok")), "\U0001F600 ok");

    const std::string text(120, 'x');
    const std::string encoded = base64.Encode(text);
    ASSERT_EQ(encoded.size(), 320u + 4u);
    for (size_t at = 0; at < encoded.size(); ++at)
        EXPECT_EQ(encoded[at] == '\r', at == 76 || at == 152 || at == 228 || at == 304) << at;
    EXPECT_EQ(DecodeBase64(encoded), text);
}

TEST_F(TestPartnerConverterTest, ATestCaseThatCannotBeConvertedIsLeftOutAndStopsTheRun) {
    CWindowKav* menu = AddSpecWindow(project, "Menu", login_, {.type = kWndMenu});
    CWindowKav* bare = AddSpecWindow(project, "Bare", nullptr, {.type = kWndMain});
    const struct {
        CWindowKav* window;
        std::string message;
    } cases[] = {
        {menu,
         "Error while translating event of step 'Broken' in task 'SignIn':\nThe type of window Menu is not supported "
         "by the test tool! [W0283] [W1117]"},
        {bare, "Specification Error: Window Bare is a top-level window but has no titlebar! [W1033]"},
    };
    for (const auto& [window, message] : cases) {
        app.GetTestCases().DeleteAll();
        TestInteraction().messages.clear();
        CTestCase* broken = AddTaskTestCase(task_, 1, 0);
        AddEventStep(broken, "Press", ok_, "Click");
        AddEventStep(broken, "Broken", window, "Click");
        AddEventStep(AddTaskTestCase(task_, 2, 0), "Press", ok_, "Click");
        ConvertInBatch(kFormatTestPartner);

        EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{message});
        const std::vector<Asset> assets = Assets(Folder() / "SignIn.xml");
        ASSERT_EQ(assets.size(), 1u);
        EXPECT_EQ(assets[0].name, "SignIn_002");
        EXPECT_TRUE(ReadUtf16(Folder() / "SignIn.xml").ends_with("</Scripts>\n</Project>\n</Projects>\n</TestPartnerAssets>\n"));
        EXPECT_FALSE(std::filesystem::exists(Folder() / "TESTSUITE.xml"));
    }
}

// The suite is written only when the custom functions can be read; the folder is emptied
// first either way.
TEST_F(TestPartnerConverterTest, WithoutTheCustomFunctionsNoSuiteIsWritten) {
    AddEventStep(AddTaskTestCase(task_, 1, 0), "Press", ok_, "Click");
    std::filesystem::create_directories(Folder() / "old");
    std::ofstream(Folder() / "old" / "stale.xml") << "stale";
    const std::filesystem::path installation = folder_ / "installation";
    WriteRegistryString(SettingsHive::LocalMachine, std::string(kProductKey), "InstallationDir", installation.string(),
                        kRegistryText);
    ConvertInBatch(kFormatTestPartner);

    EXPECT_EQ(TestInteraction().Texts(),
              std::vector<std::string>{"Could not open custom-functions file " +
                                       (installation / "Bin" / "TpIncludes.vb").string() + "! [W1050]"});
    EXPECT_EQ(FilesBelow(Folder()), std::vector<std::string>{"SignIn.xml"});
}

TEST_F(TestPartnerConverterTest, TheSuiteKeepsItsNameAndEveryNameIsEscaped) {
    const struct {
        std::string projectName;
        std::string projectAttribute;
        std::string modulePrefix;
    } cases[] = {
        {"My Proj", "My Proj", "My_Proj"},
        {"A&B \"x\" <y>", "A&amp;B &quot;x&quot; &lt;y&gt;", "A&B_\"x\"_<y>"},
    };
    AddEventStep(AddTaskTestCase(project.AddTask("TESTSUITE", root_), 1, 0), "Press", ok_, "Click");
    for (const auto& [projectName, projectAttribute, modulePrefix] : cases) {
        app.SetName(projectName);
        ConvertInBatch(kFormatTestPartner);
        const std::filesystem::path folder = Scripts() / projectName;
        // A package of the suite's name takes the next free name.
        EXPECT_EQ(FilesBelow(folder), (std::vector<std::string>{"TESTSUITE.xml", "TESTSUITE_2.xml"})) << projectName;
        for (const char* file : {"TESTSUITE.xml", "TESTSUITE_2.xml"}) {
            EXPECT_TRUE(PassesXmlLint(folder / file));
            EXPECT_NE(ReadUtf16(folder / file).find("<Project ProjectName=\"" + projectAttribute + "\">\n"),
                      std::string::npos);
        }
        const std::vector<Asset> suite = Assets(folder / "TESTSUITE.xml");
        ASSERT_EQ(suite.size(), 2u);
        EXPECT_EQ(suite[1].name, CXMLInterface::EscapeText(modulePrefix + "_MAIN", true));
        EXPECT_NE(suite[1].text.find("\tInclude \"" + modulePrefix + "_INCLUDES\"\n"), std::string::npos);
        EXPECT_NE(suite[1].text.find("\tRun \"TESTSUITE_001\"\n"), std::string::npos);
    }
}

// A file that cannot be replaced stops the run with the script folder's name.
TEST_F(TestPartnerConverterTest, AnAssetFileThatCannotBeWrittenIsReported) {
    CTestPartnerTCC converter;
    ASSERT_EQ(converter.Init("My Proj", Scripts().string(), "", "", ""), 1);
    TestCaseList none;
    std::filesystem::create_directories(Folder() / "Blocked.xml" / "inside");
    std::filesystem::create_directories(Folder() / "TESTSUITE.xml" / "inside");
    int count = -1;
    std::string path;
    const std::string message = Refusal([&] { return converter.Convert(none, "Blocked", count, path); });
    EXPECT_EQ(message, "Could not create file " + Scripts().string() + "! [W1031]");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(Refusal([&] { return converter.Finish(); }), "Could not create file " + Scripts().string() + "! [W1038]");

    ASSERT_EQ(converter.Convert(none, "Open", count, path), 1);
    EXPECT_EQ(path, Scripts().string());
    EXPECT_EQ(converter.PlannedFiles(none, "open")[0], Folder() / "open_2.xml");
}

// Outside batch mode a run that converted something offers the import into TestPartner.
TEST_F(TestPartnerConverterTest, AnInteractiveRunOffersTheImport) {
    app.SetOutputFormat(kFormatTestPartner);
    std::vector<std::pair<std::string, std::string>> offers;
    const auto convert = [&](bool batch, int importResult) {
        TestInteraction().messages.clear();
        CTestcaseConverterDlg dialog;
        dialog.showTPImport = [&](const std::string& projectName, const std::string& folder) {
            offers.emplace_back(projectName, folder);
            SetGlobalMessage("Could not find TPImport.exe. [W1053]");
            return importResult;
        };
        dialog.ConvertTestCases(nullptr, nullptr, batch);
    };
    convert(false, 1);
    EXPECT_TRUE(offers.empty()) << "nothing converted";

    AddEventStep(AddTaskTestCase(task_, 1, 0), "Press", ok_, "Click");
    convert(true, 1);
    EXPECT_TRUE(offers.empty()) << "batch mode";
    convert(false, 1);
    EXPECT_EQ(offers, (std::vector<std::pair<std::string, std::string>>{{"My Proj", Folder().string()}}));
    EXPECT_EQ(TestInteraction().Texts(), std::vector<std::string>{"1 Test Case(s) converted! [I0012]"});
    convert(false, 0);
    ASSERT_EQ(TestInteraction().messages.size(), 2u);
    EXPECT_EQ(TestInteraction().messages[1].text, "Could not find TPImport.exe. [W1053]");
    EXPECT_EQ(TestInteraction().messages[1].caption, "TestPartner Export Failed");
}

}  // namespace
