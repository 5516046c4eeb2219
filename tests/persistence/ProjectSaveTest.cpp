#include <gtest/gtest.h>

#include "model/WindowKav.h"
#include "ProjectFiles.h"
#include "tests/support/ProjectBuilder.h"
#include "WrittenFiles.h"

namespace fs = std::filesystem;

namespace {

class SaveTest : public ProjectFileTest {
protected:
    // The project with one object of every top element; the task, window and data set in the
    // given file.
    void AddOneOfEach(TestProject& source, CFileKav* file) {
        CTaskKav* root = source.AddTask("Root", nullptr, kTaskFolder, file);
        root->SetID("t0");
        source.AddRequirement("R1", nullptr, file)->SetUniqueId("r1");
        source.AddWindow("Main", nullptr, kWndMain, file)->SetInternalID("w1");
        source.AddDataSet("Users", file)->SetId("d1");
        source.AddTestCase(1, kTestCaseGraphCoverage, root)->SetUniqueId("c1");
        auto* script = source.App().GetTestScripts().Add(new CTestScript());
        script->SetId("s1");
        script->SetTask(root);
        auto* builder = GetGuiBuilderDatabase().Add(new CGUIBuilder("Mine", 500, 0));
        builder->SetId("500_b");
        builder->SetFile(file);
    }

    // The text mode: the top elements one after the other.
    std::string SaveText(CApplicationKav& project) {
        std::string out = "left over";
        EXPECT_EQ(reader_.SaveProject(false, "", project, out), 1);
        return out;
    }
};

}  // namespace

TEST_F(SaveTest, AnEmptyProjectIsTheRootWithItsProjectElement) {
    CApplicationKav project(WriterDefaults());
    project.SetId("P1");
    const fs::path path = folder_ / "Empty.xml";
    std::string out = "left over";
    ASSERT_EQ(reader_.SaveProject(true, path.string(), project, out), 1) << Message();
    EXPECT_EQ(out, "");
    EXPECT_EQ(ReadFile(path), kWrittenHeader + "<PROJECT ID=\"P1\"/>\r\n" + kWrittenFooter);
    EXPECT_EQ(reader_.Builder().GetDocumentText(), "");
}

TEST_F(SaveTest, TopElementsFollowInTheirOrderAndTextModeHasNoRoot) {
    TestProject source;
    AddOneOfEach(source, source.Main());
    const std::string text = SaveText(source.App());
    EXPECT_TRUE(text.starts_with("<PROJECT")) << text;
    EXPECT_EQ(text.find("KAVRO_DATA"), std::string::npos);
    size_t last = 0;
    for (const char* element : {"<REQ ", "<WND ", "<TASK ", "<DATASET ", "<TC ", "<TS ", "<GUIBUILDER "}) {
        const size_t at = text.find(element);
        ASSERT_NE(at, std::string::npos) << element;
        EXPECT_GT(at, last) << element;
        last = at;
    }
}

// A read-only library's objects stay in the library; what generation made is always saved.
TEST_F(SaveTest, ObjectsOfReadOnlyFilesAreLeftOutButTestCasesAndScriptsAreNot) {
    TestProject source;
    source.Lib()->SetReadOnly(true);
    AddOneOfEach(source, source.Lib());
    source.App().GetFiles().Add(new CFileKav("Unused", "Unused.xml", "/p/Unused.xml"));
    const std::string text = SaveText(source.App());
    for (const char* element : {"<REQ ", "<WND ", "<TASK ", "<DATASET ", "<GUIBUILDER "})
        EXPECT_EQ(text.find(element), std::string::npos) << element;
    EXPECT_NE(text.find("<TC ID=\"c1\" TaskID=\"t0\"/>"), std::string::npos) << text;
    EXPECT_NE(text.find("<TS ID=\"s1\" TaskID=\"t0\""), std::string::npos) << text;
    EXPECT_NE(text.find("<FILE ID=\"" + source.Lib()->GetID() + "\""), std::string::npos) << text;
    EXPECT_EQ(text.find("Unused"), std::string::npos) << text;
}

// A predefined builder has no file; it belongs to the project only through the classes that
// the user added to it.
TEST_F(SaveTest, APredefinedBuilderIsSavedOnlyWithItsUserDefinedClasses) {
    CApplicationKav project(WriterDefaults());
    EXPECT_EQ(SaveText(project), "<PROJECT/>\r\n");
    CGUIBuilder* win32 = GetGuiBuilderDatabase().FindByGuiID(999);
    win32->GetWindowClasses().Add(new CWindowClass("My*", 3, 0, 0))->SetId("k1");
    EXPECT_EQ(SaveText(project),
              "<PROJECT/>\r\n"
              "<GUIBUILDER ID=\"999_win\" GuiID=\"999\" Name=\"Win32\" PreDef=\"1\">\r\n"
              "<WNDCLASS ID=\"k1\" Name=\"My*\"/>\r\n"
              "</GUIBUILDER>\r\n");
}

// Whatever step of replacing the file fails, the project file keeps its previous bytes.
TEST_F(SaveTest, AFailedSaveReturnsZeroAndLeavesThePreviousFile) {
    TestProject source;
    AddOneOfEach(source, source.Main());
    CurrentApplication = &source.App();
    const std::string path = Save("P.xml");
    const std::string before = ReadFile(path);
    source.App().SetName("Changed");

    for (const char* failing : {"open", "write", "sync", "close", "rename"}) {
        SetFileFaultInjector([failing](std::string_view step, const fs::path&) { return step != failing; });
        std::string out;
        EXPECT_EQ(reader_.SaveProject(true, path, source.App(), out), 0) << failing;
        EXPECT_EQ(Message(), "Could not open file '" + path + "' for writing! [W0856]");
        EXPECT_EQ(ReadFile(path), before) << failing;
        EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1) << failing;
    }
    SetFileFaultInjector(nullptr);

    const std::string missingFolder = (folder_ / "no" / "P.xml").string();
    std::string out;
    EXPECT_EQ(reader_.SaveProject(true, missingFolder, source.App(), out), 0);
    EXPECT_EQ(Message(), "Could not open file '" + missingFolder + "' for writing! [W0856]");

    EXPECT_NE(ReadFile(Save("P.xml")).find("Name=\"Changed\""), std::string::npos);
}

// What XML cannot carry is replaced so that the file reads back; the save says how much, in
// one line of the attached log, whatever the number of elements it touched.
TEST_F(SaveTest, ReplacedCharactersAreCountedInOneWarningLine) {
    TestProject source;
    AddOneOfEach(source, source.Main());
    source.App().FindRequirement("r1", true)->SetTitle("bell\x07 and a stray byte \xFF");
    source.App().FindTask("t0", true)->SetDescription("form\x0C feed");
    CurrentApplication = &source.App();
    reader_.SetMessageLog(&log_);
    const std::vector<std::string> warning = {
        "3 character(s) that XML 1.0 cannot carry have been replaced while saving!"};

    const std::string path = Save("P.xml");
    EXPECT_EQ(log_.Lines(), warning);
    EXPECT_EQ(ReadFile(path).find('\x07'), std::string::npos);
    log_.Clear();
    SaveText(source.App());
    EXPECT_EQ(log_.Lines(), warning);

    log_.Clear();
    source.App().FindRequirement("r1", true)->SetTitle("bell");
    source.App().FindTask("t0", true)->SetDescription("feed");
    Save("P.xml");
    EXPECT_TRUE(log_.Lines().empty());
}
