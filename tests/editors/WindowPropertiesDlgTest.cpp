// The window property dialogs: the common fields with their checks, the tag and the tool
// button by output format, and the type's own controls.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "editors/windows/PropertiesDlg.h"
#include "editors/windows/RanorexPropsDlg.h"
#include "editors/windows/SmurfPropsDlg.h"
#include "editors/windows/TypePropertiesDlgs.h"
#include "model/FileKav.h"
#include "model/GUIBuilderList.h"
#include "model/TaskKav.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/WindowBuilder.h"

namespace {

class WindowPropertiesTest : public ProjectTest {
protected:
    // Runs the dialog of the window's type; the steps act in it and say how it ends.
    int Run(CWindowKav& window, const std::function<int(CPropertiesDlg&)>& steps) {
        dialog = CPropertiesDlg::CreateForType(host, app, window.GetType());
        host.session = [&](EditorDialog& open) -> int {
            if (auto* properties = dynamic_cast<CPropertiesDlg*>(&open)) return steps(*properties);
            return nested ? nested(open) : kIdCancel;
        };
        return dialog->EditWindow(window);
    }
    Refused PressOk(CPropertiesDlg& open) {
        return Attempt(open, [&] { return open.OnOK(); });
    }

    FakeEditorHost host;
    std::unique_ptr<CPropertiesDlg> dialog;
    // What the user does in a dialog the property dialog opens.
    std::function<int(EditorDialog&)> nested;
    CWindowKav* main = project.AddWindow("Main");
};

// A window of a type code that no dialog serves.
class UnknownTypeWindow : public CWindowKav {
public:
    UnknownTypeWindow() : CWindowKav(kWindowTypeCount, {.id = "Odd"}) {}
};

}  // namespace

TEST_F(WindowPropertiesTest, EachTypeCodeHasItsDialogAndOthersNone) {
    for (int type = 0; type < kWindowTypeCount; ++type) {
        std::unique_ptr<CPropertiesDlg> created = CPropertiesDlg::CreateForType(host, app, type);
        ASSERT_TRUE(created) << type;
        EXPECT_EQ(created->GetWindowType(), type);
        EXPECT_EQ(created->GetResourceId(), GetWindowTypeProperties(type).resourceId);
    }
    EXPECT_TRUE(dynamic_cast<CPropsTabControlDlg*>(CPropertiesDlg::CreateForType(host, app, kWndTabControl).get()));
    EXPECT_FALSE(CPropertiesDlg::CreateForType(host, app, 22));
    EXPECT_FALSE(CPropertiesDlg::CreateForType(host, app, -1));

    UnknownTypeWindow odd;
    EXPECT_EQ(EditWindowProperties(host, app, odd), 0);
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text,
              "Fatal Error: Properties Editor could not be created for this Window Type! [F0029]");
    EXPECT_EQ(TestInteraction().messages[0].caption, "Fatal Error");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Error);
}

TEST_F(WindowPropertiesTest, TheTitleNamesTypeAndWindowAndAReadOnlyWindowGetsNothingWritten) {
    CWindowKav* box = project.AddWindow("CB1", main, kWndCheckBox);
    EXPECT_EQ(Run(*box,
                  [&](CPropertiesDlg& open) {
                      EXPECT_EQ(open.GetTitle(), "Properties of Check Box CB1");
                      EXPECT_TRUE(open.IsEnabled(kPropCaption));
                      return kIdOk;
                  }),
              1);
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Edit Window Properties"});

    CWindowKav* locked = project.AddWindow("CB2", nullptr, kWndCheckBox, project.Lib());
    project.Lib()->SetReadOnly(true);
    app.SetOutputFormat(10);
    EXPECT_EQ(Run(*locked,
                  [&](CPropertiesDlg& open) {
                      EXPECT_EQ(open.GetTitle(), "Properties of Check Box CB2 (Read-Only)");
                      for (int id : std::vector<int>{kPropWindowId, kPropNumericId, kPropCaption, kPropAutoToggle, kPropCheckValue})
                          EXPECT_FALSE(open.IsEnabled(id)) << id;
                      for (int id : std::vector<int>{kIdOk, kIdCancel, kPropToolButton}) EXPECT_TRUE(open.IsEnabled(id)) << id;
                      open.SetText(kPropCaption, "changed");
                      EXPECT_TRUE(open.OnOK());
                      return kIdOk;
                  }),
              0);
    EXPECT_EQ(locked->GetCaption(), "");
    EXPECT_EQ(host.undoSteps.size(), 1u);
}

TEST_F(WindowPropertiesTest, TheNumericIdIsReadAsADecimalAtTheStartOfTheText) {
    struct Case {
        const char* text;
        std::optional<int> stored;  // none: refused
    };
    const Case cases[] = {{"12abc", 12}, {" 7", 7}, {"-3", -3}, {"abc", std::nullopt}, {"", std::nullopt}};
    for (const Case& c : cases) {
        main->SetNumID(99);
        Run(*main, [&](CPropertiesDlg& open) {
            open.SetText(kPropNumericId, c.text);
            const Refused refused = PressOk(open);
            if (!c.stored)
                EXPECT_EQ(refused, (Refused{"Please enter a valid number for the numeric ID! [W0437]",
                                            "Invalid  Numeric ID", kPropNumericId}))
                    << c.text;
            else
                EXPECT_EQ(refused, Refused{}) << c.text;
            return c.stored ? kIdOk : kIdCancel;
        });
        EXPECT_EQ(main->GetNumID(), c.stored.value_or(99)) << c.text;
    }
}

TEST_F(WindowPropertiesTest, ANewWindowIdGoesThroughTheWindowTable) {
    CWindowKav* box = project.AddWindow("CB1", main, kWndCheckBox);
    EXPECT_EQ(Run(*box,
                  [&](CPropertiesDlg& open) {
                      open.SetText(kPropWindowId, "1abc");
                      EXPECT_EQ(PressOk(open), (Refused{"The window ID must not begin with a number! [W0789]",
                                                        "Cannot change Window ID", kPropWindowId}));
                      open.SetText(kPropWindowId, "cb1");
                      open.SetText(kPropCaption, "Accept");
                      EXPECT_EQ(PressOk(open), Refused{});
                      return kIdOk;
                  }),
              2);
    EXPECT_EQ(box->GetName(), "cb1");
    EXPECT_EQ(app.GetWindowList().FindByName("cb1", project.Main()), box);
    EXPECT_EQ(box->GetCaption(), "Accept");
    EXPECT_EQ(host.undoSteps, std::vector<std::string>{"Edit Window Properties"});
}

TEST_F(WindowPropertiesTest, ARefusedOkThenCancelLeavesToolDataAndDescendantsAlone) {
    app.SetOutputFormat(14);
    CWindowKav* field = project.AddWindow("Field", main, kWndInputField);
    main->SetSmurfValue("application", "Old", nullptr, true);
    nested = [](EditorDialog& open) {
        open.SetText(kSmurfApplication, "New");
        EXPECT_TRUE(open.OnOK());
        return kIdOk;
    };
    EXPECT_EQ(Run(*main,
                  [&](CPropertiesDlg& open) {
                      open.OnToolProperties();
                      open.SetText(kPropNumericId, "x");
                      EXPECT_EQ(PressOk(open).focus, kPropNumericId);
                      return kIdCancel;
                  }),
              0);
    EXPECT_EQ(main->GetSmurfValue("application"), "Old");
    EXPECT_EQ(field->GetSmurfValue("application"), "Old");
    EXPECT_TRUE(host.undoSteps.empty());
}

TEST_F(WindowPropertiesTest, TheSmurfApplicationOfATopLevelWindowReachesItsDescendantsAndTheirCalls) {
    app.SetOutputFormat(14);
    CWindowKav* panel = project.AddWindow("Panel", main, kWndChild);
    CWindowKav* field = project.AddWindow("Field", panel, kWndInputField);
    CTaskKav* block = project.AddTask("G_GUI_Type", nullptr, kTaskBuildingBlock);
    CTaskKav* caller = project.AddTask("Order");
    CTaskStep* call = caller->GetSteps().Add(
        new CTaskStep("G_GUI_Type", "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "", 0));
    call->SetSubTask(block);
    call->GetAttributes().Add(new CAttributeKav("S_TestObject", 4, field->GetInternalID()));
    call->GetAttributes().Add(new CAttributeKav("S_Application", 4, ""));
    nested = [](EditorDialog& open) {
        EXPECT_TRUE(open.IsEnabled(kSmurfApplication));
        open.SetText(kSmurfApplication, "Shop");
        EXPECT_TRUE(open.OnOK());
        return kIdOk;
    };
    EXPECT_EQ(Run(*main,
                  [&](CPropertiesDlg& open) {
                      EXPECT_EQ(open.GetText(kPropToolButton), "SMURF Properties...");
                      EXPECT_FALSE(open.IsShown(kPropTag));
                      open.OnToolProperties();
                      EXPECT_EQ(main->GetSmurfValue("application"), "");  // only OK hands it over
                      return open.OnOK() ? kIdOk : kIdCancel;
                  }),
              1);
    EXPECT_EQ(panel->GetSmurfValue("application"), "Shop");
    EXPECT_EQ(field->GetSmurfValue("application"), "Shop");
    EXPECT_EQ(call->GetApplicationAttribute()->GetValue(), "Shop");
}

TEST_F(WindowPropertiesTest, UftNeverWritesTheTagAndWithoutToolDataHidesTheButton) {
    app.SetOutputFormat(7);
    main->SetTag("kept");
    Run(*main, [&](CPropertiesDlg& open) {
        EXPECT_FALSE(open.IsShown(kPropToolButton));
        EXPECT_EQ(open.GetText(kPropTag), "This window type is ignored by UFT.");
        EXPECT_FALSE(open.IsEnabled(kPropTag));
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(main->GetTag(), "kept");

    main->SetToolData(MakeElement("qtpRep:Object", "", {{"Name", "Main"}, {"Class", "Window"}}));
    Run(*main, [&](CPropertiesDlg& open) {
        EXPECT_EQ(open.GetText(kPropToolButton), "UFT Properties...");
        EXPECT_FALSE(open.IsShown(kPropTag));
        open.SetText(kPropTag, "typed");
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(main->GetTag(), "kept");
}

TEST_F(WindowPropertiesTest, TheRanorexDialogSplitsTheTagAndRebuildsItOnlyWhenAFieldWasEdited) {
    app.SetOutputFormat(10);
    struct Case {
        std::string tag;
        std::vector<std::string> fields;
        std::string editedPath;  // "" leaves the fields as shown
        std::string result;
    };
    const Case cases[] = {
        {"p\r\nc\r\nl", {"p", "c", "l"}, "", "p\r\nc\r\nl"},
        {"abc", {"", "", ""}, "", "abc"},
        {"abc", {"", "", ""}, "/form", "/form\r\n\r\n"},
        {"p\r\nc", {"p", "", ""}, "q", "q\r\n\r\n"},
    };
    for (const Case& c : cases) {
        main->SetTag(c.tag);
        nested = [&](EditorDialog& open) {
            EXPECT_EQ(open.GetTitle(), "Ranorex Properties of Main Window Main");
            EXPECT_EQ((std::vector<std::string>{open.GetText(kRanorexPath), open.GetText(kRanorexCapability),
                                                open.GetText(kRanorexCapabilityList)}),
                      c.fields)
                << c.tag;
            if (!c.editedPath.empty()) open.SetText(kRanorexPath, c.editedPath);
            EXPECT_TRUE(open.OnOK());
            return kIdOk;
        };
        Run(*main, [&](CPropertiesDlg& open) {
            EXPECT_EQ(open.GetText(kPropToolButton), "Ranorex Properties...");
            open.OnToolProperties();
            return open.OnOK() ? kIdOk : kIdCancel;
        });
        EXPECT_EQ(main->GetTag(), c.result) << c.tag;
    }
}

TEST_F(WindowPropertiesTest, CommonFieldsAreWrittenAndAnUnknownBuilderKeepsTheGuiId) {
    app.SetOutputFormat(2);
    GetGuiBuilderDatabase().Add(new CGUIBuilder("Win32", 1, 1));
    GetGuiBuilderDatabase().Add(new CGUIBuilder("Java Swing", 5, 1));
    main->SetGuiID(5);
    main->SetMethod(1);
    Run(*main, [&](CPropertiesDlg& open) {
        EXPECT_EQ(open.Control(kPropGuiBuilder).items, (std::vector<std::string>{"Java Swing", "Win32"}));
        EXPECT_EQ(open.GetText(kPropGuiBuilder), "Java Swing");
        EXPECT_EQ(open.GetText(kPropOpenedBy), "Call");
        EXPECT_FALSE(open.IsEnabled(kPropOpenedBy));
        EXPECT_FALSE(open.IsShown(kPropToolButton));
        open.SetText(kPropGuiBuilder, "Win32");
        open.SetText(kPropClassName, "Frame");
        open.SetText(kPropCaption, "Tab\there");
        open.SetText(kPropTag, "tag");
        open.SetChecked(kPropVisible, true);
        open.SetChecked(kPropEnabled, false);
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(main->GetGuiID(), 1);
    EXPECT_EQ(main->GetClass(), "Frame");
    EXPECT_EQ(main->GetCaption(), "Tab here");
    EXPECT_EQ(main->GetTag(), "tag");
    EXPECT_EQ(main->GetMethod(), 1);
    EXPECT_TRUE(main->IsVisible());
    EXPECT_FALSE(main->IsEnabled());

    main->SetGuiID(77);
    Run(*main, [&](CPropertiesDlg& open) {
        EXPECT_EQ(open.GetText(kPropGuiBuilder), "");
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(main->GetGuiID(), 77);
}

TEST_F(WindowPropertiesTest, TypeControlsSetTheirStyleBits) {
    struct Case {
        int type;
        std::uint32_t before;
        std::function<void(CPropertiesDlg&)> edit;
        std::uint32_t after;
        const char* what;
    };
    auto check = [](int id, bool on) { return [id, on](CPropertiesDlg& d) { d.SetChecked(id, on); }; };
    auto choose = [](int id, const char* item) { return [id, item](CPropertiesDlg& d) { d.SetText(id, item); }; };
    auto both = [](std::function<void(CPropertiesDlg&)> a, std::function<void(CPropertiesDlg&)> b) {
        return [a, b](CPropertiesDlg& d) { a(d), b(d); };
    };
    const Case cases[] = {
        {kWndCheckBox, 0x6, both(check(kPropAutoToggle, false), check(kPropTriState, false)), 0x2, "neither"},
        {kWndCheckBox, 0x1, both(check(kPropAutoToggle, true), check(kPropTriState, false)), 0x3, "auto"},
        {kWndCheckBox, 0x3, both(check(kPropAutoToggle, false), check(kPropTriState, true)), 0x5, "tri-state"},
        {kWndCheckBox, 0x2, both(check(kPropAutoToggle, true), check(kPropTriState, true)), 0x6, "both"},
        {kWndListBox, 0x4008, choose(kPropSelection, "Extended"), 0x800, "extended"},
        {kWndComboBox, 0x101, choose(kPropBoxType, "Droplist"), 0x103, "drop list"},
        {kWndListView, 0x10, choose(kPropSort, "Descending"), 0x20, "descending"},
        {kWndTabControl, 0x1200, choose(kPropFocus, "Never"), 0x8200, "never"},
        {kWndDialogBox, 0x40000000, choose(kPropDialogStyle, "Popup"), 0x80000000, "popup"},
        {kWndInputField, 0x0, both(check(kPropReadOnly, true), check(kPropWantReturn, true)), 0x1800, "edit"},
        {kWndTreeControl, 0x1, both(check(kPropHasButtons, false), check(kPropEditLabels, true)), 0x8, "tree"},
        {kWndStaticText, 0x0, both(check(kPropGroup, true), check(kPropTabStop, true)), 0x30000, "group"},
    };
    for (const Case& c : cases) {
        CWindowKav* window = project.AddWindow("W", main, c.type);
        window->SetStyle(c.before | win32::WS_VISIBLE);
        EXPECT_EQ(Run(*window,
                      [&](CPropertiesDlg& open) {
                          c.edit(open);
                          return open.OnOK() ? kIdOk : kIdCancel;
                      }),
                  1)
            << c.what;
        EXPECT_EQ(window->GetStyle(), c.after | win32::WS_VISIBLE) << c.what;
        app.GetWindowList().DeleteWindow("W", project.Main());
    }
}

TEST_F(WindowPropertiesTest, TabNumbersMustBeIntegersAndMenuItemsNotBothPopupAndSeparator) {
    CWindowKav* text = project.AddWindow("Label", main, kWndStaticText);
    Run(*text, [&](CPropertiesDlg& open) {
        EXPECT_EQ(open.GetText(kPropTabNumber), "0");
        open.SetText(kPropTabNumber, "");
        EXPECT_EQ(PressOk(open), (Refused{"Please enter an integer.", "", kPropTabNumber}));
        open.SetText(kPropTabNumber, "4");
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(text->GetTabNr(), 4);

    CWindowKav* menu = project.AddWindow("Menu", main, kWndMenu);
    CWindowKav* item = project.AddWindow("Open", menu, kWndMenuItem);
    item->SetStyle(win32::MF_CHECKED);
    Run(*item, [&](CPropertiesDlg& open) {
        open.SetChecked(kPropPopup, true);
        open.SetChecked(kPropSeparator, true);
        EXPECT_EQ(PressOk(open), (Refused{"Popup and Separator cannot be TRUE at the same time! [W1115]",
                                          "Invalid Properties", kPropSeparator}));
        return kIdCancel;
    });
    EXPECT_EQ(item->GetStyle(), win32::MF_CHECKED);
}

TEST_F(WindowPropertiesTest, TheCheckBoxOffersUndeterminedOnlyWhileTriState) {
    CWindowKav* box = project.AddWindow("CB", main, kWndCheckBox);
    box->SetStyle(win32::BS_AUTO3STATE);
    As<CCheckBoxKav>(box).SetValue(2);
    Run(*box, [&](CPropertiesDlg& open) {
        EXPECT_EQ(open.Control(kPropCheckValue).items,
                  (std::vector<std::string>{"unchecked", "checked", "undetermined"}));
        EXPECT_EQ(open.GetText(kPropCheckValue), "undetermined");
        open.SetChecked(kPropTriState, false);
        open.OnTypeControlClicked(kPropTriState);
        EXPECT_EQ(open.Control(kPropCheckValue).items, (std::vector<std::string>{"unchecked", "checked"}));
        EXPECT_EQ(open.GetText(kPropCheckValue), "");
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(As<CCheckBoxKav>(box).GetValue(), -1);
    EXPECT_EQ(box->GetStyle() & win32::BS_TYPEMASK, win32::BS_AUTOCHECKBOX);
}

TEST_F(WindowPropertiesTest, TheGroupBoxOffersItsRadioButtonsCaptions) {
    CWindowKav* group = AddControl(project, "Group", kWndGroupBox, main, {0, 0, 100, 100});
    AddControl(project, "R1", kWndRadioButton, main, {10, 10, 50, 20}, "Yes");
    AddControl(project, "R2", kWndRadioButton, main, {10, 30, 50, 40}, "No");
    AddControl(project, "R3", kWndRadioButton, main, {200, 10, 250, 20}, "Elsewhere");
    As<CGroupBoxKav>(group).SetInitialValue("No");
    Run(*group, [&](CPropertiesDlg& open) {
        EXPECT_EQ(open.Control(kPropGroupBoxValue).items, (std::vector<std::string>{"Yes", "No"}));
        EXPECT_EQ(open.GetText(kPropGroupBoxValue), "No");
        EXPECT_TRUE(open.IsEnabled(kPropGroupBoxValue));
        open.SetText(kPropGroupBoxValue, "Yes");
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(As<CGroupBoxKav>(group).GetInitialValue(), "Yes");

    CWindowKav* empty = AddControl(project, "Empty", kWndGroupBox, main, {300, 300, 400, 400});
    Run(*empty, [&](CPropertiesDlg& open) {
        EXPECT_TRUE(open.Control(kPropGroupBoxValue).items.empty());
        EXPECT_TRUE(open.IsEnabled(kPropGroupBoxValue));
        return kIdCancel;
    });
}

TEST_F(WindowPropertiesTest, TheMenuWritesBackItsUnchangedCommonValues) {
    CWindowKav* menu = project.AddWindow("Menu", main, kWndMenu);
    menu->SetMethod(1);
    menu->SetNumID(3);
    Run(*menu, [&](CPropertiesDlg& open) {
        EXPECT_TRUE(GetWindowTypeProperties(kWndMenu).onlyIdentity);
        EXPECT_TRUE(open.Control(kPropOpenedBy).items.empty());
        open.SetText(kPropWindowId, "MainMenu");
        return open.OnOK() ? kIdOk : kIdCancel;
    });
    EXPECT_EQ(menu->GetName(), "MainMenu");
    EXPECT_EQ(menu->GetMethod(), 1);
    EXPECT_EQ(menu->GetNumID(), 3);
    EXPECT_TRUE(menu->IsVisible());
}
