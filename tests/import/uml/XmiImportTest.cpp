#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "import/ProjectDataImportDlg.h"
#include "import/uml/XmiModelDataCommand.h"
#include "import/uml/XmiTransformer.h"
#include "model/CloneFlags.h"
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "platform/AtomicFile.h"
#include "platform/InstallationData.h"
#include "platform/MessageBuffer.h"
#include "platform/Registry.h"
#include "platform/UserFolders.h"
#include "tests/persistence/LoadFixture.h"
#include "tests/support/GlobalState.h"
#include "tests/support/GoldenFiles.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

namespace {

namespace fs = std::filesystem;

const fs::path kGolden = fs::path(KAVRO_SOURCE_DIR) / "tests/golden/import/uml/get_quote";
const std::vector<std::string> kTemporaryFiles = {"tempConvertedUML1.xml", "tempConvertedUML2.xml",
                                                  "tempConvertedUML3.xml"};

void SetProjectsFolder(const fs::path& folder) {
    UserFolders folders;
    folders.projects = folder;
    SetUserFolders(folders);
    fs::create_directories(folder);
}

void SetInstallationFolder(const fs::path& folder) {
    WriteRegistryString(SettingsHive::LocalMachine, std::string(kProductKey), "InstallationDir", folder.string(),
                        kRegistryText);
}

std::vector<std::string> LeftInProjectsFolder() {
    std::vector<std::string> left;
    for (const std::string& name : kTemporaryFiles)
        if (fs::exists(GetUserFolders().projects / name)) left.push_back(name);
    return left;
}

class XmiTransformerTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetProjectsFolder(scratch_.Path() / "projects");
        fs::create_directories(output_.parent_path());
    }

    // Converts the model: the message, empty on success; no intermediate file stays.
    std::string Convert(const std::string& xmiPath) {
        ClearGlobalMessage();
        bool converted = false;
        {
            CXmiTransformer transformer;
            converted = transformer.ConvertUml(xmiPath, output_.string());
        }
        EXPECT_EQ(LeftInProjectsFolder(), std::vector<std::string>{});
        return converted ? "" : GetGlobalMessageBuffer();
    }

    // An installation whose XSLT folder holds the given first stylesheet and the real other two.
    void InstallFirstStylesheet(const std::string& text) {
        const fs::path xslt = scratch_.Path() / "install" / "XSLT";
        fs::create_directories(xslt);
        for (const char* name : {"2_optimize.xslt", "3_remDuplicates.xslt"})
            fs::copy_file(fs::path(KAVRO_SOURCE_DIR) / "data/XSLT" / name, xslt / name);
        scratch_.Write("install/XSLT/1_normalize.xslt", text);
        SetInstallationFolder(scratch_.Path() / "install");
    }

    ScratchFolder scratch_;
    fs::path output_ = scratch_.Path() / "out" / "project.xml";
};

TEST_F(XmiTransformerTest, TheSampleModelBecomesTheGoldenProjectFile) {
    fs::copy_file(kGolden / "model.xmi", output_.parent_path() / "model.xmi");
    ASSERT_EQ(Convert((kGolden / "model.xmi").string()), "");
    ExpectFolderMatchesGolden(output_.parent_path(), kGolden);
    EXPECT_EQ(std::system(("xmllint --noout '" + output_.string() + "'").c_str()), 0);

    // The installed stylesheets give the same bytes with the outside processor.
    const fs::path xslt = FindInstallationFolder() / "XSLT";
    const fs::path piped = scratch_.Path() / "xsltproc.xml";
    const std::string command = "xsltproc --nonet '" + (xslt / "1_normalize.xslt").string() + "' '" +
                                (kGolden / "model.xmi").string() + "' | xsltproc --nonet '" +
                                (xslt / "2_optimize.xslt").string() + "' - | xsltproc --nonet '" +
                                (xslt / "3_remDuplicates.xslt").string() + "' - > '" + piped.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(ReadFileBytes(piped), ReadFileBytes(kGolden / "project.xml"));
}

TEST_F(XmiTransformerTest, ControlNodesAreBridgedAndDuplicatesKeptOnce) {
    const std::string xmi = scratch_.Write(
        "flows.xmi",
        "<xmi:XMI xmlns:xmi='http://www.omg.org/spec/XMI/20131001' xmlns:uml='http://www.omg.org/spec/UML/20131001'>"
        "<uml:Model xmi:id='m' name='M'>"
        "<packagedElement xmi:type='uml:UseCase' xmi:id='u' name='Pay &amp; go!'>"
        "<ownedComment xmi:type='uml:Comment' xmi:id='c1'><body>First</body></ownedComment>"
        "<ownedComment xmi:type='uml:Comment' xmi:id='c2' body='Second'/>"
        "<ownedBehavior xmi:type='uml:Activity' xmi:id='a'>"
        "<node xmi:type='uml:InitialNode' xmi:id='i'/>"
        "<node xmi:type='uml:ForkNode' xmi:id='f'/>"
        "<node xmi:type='uml:CallBehaviorAction' xmi:id='x' name='Pay'/>"
        "<node xmi:type='uml:SendSignalAction' xmi:id='y' name='Go'/>"
        "<node xmi:type='uml:MergeNode' xmi:id='m1'/><node xmi:type='uml:DecisionNode' xmi:id='d1'/>"
        "<node xmi:type='uml:OpaqueAction' xmi:id='x' name='Pay twice'/>"
        "<edge xmi:type='uml:ControlFlow' xmi:id='e1'><source xmi:idref='i'/><target xmi:idref='f'/></edge>"
        "<edge xmi:type='uml:ControlFlow' xmi:id='e2' source='f' target='x'/>"
        "<edge xmi:type='uml:ControlFlow' xmi:id='e3' source='f' target='y'/>"
        "<edge xmi:type='uml:ControlFlow' xmi:id='e4' source='x' target='m1'/>"
        "<edge xmi:type='uml:ControlFlow' xmi:id='e5' source='m1' target='d1'/>"
        "<edge xmi:type='uml:ControlFlow' xmi:id='e6' source='d1' target='m1'/>"
        "<edge xmi:type='uml:ControlFlow' xmi:id='e7' source='d1' target='y'/>"
        "<edge xmi:type='uml:ControlFlow' xmi:id='e8' source='x' target='y'/>"
        "</ownedBehavior></packagedElement></uml:Model></xmi:XMI>");
    ASSERT_EQ(Convert(xmi), "");
    const std::string project = ReadFileBytes(output_);
    EXPECT_NE(project.find("<TASK ID=\"u\" ParentID=\"Root_m\" StartID=\"i\" Name=\"Pay___go_\" Type=\"0\" "
                           "Descr=\"First&#10;Second\">"),
              std::string::npos)
        << project;
    EXPECT_NE(project.find("<TASKSTEP ID=\"i\" Name=\"Start\">\n      <CONNECT DestStepID=\"x\"/>\n"
                           "      <CONNECT DestStepID=\"y\"/>\n    </TASKSTEP>"),
              std::string::npos)
        << project;
    // The merge and decision loop ends; the flow to y that two ways give stays one.
    EXPECT_NE(project.find("<TASKSTEP ID=\"x\" Name=\"Pay\">\n      <CONNECT DestStepID=\"y\"/>\n    </TASKSTEP>"),
              std::string::npos)
        << project;
    EXPECT_EQ(project.find("Pay twice"), std::string::npos);
}

TEST_F(XmiTransformerTest, InputsThatAreNoXmiModelAreRefused) {
    struct Case {
        const char* what;
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"root without prefix", "<XMI xmlns='http://schema.omg.org/spec/XMI/2.1'/>",
         "The selected file is not an XMI model file! [W1090]"},
        {"root in other letter case", "<xmi:xmi xmlns:xmi='http://schema.omg.org/spec/XMI/2.1'/>",
         "The selected file is not an XMI model file! [W1090]"},
        {"a project file", "<KAVRO_DATA Version='12.4'/>", "The selected file is not an XMI model file! [W1090]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Convert(scratch_.Write("input.xmi", c.text)), c.message);
    }
    const std::string truncated = Convert(scratch_.Write("cut.xmi", "<xmi:XMI xmlns:xmi='x'><uml:Model"));
    EXPECT_TRUE(truncated.starts_with("Call to MSXML2::IXMLDOMDocument2Ptr->load failed: ")) << truncated;
    EXPECT_TRUE(truncated.ends_with("! [W1089]")) << truncated;
    EXPECT_FALSE(fs::exists(output_));
}

TEST_F(XmiTransformerTest, NoExternalEntityOrDtdIsRead) {
    const std::string secret = scratch_.Write("secret.txt", "SECRET");
    const std::string xmi = scratch_.Write(
        "entity.xmi", "<!DOCTYPE xmi:XMI [<!ENTITY leak SYSTEM 'file://" + secret +
                          "'>]><xmi:XMI xmlns:xmi='http://schema.omg.org/spec/XMI/2.1' "
                          "xmlns:uml='http://schema.omg.org/spec/UML/2.1'><uml:Model xmi:id='m' name='M'>"
                          "<packagedElement xmi:type='uml:UseCase' xmi:id='u' name='U'><ownedComment xmi:type='uml:Comment' xmi:id='c'>"
                          "<body>A&leak;</body></ownedComment></packagedElement></uml:Model></xmi:XMI>");
    ASSERT_EQ(Convert(xmi), "");
    EXPECT_NE(ReadFileBytes(output_).find("Descr=\"A\""), std::string::npos) << ReadFileBytes(output_);
    EXPECT_EQ(ReadFileBytes(output_).find("SECRET"), std::string::npos);
}

TEST_F(XmiTransformerTest, StylesheetsThatCannotServeStopThePasses) {
    SetInstallationFolder(scratch_.Path() / "nowhere");
    const std::string xmi = (kGolden / "model.xmi").string();
    const std::string missing = Convert(xmi);
    EXPECT_TRUE(missing.starts_with("Call to MSXML2::IXMLDOMDocument2Ptr->load failed: failed to load external entity"))
        << missing;
    EXPECT_TRUE(missing.ends_with("! [W1085]")) << missing;

    InstallFirstStylesheet("<stylesheet/>");
    EXPECT_EQ(Convert(xmi), "Call to MSXML2::IXMLDOMDocument2Ptr->putref_stylesheet failed! [W1086]");
}

TEST_F(XmiTransformerTest, AStylesheetMayNotWriteFiles) {
    const fs::path target = scratch_.Path() / "written.txt";
    InstallFirstStylesheet(
        "<xsl:stylesheet version='1.1' xmlns:xsl='http://www.w3.org/1999/XSL/Transform'><xsl:template match='/'>"
        "<xsl:document href='" + target.string() + "'><x/></xsl:document><uml/></xsl:template></xsl:stylesheet>");
    EXPECT_EQ(Convert((kGolden / "model.xmi").string()), "Call to MSXML2::IXSLProcessorPtr->transform failed! [W1095]");
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(XmiTransformerTest, AFailedWriteKeepsTheOldOutput) {
    std::ofstream(output_) << "old";
    SetFileFaultInjector([this](std::string_view step, const fs::path& target) {
        return !(step == "write" && target.filename() == output_.filename());
    });
    EXPECT_EQ(Convert((kGolden / "model.xmi").string()), "Call to ::WriteFile failed! [W1133]");
    SetFileFaultInjector([](std::string_view step, const fs::path&) { return step != "open"; });
    EXPECT_EQ(Convert((kGolden / "model.xmi").string()), "Call to ::CreateFile failed! [W1132]");
    SetFileFaultInjector(nullptr);
    EXPECT_EQ(ScratchFolder::Read(output_), "old");
}

// The whole command on a loaded project. Undo works as the frame's does: every recorded step keeps
// the project as it was before it, and undoing puts that copy in place of the live project.
class XmiCommandTest : public LoadTest {
protected:
    void SetUp() override {
        LoadTest::SetUp();
        SetProjectsFolder(folder_ / "projects");
        ASSERT_EQ(Load(WriteProject("Open.xml", "po", "Open", "", "<TASK ID=\"ro\" Name=\"Open\" Type=\"2\"/>")), 1)
            << GetGlobalMessageBuffer();
        root_.SetModified(0);
        host_.saveProject = [this] { return saved_++ >= 0 ? 1 : 0; };
        host_.importProjectData = [this](const std::string& file) {
            EXPECT_TRUE(fs::exists(file));
            log_.Clear();
            CProjectDataImportDlg dialog([this](CProjectDataImportDlg&) { return !cancel_; });
            // A failing import had already merged what it read.
            const int result = reader_.ImportProjectData(file, &log_, dialog);
            return failImport_ ? 0 : result;
        };
        host_.undo = [this] {
            ++undone_;
            if (steps_.empty()) return;
            projects_.push_back(std::move(steps_.back()));
            steps_.pop_back();
            ASSERT_GE(reader_.LoadLibrary(projects_.back().get(), false), -1) << GetGlobalMessageBuffer();
            CurrentApplication = projects_.back().get();
            current_ = Snapshot();
        };
        host_.updateControlBars = [] {};
        current_ = Snapshot();
        SetUndoStepHook([this](const std::string& name) {
            undoSteps_.push_back(name);
            steps_.push_back(std::move(current_));
            current_ = Snapshot();
        });
    }

    static std::unique_ptr<CApplicationKav> Snapshot() {
        return std::unique_ptr<CApplicationKav>(
            CurrentApplication->Clone(kCloneKeepId | kCloneTextsFromObjects | kCloneMainFileOnly));
    }

    // The live project, which an undo replaces.
    static CApplicationKav& Project() { return *CurrentApplication; }

    std::string ProjectText() {
        std::string text;
        reader_.SaveProject(false, "", Project(), text);
        return text;
    }

    void Run(const std::string& path) {
        interaction_->paths.push_back(path);
        RunXmiModelDataCommand(host_);
        EXPECT_EQ(LeftInProjectsFolder(), std::vector<std::string>{});
    }

    CTaskKav* Task(const std::string& id) { return Project().FindTask(id, true); }

    XmiImportHost host_;
    int saved_ = 0;
    int undone_ = 0;
    bool cancel_ = false;
    bool failImport_ = false;
    std::vector<std::string> undoSteps_;
    std::unique_ptr<CApplicationKav> current_;
    std::vector<std::unique_ptr<CApplicationKav>> steps_;
    // The projects undo put in place, kept while they may be current.
    std::vector<std::unique_ptr<CApplicationKav>> projects_;
    const std::string model_ = (kGolden / "model.xmi").string();
};

TEST_F(XmiCommandTest, TheSampleImportsAsAFolderWithItsTask) {
    Run(model_);
    EXPECT_EQ(saved_, 1);
    EXPECT_EQ(undoSteps_, std::vector<std::string>{"Import Model Data"});
    CTaskKav* folder = Task("P_Checks");
    ASSERT_NE(folder, nullptr) << ::testing::PrintToString(log_.Lines());
    EXPECT_EQ(folder->GetName(), "Pr\xC3\xBC" "fungen");
    EXPECT_TRUE(folder->IsFolder());
    CTaskKav* task = Task("UC_GetQuote");
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->GetName(), "Get_Quote");
    EXPECT_EQ(task->GetDescription(), "The client enters the vehicle data and gets a quote, or a refusal.");
    ASSERT_NE(task->GetStartStep(), nullptr);
    EXPECT_EQ(task->GetStartStep()->GetName(), "Start");
    std::vector<std::string> afterEnter;
    ASSERT_EQ(task->GetStartStep()->GetSuccessors().size(), 1u);
    const CTaskStep* enter = task->GetStartStep()->GetSuccessors()[0];
    EXPECT_EQ(enter->GetName(), "Enter data");
    for (const CTaskStep* next : enter->GetSuccessors()) afterEnter.push_back(next->GetName());
    EXPECT_EQ(afterEnter, (std::vector<std::string>{"Accept", "Refuse"}));
    EXPECT_EQ(ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), "RecentXMIImport"), model_);

    undoSteps_.clear();
    Run(model_);
    EXPECT_TRUE(Logged("0 new task(s) imported to project")) << ::testing::PrintToString(log_.Lines());
}

TEST_F(XmiCommandTest, AFailedImportIsUndoneAndACancelledOneChangesNothing) {
    // A change before the import stays: only what the import merged goes.
    Task("ro")->SetDescription("changed before");
    RecordUndoStep("Edit Task Properties");
    const std::string before = ProjectText();
    const std::size_t tasks = Project().GetTasks().size();
    failImport_ = true;
    Run(model_);
    EXPECT_EQ(undoSteps_, (std::vector<std::string>{"Edit Task Properties", "Import Model Data"}));
    EXPECT_EQ(undone_, 1);
    EXPECT_EQ(Task("UC_GetQuote"), nullptr);
    EXPECT_EQ(Task("P_Checks"), nullptr);
    EXPECT_EQ(Project().GetTasks().size(), tasks);
    EXPECT_EQ(Task("ro")->GetDescription(), "changed before");
    EXPECT_EQ(ProjectText(), before);

    failImport_ = false;
    cancel_ = true;
    undoSteps_.clear();
    Project().SetModified(0);
    Run(model_);
    EXPECT_TRUE(undoSteps_.empty());
    EXPECT_EQ(undone_, 1);
    EXPECT_EQ(Task("UC_GetQuote"), nullptr);
    EXPECT_EQ(ProjectText(), before);
    EXPECT_FALSE(Project().IsModified());
}

TEST_F(XmiCommandTest, TheProjectsOwnFilesAndNonModelsAreRefusedInABox) {
    const std::string library = WriteProject("Lib.xml", "pl", "Lib", "", "");
    root_.GetFiles().Add(new CFileKav("Lib", "Lib.xml", library));
    struct Case {
        std::string path;
        std::string text;
    };
    const std::vector<Case> cases = {
        {root_.GetMainFile()->GetFullPath(), "You cannot import data from the same project! [W0146]"},
        {library, "You cannot import data from an included library! [W0147]"},
        {WriteFile("plain.xml", "<XMI/>"), "The selected file is not an XMI model file! [W1090]"},
    };
    for (const Case& c : cases) {
        interaction_->messages.clear();
        Run(c.path);
        ASSERT_EQ(interaction_->messages.size(), 1u) << c.path;
        EXPECT_EQ(interaction_->messages[0].text, c.text);
        EXPECT_EQ(interaction_->messages[0].caption, "Invalid Import Source");
    }
    EXPECT_TRUE(undoSteps_.empty());
    EXPECT_FALSE(root_.IsModified());
}

TEST_F(XmiCommandTest, NothingHappensWhenTheProjectIsNotSaved) {
    host_.saveProject = [] { return 0; };
    RunXmiModelDataCommand(host_);
    EXPECT_TRUE(interaction_->pathRequests.empty());
}

}  // namespace
