#include <gtest/gtest.h>

#include "model/ApplicationKav.h"
#include "model/GUIBuilder.h"
#include "model/GUIBuilderList.h"
#include "model/ShellServices.h"
#include "platform/MessageLog.h"
#include "shell/ProjectSession.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ScratchFolder.h"

namespace {

const std::string kRootTask = "<TASK ID=\"root\" Name=\"Root\" Type=\"2\"/>";

std::string ProjectText(const std::string& elements, const std::string& version = "12.4") {
    return "<KAVRO_DATA Version=\"" + version + "\"><PROJECT ID=\"pm\" Name=\"Main\"/>" + kRootTask + elements +
           "</KAVRO_DATA>";
}

class ProjectSessionTest : public ::testing::Test {
protected:
    std::vector<MessageRequest> Shown() const { return TestInteraction().messages; }

    ScratchFolder folder_;
    CProjectSession session_;
    MessageLog log_;
};

}  // namespace

TEST_F(ProjectSessionTest, TheSessionsRootIsTheCurrentApplicationUntilItEnds) {
    {
        CProjectSession session;
        EXPECT_EQ(CurrentApplication, &session.Root());
        EXPECT_FALSE(session.IsProjectOpen());
    }
    EXPECT_EQ(CurrentApplication, nullptr);
}

TEST_F(ProjectSessionTest, AProjectLoadsIntoTheRootWithTheLoadersLog) {
    const std::string path = folder_.Write("Main.xml", ProjectText("<WND ID=\"w\" Name=\"Main1\" Type=\"0\"/>"));
    ASSERT_EQ(session_.OpenProjectFromCommandLine(path, &log_), 1);
    EXPECT_TRUE(session_.IsProjectOpen());
    EXPECT_FALSE(session_.HasLoadErrors());
    EXPECT_EQ(CurrentApplication, &session_.Root());
    EXPECT_EQ(session_.Root().GetName(), "Main");
    EXPECT_NE(session_.Root().GetWindowList().FindByName("Main1", nullptr), nullptr);
    EXPECT_EQ(session_.Root().IsModified(), 0);
    EXPECT_EQ(log_.Lines().front(), "Checking Include Hierarchy");
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ProjectSessionTest, ACommandLinePathThatNamesNoFileIsRefusedWithItsPathAsGiven) {
    for (const std::string& path : {std::string("missing.xml"), folder_.Path().string()}) {
        TestInteraction().messages.clear();
        EXPECT_EQ(session_.OpenProjectFromCommandLine(path, &log_), 0);
        ASSERT_EQ(Shown().size(), 1u);
        EXPECT_EQ(Shown()[0].text, "Invalid command line parameter: Project file '" + path + "' not found! [W0874]");
        EXPECT_EQ(Shown()[0].caption, "File not found");
        EXPECT_EQ(Shown()[0].icon, MessageIcon::Warning);
    }
    EXPECT_TRUE(log_.Lines().empty());
    EXPECT_FALSE(session_.IsProjectOpen());
}

// The command line's load reports a failure that the frame would only show: the caller learns
// it from IsProjectOpen.
TEST_F(ProjectSessionTest, AFileThatDoesNotLoadLeavesAnEmptyProjectAndSaysWhy) {
    const std::string path = folder_.Write("Broken.xml", ProjectText("<WND ID=\"w\" Name=\"Main1\" Type=\"0\">"));
    EXPECT_EQ(session_.OpenProjectFromCommandLine(path, &log_), 1);
    EXPECT_FALSE(session_.IsProjectOpen());
    EXPECT_EQ(session_.Root().GetWindowList().GetCount(), 0u);
    EXPECT_EQ(session_.Root().GetName(), "");
    EXPECT_EQ(CurrentApplication, &session_.Root());
    ASSERT_FALSE(Shown().empty());
    EXPECT_NE(Shown().back().text.find("[W1110]"), std::string::npos) << Shown().back().text;
    EXPECT_EQ(session_.LoadProject(path, true, &log_), 0);
}

// The include check shows each problem of a file as it meets it; a load that fails there is
// not reported a second time, while a failure of the full read, which the loader only logs, is
// shown once.
TEST_F(ProjectSessionTest, EachMessageOfAFailedLoadIsShownOnce) {
    struct Case {
        std::string mainText;
        std::string libraryText;  // Lib.xml beside the main file, when not empty
        std::string code;
    };
    const std::string includesLibrary = "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"pm\" Name=\"Main\">"
                                         "<FILE ID=\"fl\" Path=\"Lib.xml\"/></PROJECT>" +
                                         kRootTask + "</KAVRO_DATA>";
    const Case cases[] = {
        {"<?xml version=\"1.0\"?><PROJECT>", "", "[W1110]"},
        {ProjectText("<WND ID=\"w\" Name=\"Main1\" Type=\"0\">"), "", "[W1110]"},
        {includesLibrary, "", "[W0857]"},
        {includesLibrary,
         "<KAVRO_DATA Version=\"12.4\"><PROJECT ID=\"pl\" Name=\"Lib\"><FILE ID=\"self\" Path=\"Lib.xml\"/>"
         "</PROJECT></KAVRO_DATA>",
         "[W1204]"},
    };
    for (const Case& c : cases) {
        TestInteraction().messages.clear();
        std::filesystem::remove(folder_.Path() / "Lib.xml");
        if (!c.libraryText.empty()) folder_.Write("Lib.xml", c.libraryText);
        const std::string path = folder_.Write("Main.xml", c.mainText);
        EXPECT_EQ(session_.LoadProject(path, true, &log_), 0);
        int shown = 0;
        for (const MessageRequest& message : Shown()) shown += message.text.find(c.code) != std::string::npos;
        EXPECT_EQ(shown, 1) << c.mainText;
    }
}

TEST_F(ProjectSessionTest, ALoadWithErrorsOpensTheProjectAndSaysSo) {
    const std::string path = folder_.Write(
        "Main.xml", ProjectText("<TASK ID=\"t\" ParentID=\"root\" Name=\"T\" Type=\"0\" StartID=\"s\">"
                                "<TASKSTEP ID=\"s\" StartWndID=\"gone\"/></TASK>"));
    EXPECT_EQ(session_.LoadProject(path, true, &log_), 1);
    EXPECT_TRUE(session_.IsProjectOpen());
    EXPECT_TRUE(session_.HasLoadErrors());
    EXPECT_EQ(session_.Root().GetTasks().size(), 2u);
}

TEST_F(ProjectSessionTest, AnOlderProjectIsAnnouncedConvertedAndMarkedModified) {
    // Before 11.3 a task without OwnScript was a building block.
    const std::string path = folder_.Write(
        "Old.xml", "<KAVRO_DATA Version=\"11.2.1\"><PROJECT ID=\"pm\" Name=\"Old\"/>"
                   "<TASK ID=\"root\" Name=\"Root\" Type=\"0\" OwnScript=\"1\" StartID=\"r1\">"
                   "<TASKSTEP ID=\"r1\" SubTaskID=\"bb\"/></TASK>"
                   "<TASK ID=\"bb\" ParentID=\"root\" Name=\"Block\" Type=\"1\" StartID=\"b1\">"
                   "<TASKSTEP ID=\"b1\" Name=\"Only\"/></TASK></KAVRO_DATA>");
    ASSERT_EQ(session_.LoadProject(path, true, &log_), 1) << (Shown().empty() ? "" : Shown().back().text);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_EQ(Shown()[0].text,
              "This project has been created by an older version of KAVRO.\nPlease wait while the data is converted "
              "into the new version! [W0860]");
    EXPECT_EQ(Shown()[0].caption, "Converting Old Project");
    EXPECT_EQ(Shown()[0].icon, MessageIcon::Information);
    EXPECT_EQ(session_.Root().IsModified(), 1);
    EXPECT_EQ(session_.Root().FindTask("bb", true)->GetType(), kTaskFolder);

    TestInteraction().messages.clear();
    ASSERT_EQ(session_.LoadProject(path, false, &log_), 1);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ProjectSessionTest, AVersionTheConversionDoesNotKnowClosesTheProject) {
    const std::string path = folder_.Write("Odd.xml", ProjectText("", "12.3.5"));
    EXPECT_EQ(session_.LoadProject(path, true, &log_), 0);
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[1].text, "Unknown project version '12.3.5'!\nPlease contact the KAVRO support for help. [W0888]");
    EXPECT_EQ(Shown()[1].caption, "Conversion Error");
    EXPECT_FALSE(session_.IsProjectOpen());
    EXPECT_EQ(session_.Root().GetRootTask(), nullptr);
}

TEST_F(ProjectSessionTest, ALoadReplacesTheOpenProjectUnlessTheCloseIsRefused) {
    const std::string first = folder_.Write("First.xml", ProjectText("<WND ID=\"w1\" Name=\"One\" Type=\"0\"/>"));
    const std::string second = folder_.Write("Second.xml", ProjectText("<WND ID=\"w2\" Name=\"Two\" Type=\"0\"/>"));
    ASSERT_EQ(session_.LoadProject(first, true, &log_), 1);
    CApplicationKav* firstRoot = &session_.Root();

    session_.confirmClose = [] { return false; };
    EXPECT_EQ(session_.LoadProject(second, true, &log_), 0);
    EXPECT_EQ(&session_.Root(), firstRoot);
    EXPECT_TRUE(session_.IsProjectOpen());

    session_.confirmClose = [] { return true; };
    ASSERT_EQ(session_.LoadProject(second, true, &log_), 1);
    EXPECT_EQ(CurrentApplication, &session_.Root());
    EXPECT_EQ(session_.Root().GetWindowList().FindByName("One", nullptr), nullptr);
    EXPECT_NE(session_.Root().GetWindowList().FindByName("Two", nullptr), nullptr);
}

TEST_F(ProjectSessionTest, ClosingDropsTheProjectsGuiBuildersAndClipboard) {
    GetGuiBuilderDatabase().Add(new CGUIBuilder("UserBuilder", 5, 0));
    GetGuiBuilderDatabase().Add(new CGUIBuilder("Predefined", 995, 1));
    session_.CloseProject();
    ASSERT_EQ(GetGuiBuilderDatabase().size(), 1u);
    EXPECT_EQ(GetGuiBuilderDatabase()[0]->GetGuiID(), 995);
    EXPECT_FALSE(session_.IsProjectOpen());
}

TEST_F(ProjectSessionTest, WithoutAPathTheUserChoosesTheProject) {
    const std::string path = folder_.Write("Chosen.xml", ProjectText(""));
    TestInteraction().paths = {std::nullopt, path};
    EXPECT_EQ(session_.OpenProjectFromCommandLine("", &log_), 1);
    EXPECT_FALSE(session_.IsProjectOpen());
    ASSERT_EQ(TestInteraction().pathRequests.size(), 1u);
    EXPECT_EQ(TestInteraction().pathRequests[0].title, "Open File");
    EXPECT_EQ(TestInteraction().pathRequests[0].filter, "XML Files (*.xml)|*.xml|All files (*.*)|*.*||");

    EXPECT_EQ(session_.OpenProjectFromCommandLine("", &log_), 1);
    EXPECT_TRUE(session_.IsProjectOpen());
}
