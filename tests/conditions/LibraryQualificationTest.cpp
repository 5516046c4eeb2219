// Designators of library objects get their library prefix after loading.
#include <gtest/gtest.h>

#include "conditions/LibraryQualification.h"
#include "model/WindowKav.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/Refusal.h"

namespace {

// Main file "Proj" including library "Lib"; "Far" is a project file that Proj does not include.
class LibraryQualification : public ProjectTest {
protected:
    CFileKav* far = app.GetFiles().Add(new CFileKav("Far", "Far.xml", "/projects/Far.xml"));

    void SetUp() override {
        project.AddWindow("Own");
        project.AddWindow("Shared");
        project.AddWindow("Shared", nullptr, kWndMain, project.Lib());
        project.AddWindow("Main", nullptr, kWndMain, project.Lib());
        project.AddWindow("Remote", nullptr, kWndMain, far);
        project.AddAttribute("Counter", project.Lib());
        project.AddDataSet("Orders", project.Lib());
    }

    std::string Qualified(const std::string& text, const CFileKav* file) {
        std::string output = "stale";
        EXPECT_EQ(QualifyDesignatorsInText(text, &app, file, output), 1) << GetGlobalMessageBuffer();
        return output;
    }
};

}  // namespace

TEST_F(LibraryQualification, DesignatorsNameTheirObjectsFromTheTextsFile) {
    struct Case {
        const char* text;
        bool inLibrary;
        const char* expected;
    };
    const Case cases[] = {
        {"#Main:$Enabled# = TRUE", false, "#^Lib:Main:$Enabled# = TRUE"},
        {"#Own:$Enabled# AND #SHARED#", false, "#Own:$Enabled# AND #SHARED#"},  // the own file wins
        {"#Shared# AND #Main#", true, "#^Lib:Shared# AND #^Lib:Main#"},
        {"#@Order:Amount#", true, "#^Lib:@Order:Amount#"},
        {"#@Order:Amount#", false, "#@Order:Amount#"},
        {"#:Counter# + 1", true, "#^Lib::Counter# + 1"},
        {"#:counter#", false, "#^Lib::counter#"},
        {"#~Orders:Amount# > 0", false, "#^Lib:~Orders:Amount# > 0"},
        {"#^Lib:Main# AND #^Other:X#", false, "#^Lib:Main# AND #^Other:X#"},
        {"#Remote:$Enabled#", false, "#Remote:$Enabled#"},  // Far is not included
        {"#Main# #~Orders# #Main#", true, "#^Lib:Main# #~Orders# #Main#"},
        // An unknown name leaves its closing "#" to open the next designator.
        {"#Nope# AND #Main#", true, "#Nope# AND #^Lib:Main#"},
        {"#Nope#Main#", true, "#Nope#^Lib:Main#"},
        {"x #Main", true, "x #Main"},
        {"no designator", true, "no designator"},
        {"", true, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Qualified(c.text, c.inLibrary ? project.Lib() : project.Main()), c.expected) << c.text;

    std::string output = "stale";
    EXPECT_EQ(QualifyDesignatorsInText("#Main#", nullptr, project.Main(), output), 0);
    EXPECT_EQ(QualifyDesignatorsInText("#Main#", &app, nullptr, output), 0);
    EXPECT_EQ(output, "");
}

TEST_F(LibraryQualification, ObjectsOfOneNameInTwoOtherFilesAreAmbiguous) {
    CFileKav* lib2 = app.GetFiles().Add(new CFileKav("Lib2", "Lib2.xml", "/projects/Lib2.xml"));
    project.Main()->UsedFileIds().push_back(lib2->GetID());
    project.AddWindow("Main", nullptr, kWndMain, lib2);
    project.AddAttribute("Counter", lib2);
    project.AddDataSet("Orders", lib2);
    std::string output;
    auto qualify = [&](const std::string& text) {
        return Refusal([&] { return QualifyDesignatorsInText(text, &app, project.Main(), output); });
    };
    EXPECT_EQ(qualify("#Own# OR #Main:$Enabled#"),
              "Ambiguous designator in project 'Proj': A window with name 'Main' is existing both in library 'Lib' "
              "and 'Lib2'! [W1210]");
    EXPECT_EQ(qualify("#:Counter#"),
              "Ambiguous designator in project 'Proj': A global attribute with name 'Counter' is existing both in "
              "library 'Lib' and 'Lib2'! [W1206]");
    EXPECT_EQ(qualify("#~Orders:Amount#"),
              "Ambiguous designator in project 'Proj': A data set with name 'Orders' is existing both in library "
              "'Lib' and 'Lib2'! [W1209]");
    // Texts of the library see only their own objects.
    EXPECT_EQ(Qualified("#Main#", project.Lib()), "#^Lib:Main#");
    EXPECT_EQ(Qualified("#Main#", lib2), "#^Lib2:Main#");
}

TEST_F(LibraryQualification, TheProjectPassRewritesEveryTextOnceAndStopsAtAnAmbiguity) {
    CWindowKav* libMain = app.GetWindowList().FindByName("Main", project.Lib());
    CTransitionKav* libTransition = project.AddTransition(libMain, "Main_T1");
    libTransition->SetEvent("#Main:$Caption#");
    libTransition->GetConditions().Add(new CConditionKav("", "#Shared:$Enabled#"));
    CTaskKav* task = project.AddTask("Order");
    CTaskKav* called = project.AddTask("Called");
    called->GetParameters().Add(new CAttributeKav("P", 4, ""));
    CTaskStep* call = AddStep(*task, "Called");
    call->SetSubTask(called);
    call->UpdateSubtaskParameters(called);
    call->SetLoopCount("#:Counter#");
    call->GetAttributes()[0]->SetValue("#Main#");
    CActionKav* action = call->GetActions().Add(new CActionKav(1, "SetAttribute"));
    action->GetArguments().Add(new CArgumentKav(1, "#~Orders:Amount#"));
    CConditionKav* libMeta = project.AddMetaCondition("C1", "#:Counter# > 0", project.Lib());
    CConditionKav* meta = project.AddMetaCondition("C2", "#Own# AND #Main#");

    ASSERT_EQ(QualifyProjectDesignators(&app), 1);
    EXPECT_EQ(libTransition->GetEvent(), "#^Lib:Main:$Caption#");
    EXPECT_EQ(libTransition->GetConditions()[0]->GetText(), "#^Lib:Shared:$Enabled#");
    EXPECT_EQ(call->GetLoopCount(), "#^Lib::Counter#");
    EXPECT_EQ(call->GetAttributes()[0]->GetValue(), "#^Lib:Main#");
    EXPECT_EQ(action->GetArguments()[0]->GetValue(), "#^Lib:~Orders:Amount#");
    EXPECT_EQ(libMeta->GetText(), "#^Lib::Counter# > 0");
    EXPECT_EQ(meta->GetText(), "#Own# AND #^Lib:Main#");

    ASSERT_EQ(QualifyProjectDesignators(&app), 1);  // a second run changes nothing
    EXPECT_EQ(libTransition->GetEvent(), "#^Lib:Main:$Caption#");
    EXPECT_EQ(call->GetLoopCount(), "#^Lib::Counter#");
    EXPECT_EQ(meta->GetText(), "#Own# AND #^Lib:Main#");

    // A window made ambiguous: the task step fails, the meta-conditions after it stay.
    CFileKav* lib2 = app.GetFiles().Add(new CFileKav("Lib2", "Lib2.xml", "/projects/Lib2.xml"));
    project.Main()->UsedFileIds().push_back(lib2->GetID());
    project.AddWindow("Extra", nullptr, kWndMain, project.Lib());
    project.AddWindow("Extra", nullptr, kWndMain, lib2);
    call->SetDescription("#Extra#");
    meta->SetText("#Main#");
    EXPECT_EQ(Refusal([&] { return QualifyProjectDesignators(&app); }),
              "Ambiguous designator in project 'Proj': A window with name 'Extra' is existing both in library 'Lib' "
              "and 'Lib2'! [W1210]");
    EXPECT_EQ(meta->GetText(), "#Main#");
    EXPECT_EQ(QualifyProjectDesignators(nullptr), 0);
    EXPECT_EQ(QualifyStepDesignators(call, &app, nullptr), 0);
}

// A main file that includes no other file sees only its own objects; a library still sees its own.
TEST_F(LibraryQualification, TextsOfAMainFileThatIncludesNoFileStayAsTheyAre) {
    project.Main()->UsedFileIds().clear();
    CTaskStep* step = AddStep(*project.AddTask("Order"), "Step");
    step->SetDescription("#Main# AND #Shared# AND #:Counter#");
    CTransitionKav* libTransition = project.AddTransition(app.GetWindowList().FindByName("Main", project.Lib()), "T");
    libTransition->SetEvent("#Main# AND #Shared#");
    ASSERT_EQ(QualifyProjectDesignators(&app), 1);
    EXPECT_EQ(step->GetDescription(), "#Main# AND #Shared# AND #:Counter#");
    EXPECT_EQ(Qualified(step->GetDescription(), project.Main()), step->GetDescription());
    EXPECT_EQ(libTransition->GetEvent(), "#^Lib:Main# AND #^Lib:Shared#");
}

TEST_F(LibraryQualification, LookupsDuringThePassDoNotMoveItsWalk) {
    // Buckets of the names: "a" 7, "b" 8, "c" 9. Each transition names a window entered before
    // its own, so a walk that looked names up with the table's cursor would come back to it.
    CWindowList& table = app.GetWindowList();
    std::vector<CTransitionKav*> transitions;
    for (const char* name : {"a", "b", "c"}) {
        CWindowKav* window = project.AddWindow(name, nullptr, kWndMain, project.Lib());
        transitions.push_back(project.AddTransition(window, std::string(name) + "_T1"));
        transitions.back()->SetEvent("#a# AND #b#");
    }
    const std::vector<CWindowKav*> order = table.Snapshot();
    ASSERT_EQ(table.GetFirst(), order[0]);
    ASSERT_EQ(QualifyProjectDesignators(&app), 1);
    for (const CTransitionKav* transition : transitions)
        EXPECT_EQ(transition->GetEvent(), "#^Lib:a# AND #^Lib:b#");
    EXPECT_EQ(table.GetNext(), order[1]);  // the caller's walk goes on where it stood
}
