// The windows of the window property dialogs, the tab editor and the Ranorex dialog.
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "editors/windows/PropertiesDlg.h"
#include "editors/windows/RanorexPropsDlg.h"
#include "editors/windows/TabEditorDlg.h"
#include "editors/windows/TypePropertiesDlgs.h"
#include "model/DisplayTexts.h"
#include "tests/editors/gui/EditorWindowTest.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/WindowBuilder.h"

namespace {

// Opens each dialog's window without running it modally, for a look at its controls.
class OpeningHost : public FakeEditorHost {
public:
    std::function<void(EditorDialogUi&)> look;

    int RunModal(EditorDialog& dialog) override {
        std::unique_ptr<EditorDialogUi> window = MakeEditorWindow(dialog, nullptr);
        EXPECT_TRUE(window);
        if (!window) return kIdCancel;
        window->InitDialog();
        look(*window);
        return kIdCancel;
    }
};

class WindowPropsUiTest : public GuiTest {
protected:
    TestProject project;
    CApplicationKav& app = project.App();
    CWindowKav* main = project.AddWindow("Main");
};

}  // namespace

TEST_F(WindowPropsUiTest, EachTypesWindowShowsTheCommonAndItsOwnControls) {
    OpeningHost host;
    for (int type = 0; type < kWindowTypeCount; ++type) {
        CWindowKav* window = type == kWndMenuItem ? project.AddWindow("I", project.AddWindow("M", main, kWndMenu), type)
                                                  : project.AddWindow("W" + std::to_string(type),
                                                                      type == kWndMain ? nullptr : main, type);
        const WindowTypeProperties& row = GetWindowTypeProperties(type);
        host.look = [&](EditorDialogUi& shown) {
            EXPECT_EQ(shown.GetTitle(), "Properties of " + GetWindowTypeName(type) + " " + window->GetName());
            EXPECT_TRUE(FindControl<wxTextCtrl>(&shown, kPropWindowId));
            EXPECT_TRUE(FindControl<wxChoice>(&shown, kPropGuiBuilder));
            EXPECT_TRUE(FindControl<wxButton>(&shown, kPropToolButton));
            const bool identityOnly = type == kWndMenu;
            for (int id : {kPropNumericId, kPropClassName, kPropCaption, kPropTag})
                EXPECT_EQ(wxWindow::FindWindowById(id, &shown) != nullptr, !identityOnly) << type << " " << id;
            EXPECT_EQ(wxWindow::FindWindowById(kPropVisible, &shown) != nullptr, !identityOnly) << type;
            for (const TypeControl& control : row.controls) {
                wxWindow* made = wxWindow::FindWindowById(control.id, &shown);
                ASSERT_TRUE(made) << type << " " << control.id;
                switch (control.kind) {
                    case TypeControlKind::Check:
                        EXPECT_TRUE(dynamic_cast<wxCheckBox*>(made)) << control.id;
                        EXPECT_EQ(made->GetLabel(), ToWx(control.label));
                        break;
                    case TypeControlKind::Choice: EXPECT_TRUE(dynamic_cast<wxChoice*>(made)) << control.id; break;
                    case TypeControlKind::Button: EXPECT_TRUE(dynamic_cast<wxButton*>(made)) << control.id; break;
                    default: EXPECT_TRUE(dynamic_cast<wxTextCtrl*>(made)) << control.id; break;
                }
            }
            if (type == kWndListBox) {
                EXPECT_EQ(FindControl<wxChoice>(&shown, kPropSelection)->GetCount(), 4u);
            }
        };
        EXPECT_EQ(EditWindowProperties(host, app, *window), 0);
    }
}

TEST_F(WindowPropsUiTest, TriStateGrowsTheInitialValuesAndOkWritesTheWindow) {
    WindowHost host;
    CWindowKav* box = project.AddWindow("CB1", main, kWndCheckBox);
    host.steps = [&](EditorDialogUi& window) {
        auto* tri = FindControl<wxCheckBox>(&window, kPropTriState);
        auto* values = FindControl<wxChoice>(&window, kPropCheckValue);
        ASSERT_TRUE(tri && values);
        EXPECT_EQ(values->GetCount(), 2u);
        ClickWithMouse(tri);
        ASSERT_TRUE(WaitUntil([&] { return values->GetCount() == 3; }));
        ASSERT_TRUE(values->SetStringSelection("undetermined"));
        auto* caption = FindControl<wxTextCtrl>(&window, kPropCaption);
        ASSERT_TRUE(TypeInto(caption, "Remember me"));
        EXPECT_TRUE(SaveScreenshot(&window, "check_box_properties"));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(EditWindowProperties(host, app, *box), 1);
    EXPECT_EQ(box->GetCaption(), "Remember me");
    EXPECT_TRUE(As<CCheckBoxKav>(box).IsTriState());
    EXPECT_EQ(As<CCheckBoxKav>(box).GetValue(), 2);
}

TEST_F(WindowPropsUiTest, ARanorexTagSurvivesTheHiddenTagFieldAndTheRanorexWindow) {
    app.SetOutputFormat(10);
    main->SetTag("/form[@title='Main']\r\nnative\r\nnative, control");
    WindowHost host;
    host.steps = [&](EditorDialogUi& window) {
        if (window.Dialog().GetResourceId() == CPropsRanorexDlg::kResourceId) {
            EXPECT_EQ(FindControl<wxTextCtrl>(&window, kRanorexCapability)->GetValue(), "native");
            EXPECT_TRUE(PressButton(&window, wxID_OK));
            return;
        }
        EXPECT_FALSE(FindControl<wxTextCtrl>(&window, kPropTag)->IsShown());
        EXPECT_EQ(FindControl<wxButton>(&window, kPropToolButton)->GetLabel(), "Ranorex Properties...");
        EXPECT_TRUE(PressButton(&window, kPropToolButton));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(EditWindowProperties(host, app, *main), 1);
    EXPECT_EQ(main->GetTag(), "/form[@title='Main']\r\nnative\r\nnative, control");
}

TEST_F(WindowPropsUiTest, TabPagesAreAddedThroughTheTabEditorWindow) {
    CWindowKav* tabs = project.AddWindow("Tabs", main, kWndTabControl);
    project.AddWindow("Page1", main, kWndChild);
    WindowHost host;
    host.steps = [&](EditorDialogUi& window) {
        if (window.Dialog().GetResourceId() == CTabEditorDlg::kResourceId) {
            EXPECT_EQ(window.GetTitle(), "Tab Control Tabs");
            ASSERT_TRUE(TypeInto(FindControl<wxTextCtrl>(&window, kTabTitle), "General"));
            ASSERT_TRUE(TypeInto(FindControl<wxTextCtrl>(&window, kTabWindow), "Page1"));
            EXPECT_TRUE(PressButton(&window, kTabSet));
            auto* pages = FindControl<wxListBox>(&window, kTabPages);
            ASSERT_TRUE(WaitUntil([&] { return pages->GetCount() == 1; }));
            EXPECT_EQ(pages->GetString(0), "General");
            EXPECT_TRUE(SaveScreenshot(&window, "tab_editor"));
            EXPECT_TRUE(PressButton(&window, wxID_OK));
            return;
        }
        EXPECT_TRUE(PressButton(&window, kPropTabPages));
        EXPECT_TRUE(PressButton(&window, wxID_OK));
    };
    EXPECT_EQ(EditWindowProperties(host, app, *tabs), 1);
    ASSERT_EQ(As<CTabControlKav>(tabs).GetPages().size(), 1u);
    EXPECT_EQ(As<CTabControlKav>(tabs).GetPages()[0]->GetTitle(), "General");
}
