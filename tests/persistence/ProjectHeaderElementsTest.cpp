#include <gtest/gtest.h>

#include "ElementTest.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "platform/UserFolders.h"
#include "tests/support/ProjectBuilder.h"
#include "WrittenFiles.h"

namespace fs = std::filesystem;

namespace {

class HeaderTest : public ElementTest {};

}  // namespace

TEST_F(HeaderTest, AProjectWithTheWritersDefaultsIsSavedWithIdAndNameOnly) {
    CApplicationKav project(WriterDefaults());
    project.SetId("P1");
    project.SetName("Demo");
    const fs::path path = folder_ / "Demo.xml";
    std::string used, unused;
    ASSERT_TRUE(reader_.OpenProjectFile(path.string(), true, used)) << Message();
    EXPECT_EQ(reader_.WriteProject(project), 1);
    reader_.FlushDocument(true, unused);
    ASSERT_TRUE(reader_.WriteFooter(true)) << Message();
    EXPECT_EQ(ReadFile(path),
              "<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n"
              "<KAVRO_DATA Version=\"12.4\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\""
              " xsi:noNamespaceSchemaLocation=\"KavroData.xsd\">\n"
              "<PROJECT ID=\"P1\" Name=\"Demo\"/>\r\n"
              "</KAVRO_DATA>\n");
}

TEST_F(HeaderTest, ANewProjectsDefaultsDifferFromTheWritersInFourSettings) {
    SetUserFolders({"/u/Projects", "/u/HTML", "/u/Scripts", "/u/Logs"});
    CApplicationKav project;
    project.SetId("P1");
    project.SetName("Demo");
    reader_.WriteProject(project);
    EXPECT_EQ(Written(),
              "<PROJECT ID=\"P1\" Name=\"Demo\" OldTaskMode=\"0\" OutputFormat=\"7\" ScriptPath=\"/u/Scripts\""
              " HtmlPath=\"/u/HTML\"/>\r\n");
}

TEST_F(HeaderTest, EverySettingReadsBackAndSaveDistributedIsNeverWritten) {
    TestProject source;
    CApplicationKav& project = source.App();
    CWindowKav* start = source.AddWindow("Main");
    start->SetInternalID("w1");
    project.SetStartWindow(start);
    project.SetMasterFile(source.Lib());
    project.SetId("P1");
    project.SetName("Demo <1>");
    project.SetDescription("line 1\r\nline 2");
    project.SetGuiId(3);
    project.SetSaveDistributed(1);
    project.SetOldTaskMode(0);
    project.SetOutputFormat(5);
    project.SetKeyboard(2);
    project.SetTimeout(-1);
    project.SetOptimizeWait(0);
    project.SetWinRunnerVariables("a, b");
    project.SetWebTest(1);
    project.SetScriptPath("s");
    project.SetHtmlPath("h");
    project.SetVornakPath("v");
    project.SetRootPath("r");
    project.SetExePath("e");
    project.SetExeParams("-x \"y\"");
    project.SetExeDir("d");
    reader_.WriteProject(project);
    const std::string text = Written();
    EXPECT_EQ(text.find("SaveDistributed"), std::string::npos) << text;

    ASSERT_TRUE(Read(text)) << Message();
    EXPECT_EQ(loaded_.GetId(), "P1");
    EXPECT_EQ(loaded_.GetMainWndId(), "w1");
    EXPECT_EQ(loaded_.GetMasterProjectId(), source.Lib()->GetID());
    EXPECT_EQ(loaded_.GetSaveDistributed(), 0);
    ProjectSettings expected = project.GetProjectSettings();
    expected.saveDistributed = 0;
    const ProjectSettings& read = loaded_.GetProjectSettings();
    EXPECT_EQ(std::tie(read.name, read.descr, read.guiId, read.outputFormat, read.keyboard, read.rootPath,
                       read.scriptPath, read.exePath, read.exeParams, read.exeDir, read.htmlPath, read.vornakPath,
                       read.timeout, read.webTest, read.optimizeWait, read.winRunnerVariables, read.saveDistributed,
                       read.oldTaskMode),
              std::tie(expected.name, expected.descr, expected.guiId, expected.outputFormat, expected.keyboard,
                       expected.rootPath, expected.scriptPath, expected.exePath, expected.exeParams, expected.exeDir,
                       expected.htmlPath, expected.vornakPath, expected.timeout, expected.webTest,
                       expected.optimizeWait, expected.winRunnerVariables, expected.saveDistributed,
                       expected.oldTaskMode));
}

TEST_F(HeaderTest, MissingOrEmptySettingsReadAsTheirDefaults) {
    ASSERT_TRUE(Read("<PROJECT ID=\"p\" GuiID=\"\" Timeout=\"\"/>")) << Message();
    const ProjectSettings& read = loaded_.GetProjectSettings();
    EXPECT_EQ(read.guiId, 999);
    EXPECT_EQ(read.outputFormat, 8);  // no converter target: WinRunner
    EXPECT_EQ(read.oldTaskMode, 1);
    EXPECT_EQ(read.optimizeWait, 1);
    EXPECT_EQ(read.timeout, 20);
    EXPECT_EQ(read.winRunnerVariables, "help2, help3");
    EXPECT_EQ(read.saveDistributed, 0);

    struct Case {
        std::string attributes;
        int outputFormat, saveDistributed, oldTaskMode;
    };
    const Case cases[] = {
        {"OutputFormat=\"0\"", 8, 0, 1},
        {"OutputFormat=\"abc\" SaveDistributed=\"1\"", 8, 1, 1},
        {"OutputFormat=\"5\" OldTaskMode=\"0\"", 5, 0, 0},
        {"outputformat=\"10x\" OldTaskMode=\"yes\"", 10, 0, 1},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(Read("<PROJECT ID=\"p\" " + c.attributes + "/>")) << Message();
        EXPECT_EQ(loaded_.GetOutputFormat(), c.outputFormat) << c.attributes;
        EXPECT_EQ(loaded_.GetSaveDistributed(), c.saveDistributed) << c.attributes;
        EXPECT_EQ(loaded_.GetOldTaskMode(), c.oldTaskMode) << c.attributes;
    }
}

// A text setting with a default cannot carry the empty text through a save and load.
TEST_F(HeaderTest, AnEmptyWinRunnerVariablesIsWrittenAndReloadsAsTheDefault) {
    CApplicationKav project(WriterDefaults());
    project.SetId("P1");
    project.SetWinRunnerVariables("");
    reader_.WriteProject(project);
    const std::string text = Written();
    EXPECT_EQ(text, "<PROJECT ID=\"P1\" WinRunnerVariables=\"\"/>\r\n");
    ASSERT_TRUE(Read(text)) << Message();
    EXPECT_EQ(loaded_.GetWinRunnerVariables(), "help2, help3");
}

TEST_F(HeaderTest, ChildrenAreTheEditableHeaderObjectsAndTheFilesTheMainFileUses) {
    TestProject source;
    CApplicationKav& project = source.App();
    project.SetOldTaskMode(1);
    project.SetOutputFormat(0);
    project.SetId("P1");
    source.Lib()->SetID("L");
    source.Lib()->SetReadOnly(true);
    source.Main()->UsedFileIds() = {"L"};
    project.GetFiles().Add(new CFileKav("Other", "Other.xml", "/projects/Other.xml"));

    source.AddMetaCondition("Ready", "#Main:$Exist# = TRUE")->SetUniqueId("c1");
    source.AddMetaCondition("InLibrary", "1", source.Lib());
    source.AddAttribute("Count")->SetId("a1");
    project.GetAttributes().Add(new CAttributeKav("NoFile", 4, ""));
    auto* field = project.GetStepFields().Add(new CAttributeKav("Tester", 4, "me & you"));
    field->SetId("f1");
    field->SetFile(source.Main());

    reader_.WriteProject(project);
    const std::string text = Written();
    EXPECT_EQ(text,
              "<PROJECT ID=\"P1\" Name=\"Proj\">\r\n"
              "<CND ID=\"c1\" Name=\"Ready\" Text=\"#Main:$Exist# = TRUE\"/>\r\n"
              "<ATT ID=\"a1\" Name=\"Count\" Type=\"2\" Value=\"0\"/>\r\n"
              "<USR_FIELD ID=\"f1\" Name=\"Tester\" Value=\"me &amp; you\"/>\r\n"
              "<FILE ID=\"L\" Path=\"Lib.xml\" ReadOnly=\"1\"/>\r\n"
              "</PROJECT>\r\n");

    ASSERT_TRUE(Read(text)) << Message();
    const std::string fileId = file_->GetID();
    ASSERT_EQ(loaded_.GetMetaConditions().size(), 1u);
    const CConditionKav* condition = loaded_.GetMetaConditions()[0];
    EXPECT_EQ(std::make_tuple(condition->GetUniqueId(), condition->GetId(), condition->GetText(), condition->GetFileId()),
              std::make_tuple("c1", "Ready", "#Main:$Exist# = TRUE", fileId));
    ASSERT_EQ(loaded_.GetAttributes().size(), 1u);
    const CAttributeKav* attribute = loaded_.GetAttributes()[0];
    EXPECT_EQ(std::make_tuple(attribute->GetId(), attribute->GetName(), attribute->GetType(), attribute->GetValue(),
                              attribute->GetFileId()),
              std::make_tuple("a1", "Count", 2, "0", fileId));
    ASSERT_EQ(loaded_.GetStepFields().size(), 1u);
    EXPECT_EQ(loaded_.GetStepFields()[0]->GetValue(), "me & you");
    EXPECT_EQ(loaded_.GetStepFields()[0]->GetType(), 4);
    ASSERT_EQ(loaded_.GetFiles().size(), 1u);
    const CFileKav* entry = loaded_.GetFiles()[0];
    EXPECT_EQ(std::make_tuple(entry->GetID(), entry->GetName(), entry->GetPath(), entry->GetFullPath(),
                              entry->IsReadOnly()),
              std::make_tuple("L", "", "Lib.xml", (folder_ / "read" / "Lib.xml").string(), true));
}

TEST_F(HeaderTest, AFilePathIsResolvedAgainstTheIncludingFile) {
    struct Case {
        std::string path;
        std::string fullPath;
    };
    const Case cases[] = {
        {"Lib.xml", (folder_ / "read" / "Lib.xml").string()},
        {"..\\libs\\L.xml", (folder_ / "libs" / "L.xml").string()},
        {"sub/L.xml", (folder_ / "read" / "sub" / "L.xml").string()},
        {"/abs/L.xml", "/abs/L.xml"},
        {"C:/P/L.xml", "C:/P/L.xml"},
    };
    for (const Case& c : cases) {
        loaded_.GetFiles().DeleteAll();
        ASSERT_TRUE(Read("<PROJECT ID=\"p\"><FILE ID=\"f\" Path=\"" + c.path + "\" ReadOnly=\"yes\"/></PROJECT>"))
            << Message();
        ASSERT_EQ(loaded_.GetFiles().size(), 1u);
        EXPECT_EQ(loaded_.GetFiles()[0]->GetFullPath(), c.fullPath);
        EXPECT_EQ(loaded_.GetFiles()[0]->GetPath(), c.path);
        EXPECT_FALSE(loaded_.GetFiles()[0]->IsReadOnly());  // only "1" is true
    }

    // Started by VORNAK: the path is taken as it stands, as name and full path.
    VornakMode = true;
    loaded_.GetFiles().DeleteAll();
    ASSERT_TRUE(Read("<PROJECT ID=\"p\"><FILE ID=\"f\" Path=\"Lib.xml\"/></PROJECT>")) << Message();
    EXPECT_EQ(loaded_.GetFiles()[0]->GetName(), "Lib.xml");
    EXPECT_EQ(loaded_.GetFiles()[0]->GetFullPath(), "Lib.xml");
}

TEST_F(HeaderTest, AFileWithoutIdLoadsOnlyFromFilesBeforeFileIdentifiers) {
    for (const char* version : {"11.2", "11.3", ""}) {
        loaded_.GetFiles().DeleteAll();
        ASSERT_TRUE(Read("<PROJECT ID=\"p\"><FILE Path=\"Lib.xml\"/></PROJECT>", version))
            << version << ": " << Message();
        ASSERT_EQ(loaded_.GetFiles().size(), 1u);
        EXPECT_EQ(loaded_.GetFiles()[0]->GetID().size(), 12u);  // a fresh identifier
    }
    EXPECT_FALSE(Read("<PROJECT ID=\"p\"><FILE Path=\"Lib.xml\"/></PROJECT>", "12.3"));
    EXPECT_EQ(Message(), "Missing or invalid ID for tag 'FILE'! [W0564]");
    EXPECT_FALSE(Read("<PROJECT ID=\"p\"><FILE ID=\"f\" Path=\"\"/></PROJECT>"));
    EXPECT_EQ(Message(), "Missing or invalid Path for tag 'FILE'! [W0801]");
}

TEST_F(HeaderTest, AnAttributesTypeDefaultsToStringAndIsWrittenOnlyWhenOther) {
    const std::pair<std::string, int> cases[] = {{"", 4}, {" Type=\"abc\"", 0}, {" Type=\"14\"", 14}, {" Type=\"\"", 4}};
    for (const auto& [type, expected] : cases) {
        loaded_.GetAttributes().DeleteAll();
        ASSERT_TRUE(Read("<PROJECT ID=\"p\"><ATT ID=\"a\" Name=\"n\"" + type + "/></PROJECT>")) << Message();
        EXPECT_EQ(loaded_.GetAttributes()[0]->GetType(), expected) << type;
    }
    CAttributeKav attribute("Text", 4, "v");
    attribute.SetId("a1");
    reader_.Builder().AppendElement("TASK", "");
    reader_.WriteAttribute(attribute);
    EXPECT_EQ(Written(), "<TASK>\r\n<ATT ID=\"a1\" Name=\"Text\" Value=\"v\"/>\r\n</TASK>\r\n");
}

// A library's header is all that is read of it at first; what follows may even be malformed.
TEST_F(HeaderTest, ReadingOnlyTheHeaderEndsAfterTheProjectElementAsASuccess) {
    ASSERT_TRUE(ReadDocument("<KAVRO_DATA Version=\"12.3\"><project ID=\"p\" Name=\"Lib\"><FILE ID=\"f\" Path=\"x.xml\"/>"
                             "</project><TASK ID=\"t\" Name=\"T\"/><unclosed></KAVRO_DATA>",
                             "", CXMLDataManager::HeaderHandlers()))
        << Message();
    EXPECT_EQ(loaded_.GetName(), "Lib");
    EXPECT_EQ(loaded_.GetFiles().size(), 1u);
    EXPECT_TRUE(loaded_.GetTasks().empty());
    EXPECT_EQ(reader_.GetVersionText(), "12.3");
    EXPECT_EQ(reader_.OpenElementCount(), 0u);
}

// Versions compare as texts, the way older files were always compared.
TEST_F(HeaderTest, TheRootRefusesNewerVersionsAndKeepsTheLowestVersionRead) {
    EXPECT_FALSE(ReadDocument("<KAVRO_DATA Version=\"12.5\"/>"));
    EXPECT_EQ(Message(), "XML file " + file_->GetFullPath() +
                             " has been created by a newer version of KAVRO. Please contact the KAVRO support for"
                             " information on receiving an update! [W0861]");
    EXPECT_FALSE(ReadDocument("<KAVRO_DATA Version=\"9.0\"/>"));  // "9.0" sorts after "12.4"

    const std::tuple<std::string, std::string, std::string> cases[] = {
        // version text before, root Version, version text after
        {"", "12.3", "12.3"},
        {"11.2", "12.3", "11.2"},
        {"12.4", "12.3", "12.3"},
        {"12.4", "12.4", "12.4"},
        {"11.2", "11.10", "11.10"},
    };
    for (const auto& [before, version, after] : cases) {
        ASSERT_TRUE(ReadDocument("<KAVRO_DATA Version=\"" + version + "\"/>", before)) << Message();
        EXPECT_EQ(reader_.GetVersionText(), after) << before << " then " << version;
    }
}

// Every element that names an object needs its identifier; the message names the tag.
TEST_F(ElementTest, AMissingOrEmptyIdentifierFailsWithTheMessageOfItsTag) {
    const std::pair<std::string, std::string> cases[] = {
        {"<PROJECT Name=\"x\"/>", "Missing or invalid ID for tag 'PROJECT'! [W0800]"},
        {"<PROJECT ID=\"p\"><ATT ID=\"\" Name=\"a\"/></PROJECT>", "Missing or invalid ID for tag 'ATT'! [W0831]"},
        {"<PROJECT ID=\"p\"><CND Name=\"c\"/></PROJECT>", "Missing or invalid ID for tag 'CND'! [W0832]"},
        {"<PROJECT ID=\"p\"><USR_FIELD/></PROJECT>", "Missing or invalid ID for tag 'USR_FIELD'! [W0837]"},
        {"<REQ Name=\"R1\"/>", "Missing or invalid ID for tag 'REQ'! [W0836]"},
        {"<TASK Name=\"T\"/>", "Missing or invalid ID for tag 'TASK'! [W0839]"},
        {"<TASK ID=\"t\" Name=\"T\"><TASKSTEP Name=\"s\"/></TASK>", "Missing or invalid ID for tag 'TASKSTEP'! [W0842]"},
        {"<TASK ID=\"t\" Name=\"T\"><TASKSTEP ID=\"s\"><ACT ActionID=\"1\"/></TASKSTEP></TASK>",
         "Missing or invalid ID for tag 'ACT'! [W0829]"},
        {"<TASK ID=\"t\" Name=\"T\"><TASKSTEP ID=\"s\"><CONNECT DestStepID=\"\"/></TASKSTEP></TASK>",
         "Missing or invalid DestStepID for tag 'CONNECT'! [W0833]"},
        {"<TASK ID=\"t\" Name=\"T\"><TASKREQ/></TASK>", "Missing or invalid ReqID for tag 'TASKREQ'! [W0841]"},
    };
    for (const auto& [document, message] : cases) {
        loaded_.GetTasks().DeleteAll();
        EXPECT_FALSE(Read(document)) << document;
        EXPECT_EQ(Message(), message);
    }
}
