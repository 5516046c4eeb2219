// The GUI builder editor and the window class editor on the installed builders: what they
// refuse, and what OK and Cancel leave in the database and the project.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "capture/GUIBuilderEditorDlg.h"
#include "capture/ListRowTexts.h"
#include "capture/WinClassEditorDlg.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "shell/ProjectSession.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

namespace {

using Builders = CGUIBuilderEditorDlg;
using Classes = CWinClassEditorDlg;

const Refused kNoRefusal{};

class GUIBuilderEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CXMLDataManager().LoadPredefinedGuiBuilders()) << GetGlobalMessageBuffer();
    }

    CGUIBuilderList& Database() { return GetGuiBuilderDatabase(); }

    // The builders of the database as they stand: the objects and their names.
    std::vector<std::pair<const CGUIBuilder*, std::string>> Snapshot() {
        std::vector<std::pair<const CGUIBuilder*, std::string>> builders;
        for (const CGUIBuilder* builder : Database()) builders.emplace_back(builder, builder->GetName());
        return builders;
    }

    // Runs the builder editor with the steps in its open dialog; the editor's result.
    bool EditBuilders(CApplicationKav& project, std::function<int(Builders&)> steps) {
        host.session = [&steps](EditorDialog& dialog) { return steps(static_cast<Builders&>(dialog)); };
        Builders editor(host, Database(), project);
        return editor.EditBuilderList();
    }

    static int RowOf(const EditorDialog& dialog, int list, const std::string& name) {
        return FindRowByFirstText(dialog.List(list), name);
    }

    static void Choose(EditorDialog& dialog, int list, const std::string& name) {
        const int row = RowOf(dialog, list, name);
        ASSERT_GE(row, 0) << name;
        dialog.ChooseRow(list, row);
    }

    FakeEditorHost host;
};

TEST_F(GUIBuilderEditorTest, RefusesNamesTooLongEmptyOrTaken) {
    TestProject project;
    EditBuilders(project.App(), [](Builders& editor) {
        const std::vector<std::string> columns{editor.List(Builders::kBuilderList).Columns()[0].title,
                                               editor.List(Builders::kBuilderList).Columns()[1].title};
        EXPECT_EQ(columns, (std::vector<std::string>{"Name", "Predefined"}));
        EXPECT_EQ(editor.GetDefaultButton(), Builders::kSet);
        EXPECT_FALSE(editor.IsEnabled(Builders::kDelete));
        EXPECT_EQ(editor.List(Builders::kBuilderList).RowTexts(0).front(), ".NET Windows Forms");
        editor.SetText(Builders::kBuilderName, std::string(31, 'x'));
        EXPECT_EQ(Attempt(editor, [&] { return editor.ApplyName(); }),
                  (Refused{"The name must not be longer than 30 characters! [W0039]", "Invalid Name",
                           Builders::kBuilderName}));
        editor.SetText(Builders::kBuilderName, "standard windows");
        EXPECT_EQ(Attempt(editor, [&] { return editor.ApplyName(); }),
                  (Refused{"A GUI builder with this name is already existing! [W0366]", "Invalid Name",
                           Builders::kBuilderName}));
        editor.SetText(Builders::kBuilderName, "");
        EXPECT_EQ(Attempt(editor, [&] { editor.OnWindowClasses(); }),
                  (Refused{"Please enter a valid name! [W0363]", "Invalid Name", Builders::kBuilderName}));
        editor.SetText(Builders::kBuilderName, std::string(30, 'x'));
        EXPECT_EQ(Attempt(editor, [&] { return editor.ApplyName(); }), kNoRefusal);
        EXPECT_GE(RowOf(editor, Builders::kBuilderList, std::string(30, 'x')), 0);
        // Another builder's name for the chosen one.
        Choose(editor, Builders::kBuilderList, std::string(30, 'x'));
        editor.SetText(Builders::kBuilderName, "GTK");
        EXPECT_EQ(Attempt(editor, [&] { return editor.ApplyName(); }),
                  (Refused{"A GUI builder with this name is already existing! [W0365]", "Invalid Name",
                           Builders::kBuilderName}));
        return kIdCancel;
    });
    EXPECT_EQ(host.helpTopics.size(), 0u);
}

TEST_F(GUIBuilderEditorTest, APredefinedBuilderCannotBeRenamedOrDeletedAUserDefinedOneCan) {
    TestProject project;
    EditBuilders(project.App(), [](Builders& editor) {
        Choose(editor, Builders::kBuilderList, "Java");
        EXPECT_EQ(editor.GetText(Builders::kBuilderName), "Java");
        EXPECT_FALSE(editor.IsEnabled(Builders::kBuilderName));
        EXPECT_FALSE(editor.IsEnabled(Builders::kDelete));
        editor.SetText(Builders::kBuilderName, "");
        editor.OnNew();
        editor.SetText(Builders::kBuilderName, "Mine");
        EXPECT_TRUE(editor.ApplyName());
        Choose(editor, Builders::kBuilderList, "Mine");
        EXPECT_TRUE(editor.IsEnabled(Builders::kBuilderName));
        EXPECT_TRUE(editor.IsEnabled(Builders::kDelete));
        EXPECT_EQ(editor.GetFocusRequest().control, Builders::kBuilderName);
        // A click beside the rows starts a new name.
        editor.ChooseRow(Builders::kBuilderList, -1);
        EXPECT_EQ(editor.GetText(Builders::kBuilderName), "");
        EXPECT_FALSE(editor.IsEnabled(Builders::kDelete));
        return kIdCancel;
    });
}

TEST_F(GUIBuilderEditorTest, ANewBuilderTakesTheNextGuiIdAndIsSavedWithTheProject) {
    TestProject project;
    TestInteraction().answers.push_back(MessageAnswer::Yes);
    const bool replaced = EditBuilders(project.App(), [](Builders& editor) {
        editor.SetText(Builders::kBuilderName, "MyKit");
        EXPECT_TRUE(editor.ApplyName());
        EXPECT_EQ(editor.GetText(Builders::kBuilderName), "");
        EXPECT_EQ(editor.List(Builders::kBuilderList).GetHighlighted(), -1);
        const int row = FindRowByFirstText(editor.List(Builders::kBuilderList), "MyKit");
        EXPECT_EQ(editor.List(Builders::kBuilderList).RowTexts(row), (std::vector<std::string>{"MyKit", "N"}));
        return editor.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_TRUE(replaced);
    EXPECT_TRUE(project.App().IsModified());
    CGUIBuilder* kit = Database().FindBuilder("MyKit", false);
    ASSERT_TRUE(kit);
    EXPECT_EQ(kit->GetGuiID(), 1000);
    EXPECT_FALSE(kit->IsPreDef());
    EXPECT_EQ(kit->GetFile(), project.Main());

    ScratchFolder folder;
    const std::string path = (folder.Path() / "Kit.xml").string();
    std::string unused;
    ASSERT_EQ(CXMLDataManager().SaveProject(true, path, project.App(), unused), 1) << GetGlobalMessageBuffer();
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_NE(text.str().find("<GUIBUILDER ID=\"" + kit->GetId() + "\" GuiID=\"1000\" Name=\"MyKit\""),
              std::string::npos)
        << text.str();
    EXPECT_EQ(std::system(("xmllint --noout '" + path + "'").c_str()), 0);
}

TEST_F(GUIBuilderEditorTest, CancelOrOKWithoutAChangeLeavesEveryBuilderAsItWas) {
    TestProject project;
    const auto before = Snapshot();
    // A change, then Cancel and Yes to losing it.
    TestInteraction().answers.push_back(MessageAnswer::Yes);
    EXPECT_FALSE(EditBuilders(project.App(), [](Builders& editor) {
        editor.SetText(Builders::kBuilderName, "Gone");
        editor.ApplyName();
        return editor.OnCancel() ? kIdCancel : kIdOk;
    }));
    // A builder chosen, then OK with the name field emptied.
    EXPECT_FALSE(EditBuilders(project.App(), [](Builders& editor) {
        Choose(editor, Builders::kBuilderList, "Web");
        editor.SetText(Builders::kBuilderName, "");
        return editor.OnOK() ? kIdOk : kIdCancel;
    }));
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(project.App().IsModified());
    EXPECT_EQ(TestInteraction().Texts(),
              (std::vector<std::string>{"Are you sure you want to close the window and lose all changes? [Q0013]"}));
}

TEST_F(GUIBuilderEditorTest, CancelAfterAChangeAsksAndNoKeepsTheEdits) {
    TestProject project;
    TestInteraction().answers.push_back(MessageAnswer::No);
    EditBuilders(project.App(), [](Builders& editor) {
        editor.SetText(Builders::kBuilderName, "Kept");
        editor.ApplyName();
        EXPECT_FALSE(editor.OnCancel());
        EXPECT_GE(FindRowByFirstText(editor.List(Builders::kBuilderList), "Kept"), 0);
        EXPECT_TRUE(editor.IsModified());
        return kIdCancel;
    });
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].caption, "Cancel GUI Builder Editor");
    EXPECT_EQ(TestInteraction().messages[0].buttons, MessageButtons::YesNo);
}

TEST_F(GUIBuilderEditorTest, RenamingOneUserBuilderReplacesOnlyThatOne) {
    TestProject project;
    EditBuilders(project.App(), [](Builders& editor) {
        for (const char* name : {"First", "Second"}) {
            editor.SetText(Builders::kBuilderName, name);
            editor.ApplyName();
        }
        return editor.OnOK() ? kIdOk : kIdCancel;
    });
    const auto before = Snapshot();
    CGUIBuilder* first = Database().FindBuilder("First", false);
    ASSERT_TRUE(first);
    const std::string firstId = first->GetId();
    EXPECT_TRUE(EditBuilders(project.App(), [](Builders& editor) {
        Choose(editor, Builders::kBuilderList, "First");
        editor.SetText(Builders::kBuilderName, "Renamed");
        return editor.OnOK() ? kIdOk : kIdCancel;
    }));
    const auto after = Snapshot();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i) {
        if (before[i].second == "First") {
            EXPECT_NE(after[i].first, before[i].first);
            EXPECT_EQ(after[i].second, "Renamed");
            EXPECT_EQ(after[i].first->GetId(), firstId);
        } else {
            EXPECT_EQ(after[i], before[i]);
        }
    }
}

TEST_F(GUIBuilderEditorTest, DeleteAsksAndTakesTheBuilderOutOnOK) {
    TestProject project;
    EditBuilders(project.App(), [](Builders& editor) {
        editor.SetText(Builders::kBuilderName, "Doomed");
        editor.ApplyName();
        return editor.OnOK() ? kIdOk : kIdCancel;
    });
    const size_t count = Database().size();
    TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
    EXPECT_TRUE(EditBuilders(project.App(), [](Builders& editor) {
        Choose(editor, Builders::kBuilderList, "Doomed");
        editor.OnDelete();
        EXPECT_GE(FindRowByFirstText(editor.List(Builders::kBuilderList), "Doomed"), 0);
        editor.OnDelete();
        EXPECT_LT(FindRowByFirstText(editor.List(Builders::kBuilderList), "Doomed"), 0);
        EXPECT_EQ(editor.List(Builders::kBuilderList).GetHighlighted(), -1);
        return editor.OnOK() ? kIdOk : kIdCancel;
    }));
    EXPECT_EQ(Database().size(), count - 1);
    EXPECT_EQ(Database().FindBuilder("Doomed", false), nullptr);
    ASSERT_EQ(TestInteraction().messages.size(), 2u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Do you really want to delete this GUI builder ? [Q0012]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Delete GUI Builder");
}

// ---- The window class editor, opened from the builder editor.

class WinClassEditorTest : public GUIBuilderEditorTest {
protected:
    // Opens the class editor on the builder of that name from the builder editor, runs the
    // steps in it and ends the builder editor as the steps' result says.
    bool EditClasses(CApplicationKav& project, const std::string& builder, std::function<int(Classes&)> steps) {
        host.session = [&](EditorDialog& dialog) -> int {
            if (auto* classes = dynamic_cast<Classes*>(&dialog)) return steps(*classes);
            auto& editor = static_cast<Builders&>(dialog);
            Choose(editor, Builders::kBuilderList, builder);
            editor.OnWindowClasses();
            return editor.OnOK() ? kIdOk : kIdCancel;
        };
        Builders editor(host, Database(), project);
        return editor.EditBuilderList();
    }
};

TEST_F(WinClassEditorTest, RefusesLongNamesAndAMissingType) {
    TestProject project;
    EditClasses(project.App(), "Standard Windows", [](Classes& editor) {
        EXPECT_EQ(editor.GetTitle(), "Window Classes for Standard Windows");
        EXPECT_EQ(editor.Control(Classes::kBaseClass).items.size(), 22u);
        EXPECT_EQ(editor.List(Classes::kClassList).Columns().size(), 4u);
        editor.SetText(Classes::kClassName, std::string(51, 'c'));
        editor.SetText(Classes::kBaseClass, "Input Field");
        EXPECT_EQ(Attempt(editor, [&] { return editor.ApplyClass(); }),
                  (Refused{"The name must not be longer than 50 characters! [W0520]", "Invalid Name",
                           Classes::kClassName}));
        editor.SetText(Classes::kClassName, std::string(50, 'c'));
        editor.SetText(Classes::kBaseClass, "");
        EXPECT_EQ(Attempt(editor, [&] { return editor.ApplyClass(); }),
                  (Refused{"Please select a window type! [W0521]", "Missing Type", Classes::kBaseClass}));
        editor.SetText(Classes::kClassName, "");
        editor.SetText(Classes::kBaseClass, "Input Field");
        EXPECT_EQ(Attempt(editor, [&] { return editor.ApplyClass(); }),
                  (Refused{"Please enter a valid name! [W0364]", "Invalid Name", Classes::kClassName}));
        editor.SetText(Classes::kClassName, std::string(50, 'c'));
        EXPECT_EQ(Attempt(editor, [&] { return editor.ApplyClass(); }), kNoRefusal);
        editor.SetText(Classes::kClassName, std::string(50, 'C'));
        editor.SetText(Classes::kBaseClass, "Input Field");
        EXPECT_EQ(Attempt(editor, [&] { return editor.ApplyClass(); }),
                  (Refused{"A window class with this name is already existing! [W0523]", "Invalid Name",
                           Classes::kClassName}));
        return kIdCancel;
    });
}

TEST_F(WinClassEditorTest, ANewDefaultOfATypeTakesTheMarkFromTheFormerOne) {
    TestProject project;
    EditClasses(project.App(), "Standard Windows", [](Classes& editor) {
        for (const char* name : {"FirstEdit", "SecondEdit"}) {
            editor.SetText(Classes::kClassName, name);
            editor.SetText(Classes::kBaseClass, "Input Field");
            editor.SetChecked(Classes::kDefaultBox, true);
            EXPECT_TRUE(editor.ApplyClass());
        }
        const EditorList& rows = editor.List(Classes::kClassList);
        EXPECT_EQ(rows.RowTexts(FindRowByFirstText(rows, "SecondEdit")),
                  (std::vector<std::string>{"SecondEdit", "Input Field", "N", "Y"}));
        EXPECT_EQ(rows.RowTexts(FindRowByFirstText(rows, "FirstEdit")).back(), "N");
        for (int row = 0; row < rows.RowCount(); ++row)
            if (rows.RowTexts(row)[1] == "Input Field" && rows.RowTexts(row)[0] != "SecondEdit") {
                EXPECT_EQ(rows.RowTexts(row)[3], "N") << rows.RowTexts(row)[0];
            }
        // A predefined class only takes the default mark.
        const int predefined = FindRowByFirstText(rows, "Edit");
        EXPECT_GE(predefined, 0);
        editor.ChooseRow(Classes::kClassList, predefined);
        EXPECT_FALSE(editor.IsEnabled(Classes::kClassName));
        EXPECT_FALSE(editor.IsEnabled(Classes::kBaseClass));
        EXPECT_FALSE(editor.IsEnabled(Classes::kDelete));
        return kIdCancel;
    });
}

TEST_F(WinClassEditorTest, AClassAddedToAPredefinedBuilderIsSavedWithTheProjectAndGoneWhenItCloses) {
    CProjectSession session;
    CApplicationKav& project = session.Root();
    CGUIBuilder* standard = Database().FindBuilder("Standard Windows", false);
    const size_t classCount = standard->GetWindowClasses().size();
    EXPECT_TRUE(EditClasses(project, "Standard Windows", [](Classes& editor) {
        editor.SetText(Classes::kClassName, "MyEdit*");
        editor.SetText(Classes::kBaseClass, "Input Field");
        EXPECT_TRUE(editor.ApplyClass());
        return editor.OnOK() ? kIdOk : kIdCancel;
    }));
    EXPECT_TRUE(project.IsModified());
    standard = Database().FindBuilder("Standard Windows", false);
    ASSERT_EQ(standard->GetWindowClasses().size(), classCount + 1);
    const CWindowClass* mine = standard->GetWindowClasses().back();
    EXPECT_EQ(mine->GetName(), "MyEdit*");
    EXPECT_EQ(mine->GetBaseType(), 6);
    EXPECT_FALSE(mine->IsPreDef());

    std::string saved;
    ASSERT_EQ(CXMLDataManager().SaveProject(false, "", project, saved), 1) << GetGlobalMessageBuffer();
    EXPECT_NE(saved.find("Name=\"MyEdit*\" BaseType=\"6\""), std::string::npos) << saved;
    session.CloseProject();
    EXPECT_EQ(Database().FindBuilder("Standard Windows", false)->GetWindowClasses().size(), classCount);
}

TEST_F(WinClassEditorTest, CancelInTheClassEditorChangesNothing) {
    TestProject project;
    const size_t classCount = Database().FindBuilder("Java", false)->GetWindowClasses().size();
    EXPECT_TRUE(EditClasses(project.App(), "Java", [](Classes& editor) {
        editor.SetText(Classes::kClassName, "Dropped");
        editor.SetText(Classes::kBaseClass, "Push Button");
        editor.ApplyClass();
        return kIdCancel;
    }));
    // The name was applied again, which counts as a change of the builder, but its classes stay.
    const CGUIBuilder* after = Database().FindBuilder("Java", false);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->GetWindowClasses().size(), classCount);
    EXPECT_EQ(after->FindWindowClass("Dropped"), nullptr);
}


TEST_F(WinClassEditorTest, WindowClassesWithAnEmptyNameWarnsAndOpensNoClassEditor) {
    TestProject project;
    std::vector<std::string> opened;  // the titles of the class editors run
    host.session = [&opened](EditorDialog& dialog) -> int {
        if (auto* classes = dynamic_cast<Classes*>(&dialog)) {
            opened.push_back(classes->GetTitle());
            return kIdCancel;
        }
        auto& editor = static_cast<Builders&>(dialog);
        const Refused emptyName{"Please enter a valid name! [W0363]", "Invalid Name", Builders::kBuilderName};
        EXPECT_EQ(Attempt(editor, [&] { editor.OnWindowClasses(); }), emptyName);
        EXPECT_TRUE(opened.empty());
        EXPECT_FALSE(editor.IsModified());
        // A user builder chosen, its name then emptied: it keeps its name.
        editor.SetText(Builders::kBuilderName, "Mine");
        EXPECT_TRUE(editor.ApplyName());
        Choose(editor, Builders::kBuilderList, "Mine");
        editor.SetText(Builders::kBuilderName, "");
        EXPECT_EQ(Attempt(editor, [&] { editor.OnWindowClasses(); }), emptyName);
        EXPECT_TRUE(opened.empty());
        EXPECT_GE(RowOf(editor, Builders::kBuilderList, "Mine"), 0);
        // With a name the class editor does open.
        Choose(editor, Builders::kBuilderList, "Java");
        editor.OnWindowClasses();
        EXPECT_EQ(opened, std::vector<std::string>{"Window Classes for Java"});
        return kIdCancel;
    };
    Builders editor(host, Database(), project.App());
    EXPECT_FALSE(editor.EditBuilderList());
}

TEST_F(WinClassEditorTest, AClassMayNotTakeAnotherClassesNameAndDeleteAsksFirst) {
    TestProject project;
    auto classNames = [this] {
        std::vector<std::string> names;
        for (const CWindowClass* windowClass : Database().FindBuilder("Java", false)->GetWindowClasses())
            names.push_back(windowClass->GetName());
        return names;
    };
    std::vector<std::string> expected = classNames();
    EXPECT_TRUE(EditClasses(project.App(), "Java", [](Classes& editor) {
        for (const char* name : {"Alpha", "Beta"}) {
            editor.SetText(Classes::kClassName, name);
            editor.SetText(Classes::kBaseClass, "Push Button");
            EXPECT_TRUE(editor.ApplyClass());
        }
        const EditorList& rows = editor.List(Classes::kClassList);
        Choose(editor, Classes::kClassList, "Beta");
        editor.SetText(Classes::kClassName, "ALPHA");
        EXPECT_EQ(Attempt(editor, [&] { return editor.ApplyClass(); }),
                  (Refused{"A window class with this name is already existing! [W0522]", "Invalid Name",
                           Classes::kClassName}));
        const int beta = RowOf(editor, Classes::kClassList, "Beta");
        EXPECT_EQ(rows.GetHighlighted(), beta);
        if (beta >= 0) {
            EXPECT_EQ(rows.RowTexts(beta).front(), "Beta");
        }
        // Its own name in other letters is no clash.
        editor.SetText(Classes::kClassName, "BETA");
        EXPECT_EQ(Attempt(editor, [&] { return editor.ApplyClass(); }), kNoRefusal);

        Choose(editor, Classes::kClassList, "Alpha");
        EXPECT_TRUE(editor.IsEnabled(Classes::kDelete));
        TestInteraction().answers = {MessageAnswer::No, MessageAnswer::Yes};
        editor.OnDelete();
        EXPECT_GE(RowOf(editor, Classes::kClassList, "Alpha"), 0);
        editor.OnDelete();
        EXPECT_LT(RowOf(editor, Classes::kClassList, "Alpha"), 0);
        EXPECT_EQ(rows.GetHighlighted(), -1);
        EXPECT_FALSE(editor.IsEnabled(Classes::kDelete));
        const auto& asked = TestInteraction().messages;
        EXPECT_EQ(asked.size(), 2u);
        for (const MessageRequest& question : asked) {
            EXPECT_EQ(question.text, "Do you really want to delete this window class ? [Q0027]");
            EXPECT_EQ(question.caption, "Delete Window Class");
            EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        }
        return editor.OnOK() ? kIdOk : kIdCancel;
    }));
    expected.push_back("BETA");
    EXPECT_EQ(classNames(), expected);
}

}  // namespace
