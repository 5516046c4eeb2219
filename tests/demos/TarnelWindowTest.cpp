#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/combobox.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "demos/common/DemoControls.h"
#include "demos/tarnel/PersonnelDlg.h"
#include "demos/tarnel/TarnelFrame.h"
#include "tests/support/gui/GuiTest.h"

namespace {

using Id = CPersonnelDlg::ControlId;

class TarnelWindow : public GuiTest {
protected:
    void SetUp() override {
        frame_ = new CTarnelFrame;
        ASSERT_TRUE(ShowAndActivate(frame_));
    }

    template <class Control>
    Control* Find(int id) const {
        return FindControl<Control>(frame_, id);
    }

    wxTextCtrl* Edit(int id) const { return Find<wxTextCtrl>(id); }

    // Sets the controls as a user would leave them.
    void Fill(const CPerson& person) const {
        Edit(Id::kIdName)->ChangeValue(ToWx(person.name));
        Edit(Id::kIdMaidenName)->ChangeValue(ToWx(person.maidenName));
        Edit(Id::kIdAge)->ChangeValue(ToWx(person.age));
        Find<wxRadioButton>(person.sex == CPerson::kMale ? Id::kIdMale : Id::kIdFemale)
            ->SetValue(true);
        Find<wxRadioButton>(Id::kIdSingle + person.maritalStatus)->SetValue(true);
        Find<wxCheckBox>(Id::kIdPhd)->SetValue(person.phd != 0);
        Find<wxCheckBox>(Id::kIdMba)->SetValue(person.mba != 0);
        Find<wxComboBox>(Id::kIdProfession)->ChangeValue(ToWx(person.profession));
    }

    bool FormIsEmpty() const {
        return Edit(Id::kIdName)->IsEmpty() && Edit(Id::kIdMaidenName)->IsEmpty() &&
               Edit(Id::kIdAge)->IsEmpty() &&
               Find<wxComboBox>(Id::kIdProfession)->GetValue().empty() &&
               Find<wxRadioButton>(Id::kIdFemale)->GetValue() &&
               Find<wxRadioButton>(Id::kIdSingle)->GetValue() &&
               !Find<wxCheckBox>(Id::kIdPhd)->GetValue() &&
               !Find<wxCheckBox>(Id::kIdMba)->GetValue();
    }

    bool FrameClosed() const {
        return WaitUntil([] { return wxTopLevelWindows.empty(); });
    }

    CTarnelFrame* frame_ = nullptr;
};

CPerson Person(const char* name, int sex, int marital, const char* maidenName, const char* age) {
    CPerson p;
    p.name = name;
    p.sex = sex;
    p.maritalStatus = marital;
    p.maidenName = maidenName;
    p.profession = "pupil";
    p.age = age;
    return p;
}

}  // namespace

TEST_F(TarnelWindow, ShowsTheDialogAsDesigned) {
    EXPECT_EQ(frame_->GetTitle(), "Human Resources");
    EXPECT_THAT(
        DescribeChildren(frame_->Dialog()),
        ::testing::ElementsAre(
            "wxStaticText - Name", "wxTextCtrl 1015 ", "wxButton 1001 Search",
            "wxStaticText - Maiden Name", "wxTextCtrl 1014 ", "wxStaticText - Age",
            "wxTextCtrl 1019 ", "wxStaticBox - Sex", "wxRadioButton 1002 Female",
            "wxRadioButton 1003 Male", "wxStaticBox - Marital Status", "wxRadioButton 1005 Single",
            "wxRadioButton 1006 Married", "wxRadioButton 1007 Divorced",
            "wxRadioButton 1008 Widowed", "wxStaticBox - Academic Degree", "wxCheckBox 1012 PhD",
            "wxCheckBox 1013 MBA", "wxStaticText - Profession", "wxComboBox 1009 ", "wxButton 1 OK",
            "wxButton 1000 Delete", "wxButton 2 Cancel"));
    EXPECT_TRUE(Find<wxRadioButton>(Id::kIdFemale)->HasFlag(wxRB_GROUP));
    EXPECT_FALSE(Find<wxRadioButton>(Id::kIdMale)->HasFlag(wxRB_GROUP));
    EXPECT_TRUE(Find<wxRadioButton>(Id::kIdSingle)->HasFlag(wxRB_GROUP));
    EXPECT_EQ(frame_->GetDefaultItem(), Find<wxButton>(Id::kIdOk));
    EXPECT_FALSE(Find<wxButton>(Id::kIdDelete)->IsEnabled());
    EXPECT_TRUE(FormIsEmpty());
    EXPECT_THAT(Find<wxComboBox>(Id::kIdProfession)->GetStrings(),
                ::testing::ElementsAre("employee", "housewife", "pupil", "student", "worker"));

    std::vector<std::string> menus;
    for (size_t i = 0; i < frame_->GetMenuBar()->GetMenuCount(); ++i) {
        std::string line = FromWx(frame_->GetMenuBar()->GetMenuLabelText(i)) + ":";
        for (wxMenuItem* item : frame_->GetMenuBar()->GetMenu(i)->GetMenuItems()) {
            line += item->IsSeparator() ? " -" : " " + FromWx(item->GetItemLabelText());
        }
        menus.push_back(line);
    }
    EXPECT_THAT(menus, ::testing::ElementsAre("File: Open Close - Quit",
                                              "Management: Controlling Mail", "Help: About..."));
    EXPECT_TRUE(SaveScreenshot(frame_, "tarnel"));
}

TEST_F(TarnelWindow, SaveShowsTheRulesMessageAndFocusesTheField) {
    struct Case {
        CPerson person;
        int focus;
    };
    const Case cases[] = {
        {Person("Ann", CPerson::kFemale, CPerson::kSingle, "Miller", "30"), Id::kIdMaidenName},
        {Person("Ann", CPerson::kFemale, CPerson::kMarried, "Miller", "1000"), Id::kIdAge},
        {Person("", CPerson::kFemale, CPerson::kSingle, "", "30"), Id::kIdName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.person.name + "/" + c.person.age);
        CPersonnelForm rules;
        const PersonnelReply expected = rules.OnSave(c.person);
        ASSERT_TRUE(expected.message);
        dialogs_.Clear();
        Fill(c.person);
        ASSERT_TRUE(PressButton(frame_, Id::kIdOk));
        ASSERT_EQ(dialogs_.Shown().size(), 1u);
        EXPECT_EQ(dialogs_.Shown()[0].message, expected.message->text);
        EXPECT_EQ(dialogs_.Shown()[0].title, expected.message->caption);
        EXPECT_EQ(dialogs_.Shown()[0].style & (wxICON_MASK | wxOK | wxCANCEL | wxYES_NO),
                  wxICON_EXCLAMATION | wxOK);
        EXPECT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == Edit(c.focus); }));
        EXPECT_EQ(FromWx(Edit(Id::kIdName)->GetValue()),
                  c.person.name);  // the form keeps its values
    }
}

TEST_F(TarnelWindow, SaveSearchUpdateAndDelete) {
    const CPerson smith = Person("Smith", CPerson::kMale, CPerson::kWidowed, "", "999");
    Fill(smith);
    ASSERT_TRUE(PressButton(frame_, Id::kIdOk));
    EXPECT_TRUE(dialogs_.Messages().empty());
    EXPECT_TRUE(FormIsEmpty());

    Fill(smith);
    ASSERT_TRUE(PressButton(frame_, Id::kIdOk));
    EXPECT_THAT(dialogs_.Messages(), ::testing::ElementsAre("Person already exists!"));

    Fill(CPerson{});
    Edit(Id::kIdName)->ChangeValue("Smith");
    ASSERT_TRUE(PressButton(frame_, Id::kIdSearch));
    EXPECT_EQ(Edit(Id::kIdAge)->GetValue(), "999");
    EXPECT_TRUE(Find<wxRadioButton>(Id::kIdWidowed)->GetValue());
    EXPECT_TRUE(Find<wxButton>(Id::kIdDelete)->IsEnabled());

    Edit(Id::kIdAge)->ChangeValue("0");
    ASSERT_TRUE(PressButton(frame_, Id::kIdOk));
    EXPECT_EQ(dialogs_.Messages().size(), 1u);
    EXPECT_EQ(frame_->Dialog()->Form().Store().at("Smith").age, "0");
    EXPECT_TRUE(FormIsEmpty());
    EXPECT_FALSE(PressButton(frame_, Id::kIdDelete));  // disabled again

    Edit(Id::kIdName)->ChangeValue("Smith");
    ASSERT_TRUE(PressButton(frame_, Id::kIdSearch));
    Edit(Id::kIdName)->ChangeValue("someone else");
    ASSERT_TRUE(PressButton(frame_, Id::kIdDelete));
    EXPECT_TRUE(frame_->Dialog()->Form().Store().empty());
    EXPECT_TRUE(FormIsEmpty());
    EXPECT_FALSE(Find<wxButton>(Id::kIdDelete)->IsEnabled());
}

TEST_F(TarnelWindow, MenuCommandsDoNothing) {
    const CPerson typed = Person("Ann", CPerson::kFemale, CPerson::kMarried, "Miller", "30");
    Fill(typed);
    int chosen = 0;
    for (size_t i = 0; i < frame_->GetMenuBar()->GetMenuCount(); ++i) {
        for (wxMenuItem* item : frame_->GetMenuBar()->GetMenu(i)->GetMenuItems()) {
            if (item->IsSeparator()) continue;
            EXPECT_TRUE(ChooseMenuItem(frame_, item->GetId())) << item->GetItemLabelText();
            ++chosen;
        }
    }
    EXPECT_EQ(chosen, 6);
    DrainEvents();
    EXPECT_TRUE(dialogs_.Shown().empty());
    EXPECT_TRUE(frame_->IsShown());
    EXPECT_EQ(FromWx(Edit(Id::kIdMaidenName)->GetValue()), "Miller");
}

TEST_F(TarnelWindow, TypingAndEnterSave) {
    ASSERT_TRUE(TypeInto(Edit(Id::kIdName), "Jones"));
    ASSERT_TRUE(TypeInto(Find<wxComboBox>(Id::kIdProfession), "clerk"));
    ASSERT_TRUE(TypeInto(Edit(Id::kIdAge), "42"));
    PressKey(WXK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return frame_->Dialog()->Form().Store().count("Jones") == 1; }));
    EXPECT_EQ(frame_->Dialog()->Form().Store().at("Jones").profession, "clerk");
    EXPECT_TRUE(FormIsEmpty());

    // A click on Search with the mouse shows the person again.
    Edit(Id::kIdName)->ChangeValue("Jones");
    ClickWithMouse(Find<wxButton>(Id::kIdSearch));
    EXPECT_TRUE(WaitUntil([&] { return Edit(Id::kIdAge)->GetValue() == "42"; }));
}

TEST_F(TarnelWindow, TabVisitsTheControlsInOrder) {
    // The checked radio button of each group takes the focus; a disabled Delete is passed by.
    // GTK gives the drop-down button of the combo box a stop of its own, with no wx window.
    EXPECT_THAT(FocusOrder(Edit(Id::kIdName), 12),
                ::testing::ElementsAre(Id::kIdSearch, Id::kIdMaidenName, Id::kIdAge, Id::kIdFemale,
                                       Id::kIdSingle, Id::kIdPhd, Id::kIdMba, Id::kIdProfession,
                                       wxID_NONE, Id::kIdOk, Id::kIdCancel, Id::kIdName));
}

TEST_F(TarnelWindow, CancelEscapeAndTheCloseBoxEndTheProgram) {
    ASSERT_TRUE(PressButton(frame_, Id::kIdCancel));
    EXPECT_TRUE(FrameClosed());

    frame_ = new CTarnelFrame;
    ASSERT_TRUE(ShowAndActivate(frame_));
    ASSERT_TRUE(TypeInto(Edit(Id::kIdName), "x"));
    PressKey(WXK_ESCAPE);
    EXPECT_TRUE(FrameClosed());

    frame_ = new CTarnelFrame;
    ASSERT_TRUE(ShowAndActivate(frame_));
    frame_->Close();
    EXPECT_TRUE(FrameClosed());
    EXPECT_TRUE(dialogs_.Shown().empty());
}
