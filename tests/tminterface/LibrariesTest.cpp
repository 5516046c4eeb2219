// The libraries of VORNAK's project: requested one after the other, checked and merged as they
// arrive, and VORNAK mode once none is left.
#include <unistd.h>

#include "ExchangeFixture.h"
#include "model/TaskKav.h"
#include "tminterface/VornakCommands.h"

namespace {

// A project of three files, the main file using the libraries L2 and L3.
const std::string kThreeFiles =
    "<CMD_DATA_KAVRO><KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"P1\" Name=\"Release\">"
    "<FILE ID=\"L2\" Path=\"Lib2.xml\"/><FILE ID=\"L3\" Path=\"Lib3.xml\"/></PROJECT>"
    "<TASK ID=\"root\" Name=\"Project Release\" Type=\"2\"/></KAVRO_DATA></CMD_DATA_KAVRO>";

// The library of that id: its main task and a task of VORNAK's.
std::string Library(const std::string& id) {
    return "<CMD_DATA_LIB FileID=\"" + id + "\" Name=\"" + id + ".xml\"><KAVRO_DATA Version=\"12.4\">"
           "<PROJECT ID=\"p" + id + "\" Name=\"" + id + "\"/>"
           "<TASK ID=\"" + id + "root\" Name=\"" + id + " tasks\" Type=\"2\"/>"
           "<TASK ID=\"" + id + "v\" Name=\"" + id + " VORNAK\" Type=\"2\" QuVornakTask=\"1\" ParentID=\"" + id +
           "root\"/></KAVRO_DATA></CMD_DATA_LIB>";
}

// The library of that id with the tasks given, written as TASK elements.
std::string LibraryWithTasks(const std::string& id, const std::string& tasks) {
    return "<CMD_DATA_LIB FileID=\"" + id + "\" Name=\"" + id + ".xml\"><KAVRO_DATA Version=\"12.4\">"
           "<PROJECT ID=\"p" + id + "\" Name=\"" + id + "\"/>" + tasks + "</KAVRO_DATA></CMD_DATA_LIB>";
}

std::string LibraryRequest(const std::string& id) {
    return *BuildCommandMessage(kCmdRequestLib, std::to_string(::getpid()),
                                "<CMD_REQUEST_LIB FileID=\"" + id + "\"/>\r\n");
}

class LibrariesTest : public ExchangeTest {
protected:
    // The project of three files has arrived and VORNAK asks to show its root: L2 is requested.
    void ReceiveProjectOfThreeFiles() {
        ReceiveStructure();
        Receive(kThreeFiles);
        EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
        Receive("<CMD_SHOW_TASK TaskID=\"R1\"/>");
        EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
        EXPECT_EQ(NextSent(), LibraryRequest("L2"));
        EXPECT_EQ(vornak->GetState(), kVornakAwaitingLibrary);
    }
};

}  // namespace

TEST_F(LibrariesTest, TheSecondAndThirdFilesAreRequestedThenVornakModeBegins) {
    ReceiveProjectOfThreeFiles();
    Receive(Library("L2"));
    EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
    EXPECT_EQ(NextSent(), LibraryRequest("L3"));
    EXPECT_EQ(vornak->GetState(), kVornakAwaitingLibrary);
    EXPECT_TRUE(host.title.empty());

    Receive(Library("L3"));
    EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
    EXPECT_EQ(vornak->GetState(), kVornakIdle) << Boxes().Texts().front();
    EXPECT_EQ(host.title, "VORNAK Designer (KAVRO) - VORNAK-Mode");
    EXPECT_TRUE(Boxes().Texts().empty()) << Boxes().Texts().front();
    // The libraries' tasks are in the project, their files named as VORNAK sent them.
    CApplicationKav& project = host.Project();
    EXPECT_TRUE(project.FindTask("L2v", true));
    EXPECT_TRUE(project.FindTask("L3v", true));
    ASSERT_TRUE(project.FindFile("L3", true));
    EXPECT_EQ(project.FindFile("L3", true)->GetName(), "L3.xml");
}

TEST_F(LibrariesTest, ALibraryOtherThanTheRequestedOneIsRefused) {
    ReceiveProjectOfThreeFiles();
    Receive(Library("L3"));
    EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
    EXPECT_EQ(Boxes().Texts(),
              std::vector<std::string>{
                  "Fatal Error: VORNAK sent a library with the ID 'L3' instead of the requested library 'L2'! [F0169]"});
    EXPECT_EQ(vornak->GetState(), kVornakAwaitingLibrary);
    EXPECT_FALSE(host.Project().FindTask("L3v", true));
}

TEST_F(LibrariesTest, MergingTakesTheLibrarysIncludesAsFilesOfTheProject) {
    CApplicationKav& project = host.Project();
    project.GetFiles().front()->SetID("M");
    project.GetFiles().Add(new CFileKav("Lib", "Lib.xml", "Lib.xml"))->SetID("L");
    CApplicationKav library;
    CFileKav* libraryMain = library.GetFiles().Add(new CFileKav("Lib"));
    libraryMain->SetID("L");
    libraryMain->UsedFileIds() = {"Sub"};
    library.GetFiles().Add(new CFileKav("Sub", "Sub.xml", "Sub.xml"))->SetID("Sub");

    EXPECT_EQ(vornak->MergeLibrary(project, library), 1);
    ASSERT_TRUE(project.FindFile("Sub", true));
    EXPECT_EQ(project.FindFile("L", true)->UsedFileIds(), std::vector<std::string>{"Sub"});

    struct Case {
        std::string libraryId;
        std::vector<std::string> used;
        std::string message;
    };
    const Case cases[] = {
        {"X", {}, "Fatal Error: libMainFile not found in mainApp->fileList! [F0014]"},
        {"L", {"Missing"}, "Fatal Error: m_includeList does not match fileList! [F0099]"},
    };
    for (const Case& c : cases) {
        Boxes().messages.clear();
        libraryMain->SetID(c.libraryId);
        libraryMain->UsedFileIds() = c.used;
        EXPECT_EQ(vornak->MergeLibrary(project, library), -1);
        EXPECT_EQ(Boxes().Texts(), std::vector<std::string>{c.message});
    }
    CApplicationKav empty;
    empty.GetFiles().DeleteAll();
    Boxes().messages.clear();
    EXPECT_EQ(vornak->MergeLibrary(project, empty), -1);
    EXPECT_EQ(Boxes().Texts(), std::vector<std::string>{"Fatal Error: libApp->fileList is empty! [F0132]"});
}

TEST_F(LibrariesTest, ALibraryWithoutItsMainTaskOrAVornakTaskIsRefused) {
    struct Case {
        std::string tasks;
        std::string message;
    };
    const Case cases[] = {
        // Every task names a parent: none is the library's main task.
        {"<TASK ID=\"L2a\" Name=\"A\" Type=\"2\" ParentID=\"L2b\"/>"
         "<TASK ID=\"L2v\" Name=\"V\" Type=\"2\" QuVornakTask=\"1\" ParentID=\"L2a\"/>",
         "Fatal Error: Library has no mainTask! [F0170]"},
        {"<TASK ID=\"L2root\" Name=\"Root\" Type=\"2\"/>"
         "<TASK ID=\"L2v\" Name=\"V\" Type=\"2\" ParentID=\"L2root\"/>",
         "Fatal Error: Library has no VORNAK root task! [F0171]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Reconnect();
        ReceiveProjectOfThreeFiles();
        ASSERT_TRUE(host.Project().FindFile("L2", true));
        const std::string nameBefore = host.Project().FindFile("L2", true)->GetName();
        Receive(LibraryWithTasks("L2", c.tasks));
        EXPECT_EQ(NextSent(), OwnMessage("<CMD_OK/>"));
        ASSERT_EQ(Boxes().messages.size(), 1u);
        EXPECT_EQ(Boxes().messages[0].text, c.message);
        EXPECT_EQ(Boxes().messages[0].icon, MessageIcon::Error);
        // Nothing of it is taken and L3 is not requested.
        EXPECT_FALSE(host.Project().FindTask("L2v", true));
        EXPECT_EQ(host.Project().FindFile("L2", true)->GetName(), nameBefore);
        EXPECT_EQ(peer.ReadMessage(200ms), std::nullopt);
        EXPECT_TRUE(host.title.empty());
    }
}
