// The window base object: attaching, equality, absolute rectangles, copies and tool data.
#include <gtest/gtest.h>

#include "model/CloneFlags.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/Refusal.h"
#include "tests/support/WindowBuilder.h"

namespace {

CXMLElement* SmurfData(const std::string& application) {
    return MakeElement("smurfData", "", {}, {MakeElement("application", application)});
}

}  // namespace

TEST(WindowKav, AttachingChecksEverythingBeforeItMovesTheChild) {
    auto dialog = MakeWindow("Dlg", kWndDialogBox);
    auto group = MakeWindow("Grp", kWndGroupBox);
    auto button = MakeWindow("OK", kWndPushButton);
    auto other = MakeWindow("Other", kWndDialogBox);
    ASSERT_TRUE(dialog->AddChild(group.get()));
    ASSERT_TRUE(group->AddChild(button.get()));

    EXPECT_EQ(Refusal([&] { return button->AddChild(dialog.get()); }),
              "Illegal relationship: No cycles are allowed in the window hierarchy! [W0527]");
    EXPECT_EQ(Refusal([&] { return group->AddChild(button.get()); }),
              "Window OK is already a child of window Grp! [W0528]");
    EXPECT_EQ(Refusal([&] { return other->RemoveChild(button.get()); }),
              "Cannot delete relationship: Window OK is not a child of window Other! [W0535]");
    EXPECT_EQ(button->GetParent(), group.get());

    ASSERT_TRUE(other->AddChild(button.get()));
    EXPECT_TRUE(group->GetChildren().empty());
    EXPECT_EQ(button->GetParent(), other.get());
}

TEST(WindowKav, AChildTakesOverTheApplicationOfItsNewParent) {
    auto main = MakeWindow("Main", kWndMain);
    auto dialog = MakeWindow("Dlg", kWndDialogBox);
    auto button = MakeWindow("OK", kWndPushButton);
    main->SetToolData(SmurfData("App1"));
    button->SetToolData(SmurfData("Old"));
    ASSERT_TRUE(dialog->AddChild(button.get()));

    ASSERT_TRUE(main->AddChild(dialog.get()));
    EXPECT_EQ(dialog->GetSmurfValue("application"), "App1");
    EXPECT_EQ(dialog->GetToolData()->GetName(), "smurfData");
    EXPECT_EQ(button->GetSmurfValue("APPLICATION"), "App1");
    EXPECT_EQ(button->GetToolData()->GetChildren().size(), 1u);
}

using GuiBuildingBlocks = ProjectTest;

TEST_F(GuiBuildingBlocks, StepsOnAWindowFollowItsApplication) {
    app.SetOutputFormat(14);
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* button = project.AddWindow("OK", nullptr, kWndPushButton);
    CWindowKav* other = project.AddWindow("Other", nullptr, kWndPushButton);
    CWindowKav* label = project.AddWindow("Label", button, kWndStaticText);
    main->SetToolData(SmurfData("App1"));
    CTaskKav* block = project.AddTask("G_GUI_Click", nullptr, kTaskBuildingBlock);
    CTaskKav* caller = project.AddTask("Order");
    auto addCall = [&](const CWindowKav* target) {
        CTaskStep* call = caller->GetSteps().Add(
            new CTaskStep("G_GUI_Click", "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 0));
        call->SetSubTask(block);
        call->GetAttributes().Add(new CAttributeKav("S_TestObject", 4, target->GetInternalID()));
        call->GetAttributes().Add(new CAttributeKav("S_Application", 4, "old"));
        call->GetAttributes().Add(new CAttributeKav("S_Description", 4, "old"));
        return call;
    };
    CTaskStep* onButton = addCall(button);
    CTaskStep* onOther = addCall(other);
    CTaskStep* onLabel = addCall(label);

    ASSERT_TRUE(main->AddChild(button, &app));
    EXPECT_EQ(onButton->GetApplicationAttribute()->GetValue(), "App1");
    EXPECT_EQ(onLabel->GetApplicationAttribute()->GetValue(), "App1");
    EXPECT_EQ(onButton->GetDescriptionAttribute()->GetValue(), "");
    EXPECT_EQ(onOther->GetApplicationAttribute()->GetValue(), "old");

    button->SetSmurfValue("description", "The OK button", &app, false);
    EXPECT_EQ(onButton->GetDescriptionAttribute()->GetValue(), "The OK button");
}

TEST(WindowKav, SmurfValuesAreReadOnlyFromASmurfDataElement) {
    auto window = MakeWindow("Main", kWndMain);
    EXPECT_EQ(window->GetSmurfValue("application"), "");
    window->SetToolData(SmurfData("App1"));
    EXPECT_EQ(window->GetSmurfValue("APPLICATION"), "App1");
    window->GetToolData()->SetName("SMURFDATA");
    EXPECT_EQ(window->GetSmurfValue("application"), "");

    window->SetSmurfValue("description", "Login dialog", nullptr, false);
    EXPECT_EQ(window->GetToolData()->FindChild("description")->GetValue(), "Login dialog");
}

TEST(WindowKav, QtpPropertiesAreReadAndRemovedInTheToolData) {
    auto window = MakeWindow("OK", kWndPushButton);
    window->SetToolData(MakeElement(
        "qtpRep:Object", "", {{"Name", "OK"}},
        {MakeElement("qtpRep:Property", "", {{"name", "text"}},
                     {MakeElement("qtpRep:Parameter", "p"), MakeElement("qtpRep:Value", "OK")}),
         MakeElement("qtpRep:Property", "", {{"name", "nativeclass"}}, {MakeElement("qtpRep:Parameter", "Button")}),
         MakeElement("qtpRep:Property", "", {{"name", "index"}}), MakeElement("qtpRep:PropertyRef", "TEXT")}));

    EXPECT_EQ(window->GetQtpPropertyValue("TEXT"), "OK");  // the value before the parameter
    EXPECT_EQ(window->GetQtpPropertyValue("nativeclass"), "Button");
    EXPECT_EQ(window->GetQtpPropertyValue("index"), "");
    EXPECT_EQ(window->GetQtpPropertyValue("missing"), "");

    window->RemoveQtpProperty("text");
    EXPECT_EQ(window->GetQtpPropertyValue("text"), "");
    EXPECT_EQ(window->GetToolData()->FindByName("qtpRep:PropertyRef"), nullptr);
    EXPECT_EQ(window->GetToolData()->GetChildren().size(), 2u);

    ASSERT_TRUE(window->SetName("Okay", true));
    EXPECT_EQ(window->GetToolData()->GetAttributeValue("Name"), "Okay");
    ASSERT_TRUE(window->SetName("Fine"));
    EXPECT_EQ(window->GetToolData()->GetAttributeValue("Name"), "Okay");
}

TEST(WindowKav, AbsoluteRectanglesCountFromTheNearestTitleBar) {
    auto dialog = MakeWindow("Dlg", kWndDialogBox, win32::WS_CAPTION);
    auto group = MakeWindow("Grp", kWndGroupBox);
    auto button = MakeWindow("OK", kWndPushButton);
    dialog->SetRect({300, 200, 700, 500});
    group->SetRect({10, 20, 210, 120});
    button->SetRect({5, 6, 55, 26});
    dialog->AddChild(group.get());
    group->AddChild(button.get());

    EXPECT_EQ(button->GetAbsoluteRect(), (WindowRect{15, 26, 65, 46}));
    EXPECT_EQ(dialog->GetAbsoluteRect(), WindowRect{});

    // Without the title bar the dialog's own position counts as well; one caption bit is
    // not a title bar.
    dialog->SetStyle(0x00800000);
    auto main = MakeWindow("Main", kWndMain, win32::WS_CAPTION);
    main->AddChild(dialog.get());
    EXPECT_EQ(button->GetAbsoluteRect(), (WindowRect{315, 226, 365, 246}));
}

TEST(WindowKav, EqualityIgnoresTreeAndIdentityButNotCase) {
    auto a = MakeWindow("Main", kWndMain, 0, "Ok");
    auto b = MakeWindow("Main", kWndMain, 0, "Ok");
    auto child = MakeWindow("Child", kWndPushButton);
    a->AddChild(child.get());
    EXPECT_NE(a->GetInternalID(), b->GetInternalID());
    EXPECT_TRUE(a->IsEqual(b.get()));

    b->SetCaption("OK");
    EXPECT_FALSE(a->IsEqual(b.get()));
    b->SetCaption("Ok");

    b->SetRect({0, 0, 1, 1});
    EXPECT_FALSE(a->IsEqual(b.get()));
    b->SetRect({});

    a->SetToolData(SmurfData("App1"));
    EXPECT_FALSE(a->IsEqual(b.get()));
    b->SetToolData(SmurfData("App1"));
    EXPECT_TRUE(a->IsEqual(b.get()));

    a->GetAttributes().Add(new CAttributeKav("Color", 4, "red"));
    b->GetAttributes().Add(new CAttributeKav("Color", 4, "Red"));
    EXPECT_FALSE(a->IsEqual(b.get()));
    b->GetAttributes()[0]->SetValue("red");
    EXPECT_TRUE(a->IsEqual(b.get()));

    auto other = MakeWindow("Main", kWndChild, 0, "Ok");
    EXPECT_FALSE(a->IsEqual(other.get()));
    EXPECT_FALSE(a->IsEqual(nullptr));
}

using WindowCopies = ProjectTest;

TEST_F(WindowCopies, ACopyTakesDataAndChildrenByTheFlags) {
    CWindowKav* main = project.AddWindow("Main", nullptr, kWndMain);
    CWindowKav* field = project.AddWindow("Name", main, kWndInputField);
    project.AddWindow("OK", main, kWndPushButton);
    As<CInputFieldKav>(field).SetInitialValue("Smith");
    field->SetRect({1, 2, 3, 4});
    field->SetImportTool(3);
    field->SetToolData(SmurfData("App1"));
    field->GetAttributes().Add(new CAttributeKav("Color", 4, "red"));
    project.AddTransition(field, "Name_T1");

    // Transitions compare by ID, and against the reference texts of the other one.
    std::unique_ptr<CWindowKav> same(field->Clone(kCloneKeepId | kCloneTextsFromObjects));
    EXPECT_TRUE(field->IsEqual(same.get()));

    std::unique_ptr<CWindowKav> plain(field->Clone(0));
    EXPECT_EQ(As<CInputFieldKav>(plain.get()).GetInitialValue(), "Smith");
    EXPECT_EQ(plain->GetImportTool(), 3);
    EXPECT_EQ(plain->GetParent(), nullptr);
    EXPECT_EQ(plain->GetFile(), nullptr);
    EXPECT_EQ(plain->GetParentID(), "");
    EXPECT_NE(plain->GetInternalID(), field->GetInternalID());
    EXPECT_NE(plain->GetToolData(), field->GetToolData());
    ASSERT_EQ(plain->GetTransitions().size(), 1u);
    // A transition starts at the window that holds it, in the copy too.
    EXPECT_EQ(plain->GetTransitions()[0]->GetStartWindow(), plain.get());
    EXPECT_NE(plain->GetAttributes()[0], field->GetAttributes()[0]);

    std::unique_ptr<CWindowKav> linked(field->Clone(kCloneKeepId | kCloneKeepFile | kCloneTextsFromObjects));
    EXPECT_EQ(linked->GetInternalID(), field->GetInternalID());
    EXPECT_EQ(linked->GetFile(), project.Main());
    EXPECT_EQ(linked->GetFileId(), project.Main()->GetID());
    EXPECT_EQ(linked->GetParentID(), main->GetInternalID());

    field->SetParentID("stored");
    field->SetFileId("storedFile");
    std::unique_ptr<CWindowKav> stored(field->Clone(kCloneTextsAsStored));
    EXPECT_EQ(stored->GetParentID(), "stored");
    EXPECT_EQ(stored->GetFileId(), "storedFile");

    std::unique_ptr<CWindowKav> tree(main->Clone(kCloneChildren | kCloneKeepId | kCloneTextsFromObjects));
    ASSERT_EQ(tree->GetChildren().size(), 2u);
    EXPECT_NE(tree->GetChildren()[0], field);
    EXPECT_EQ(tree->GetChildren()[0]->GetParent(), tree.get());
    EXPECT_TRUE(field->IsEqual(tree->GetChildren()[0]));
    EXPECT_EQ(tree->CountTransitions(), 1);
    // The copy made for pasting keeps its references, but not its transitions' start window.
    std::unique_ptr<CWindowKav> pasted(main->Clone(kCloneChildren | kCloneKeepReferences));
    EXPECT_EQ(pasted->GetChildren()[0]->GetTransitions()[0]->GetStartWindow(), pasted->GetChildren()[0]);
    pasted->DeleteChildren();
    tree->DeleteChildren();
    EXPECT_TRUE(tree->GetChildren().empty());
    std::unique_ptr<CWindowKav> alone(main->Clone(0));
    EXPECT_TRUE(alone->GetChildren().empty());
}

TEST(WindowKav, ADialogBoxCopyStartsWithoutItsText) {
    CDialogBoxKav dialog({.id = "Dlg"}, "kept apart");
    std::unique_ptr<CWindowKav> copy(dialog.Clone(0));
    EXPECT_EQ(As<CDialogBoxKav>(copy.get()).GetInitialValue(), "");
    EXPECT_TRUE(dialog.IsEqual(copy.get()));

    CLinkKav link({.id = "Home"}, "http://a");
    CLinkKav other({.id = "Home"}, "http://b");
    EXPECT_FALSE(link.IsEqual(&other));
    std::unique_ptr<CWindowKav> linkCopy(link.Clone(0));
    EXPECT_TRUE(link.IsEqual(linkCopy.get()));
}

TEST(WindowKav, ACopyDropsChildrenItsTypeRulesRefuse) {
    CMenuKav menu("Menu", 0, 0, "");
    CMenuItemKav file("File", 0, 0, "", "File", 0, 0, 0), open("Open", 0, 0, "", "Open", 0, 0, 0);
    menu.AddChild(&file);
    file.AddChild(&open);
    file.SetSeparator(true);  // made a separator after its child was attached

    std::unique_ptr<CWindowKav> copy(menu.Clone(kCloneChildren));
    ASSERT_EQ(copy->GetChildren().size(), 1u);
    EXPECT_TRUE(copy->GetChildren()[0]->GetChildren().empty());
    copy->DeleteChildren();
}

TEST(WindowKav, VisibilityAndEnablingFollowTheStyleWord) {
    auto button = MakeWindow("OK", kWndPushButton, win32::WS_VISIBLE | win32::WS_DISABLED);
    EXPECT_TRUE(button->IsVisible());
    EXPECT_FALSE(button->IsEnabled());
    button->SetEnabled(true);
    button->SetVisible(false);
    EXPECT_EQ(button->GetStyle(), 0u);

    CMenuItemKav item("Save", 0, 0, "", "Save", win32::MF_GRAYED | win32::MF_DISABLED, 0, 0);
    EXPECT_TRUE(item.IsVisible());
    EXPECT_FALSE(item.IsEnabled());
    item.SetVisible(false);
    EXPECT_TRUE(item.IsVisible());
    item.SetEnabled(true);
    EXPECT_EQ(item.GetStyle(), 0u);
    item.SetEnabled(false);
    EXPECT_EQ(item.GetStyle(), 0x3u);
}

TEST(WindowKav, AWindowFindsItsMenuAndCountsTransitionsBelowIt) {
    auto main = MakeWindow("Main", kWndMain);
    auto button = MakeWindow("OK", kWndPushButton);
    CMenuKav menu("Menu", 0, 0, "");
    main->AddChild(button.get());
    main->AddChild(&menu);
    EXPECT_EQ(main->FindMenu(), &menu);
    EXPECT_EQ(button->FindMenu(), nullptr);
    EXPECT_TRUE(menu.IsVisible());
    for (CWindowKav* window : {main.get(), button.get(), button.get()})
        window->GetTransitions().Add(
            new CTransitionKav("T", "", "", "", "", "", window, nullptr, 0, nullptr, 2, "", 0));
    EXPECT_EQ(main->CountTransitions(), 3);
}
