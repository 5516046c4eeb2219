#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "demos/common/DemoControls.h"
#include "demos/insurance/AboutInsuranceDlg.h"
#include "demos/insurance/InsuranceDlg.h"
#include "platform/TextUtil.h"
#include "tests/support/gui/GuiTest.h"

namespace {

using Id = CInsuranceDlg::ControlId;
using V = InsuranceValues;

struct Client {
    int vehicle;
    const char* power;
    int client;
    const char* age;
};

class InsuranceWindow : public GuiTest {
protected:
    void SetUp() override { dialog_ = new CInsuranceDlg; }

    template <class Control>
    Control* Find(int id) const {
        return FindControl<Control>(dialog_, id);
    }

    wxTextCtrl* Edit(int id) const { return Find<wxTextCtrl>(id); }
    std::string Premium() const { return FromWx(Edit(Id::kIdPremium)->GetValue()); }

    void Fill(const Client& c) const {
        Find<wxRadioButton>(Id::kIdMotorcycle + c.vehicle)->SetValue(true);
        Edit(Id::kIdEnginePower)->ChangeValue(c.power);
        Find<wxRadioButton>(Id::kIdMale + c.client)->SetValue(true);
        Edit(Id::kIdAge)->ChangeValue(c.age);
    }

    CInsuranceDlg* dialog_ = nullptr;
};

}  // namespace

TEST_F(InsuranceWindow, ShowsTheDialogAsDesigned) {
    ASSERT_TRUE(ShowAndActivate(dialog_));
    EXPECT_EQ(dialog_->GetTitle(), "Insurance Premium Calculation");
    EXPECT_THAT(DescribeChildren(dialog_),
                ::testing::ElementsAre("wxStaticBox - Vehicle", "wxRadioButton 1073 Motorcycle",
                                       "wxRadioButton 1074 Car", "wxRadioButton 1075 Van",
                                       "wxStaticText - Engine Power (HP)", "wxTextCtrl 1041 ",
                                       "wxStaticBox - Client", "wxRadioButton 1076 Male",
                                       "wxRadioButton 1077 Female", "wxStaticText - Age",
                                       "wxTextCtrl 1040 ", "wxButton 1 Calculate !",
                                       "wxStaticText - Insurance Premium", "wxTextCtrl 1081 ",
                                       "wxButton 2 Close", "wxButton 16 &About Insurance..."));
    EXPECT_TRUE(Find<wxRadioButton>(Id::kIdMotorcycle)->GetValue());
    EXPECT_TRUE(Find<wxRadioButton>(Id::kIdMale)->GetValue());
    EXPECT_FALSE(Edit(Id::kIdPremium)->IsEditable());
    EXPECT_EQ(dialog_->GetDefaultItem(), Find<wxButton>(Id::kIdCalculate));
    EXPECT_TRUE(dialog_->GetIcon().IsOk());
    EXPECT_TRUE(SaveScreenshot(dialog_, "insurance"));
}

TEST_F(InsuranceWindow, TabVisitsTheControlsInOrder) {
    ASSERT_TRUE(ShowAndActivate(dialog_));
    EXPECT_THAT(
        FocusOrder(Find<wxRadioButton>(Id::kIdMotorcycle), 7),
        ::testing::ElementsAre(Id::kIdEnginePower, Id::kIdMale, Id::kIdAge, Id::kIdCalculate,
                               Id::kIdPremium, Id::kIdClose, Id::kIdAbout));
}

TEST_F(InsuranceWindow, CalculateShowsThePremiumOfTheRules) {
    struct Case {
        Client client;
        const char* premium;
    };
    const Case cases[] = {
        {{V::kMotorcycle, "24", V::kMale, "24"}, "60"},  {{V::kCar, "60", V::kFemale, "21"}, "240"},
        {{V::kCar, "60", V::kFemale, "22"}, "200"},      {{V::kVan, "99", V::kMale, "30"}, "400"},
        {{V::kCar, "100", V::kMale, "30 years"}, "300"},
    };
    dialog_->Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.premium);
        const Client& in = c.client;
        const PremiumOutcome rules = CalculatePremium(in.vehicle, ParseLeadingInt(in.power),
                                                      in.client, ParseLeadingInt(in.age));
        Fill(in);
        ASSERT_TRUE(PressButton(dialog_, Id::kIdCalculate));
        EXPECT_EQ(Premium(), std::to_string(rules.premium));
        EXPECT_EQ(Premium(), c.premium);
        EXPECT_EQ(FromWx(Edit(Id::kIdAge)->GetValue()), in.age);
    }
    EXPECT_TRUE(dialogs_.Shown().empty());
}

TEST_F(InsuranceWindow, RefusalsShowTheMessageAndKeepThePremium) {
    dialog_->Show();
    Fill({V::kCar, "60", V::kFemale, "22"});
    ASSERT_TRUE(PressButton(dialog_, Id::kIdCalculate));
    ASSERT_EQ(Premium(), "200");
    const Client refused[] = {{V::kVan, "50", V::kMale, "20"},
                              {V::kVan, "50", V::kMale, "66"},
                              {V::kCar, "50", V::kMale, "letters"}};
    for (const Client& in : refused) {
        const PremiumOutcome rules = CalculatePremium(in.vehicle, ParseLeadingInt(in.power),
                                                      in.client, ParseLeadingInt(in.age));
        ASSERT_TRUE(rules.refusal);
        dialogs_.Clear();
        Fill(in);
        ASSERT_TRUE(PressButton(dialog_, Id::kIdCalculate));
        ASSERT_EQ(dialogs_.Shown().size(), 1u);
        EXPECT_EQ(dialogs_.Shown()[0].message, rules.refusal->text);
        EXPECT_EQ(dialogs_.Shown()[0].title, "Error");
        EXPECT_EQ(dialogs_.Shown()[0].style & (wxICON_MASK | wxOK | wxCANCEL | wxYES_NO),
                  wxICON_EXCLAMATION | wxOK);
        EXPECT_EQ(Premium(), "200");
    }
    EXPECT_EQ(dialogs_.Messages()[0], "Client too young!");
}

TEST_F(InsuranceWindow, RunsModallyLikeTheProgramAndCloses) {
    // Typed input and Enter, then Escape.
    EXPECT_EQ(RunModal(*dialog_,
                       [&] {
                           ASSERT_TRUE(ShowAndActivate(dialog_));
                           Find<wxRadioButton>(Id::kIdVan)->SetValue(true);
                           Edit(Id::kIdEnginePower)->Clear();
                           ASSERT_TRUE(TypeInto(Edit(Id::kIdEnginePower), "99"));
                           Edit(Id::kIdAge)->Clear();
                           ASSERT_TRUE(TypeInto(Edit(Id::kIdAge), "30"));
                           PressKey(WXK_RETURN);
                           ASSERT_TRUE(WaitUntil([&] { return Premium() == "400"; }));
                           PressKey(WXK_ESCAPE);
                           WaitUntil([&] { return !dialog_->IsModal(); });
                       }),
              wxID_CANCEL);

    // A mouse click on Calculate, then Close.
    EXPECT_EQ(RunModal(*dialog_,
                       [&] {
                           ASSERT_TRUE(ShowAndActivate(dialog_));
                           Fill({V::kMotorcycle, "24", V::kMale, "24"});
                           ClickWithMouse(Find<wxButton>(Id::kIdCalculate));
                           ASSERT_TRUE(WaitUntil([&] { return Premium() == "60"; }));
                           PressButton(dialog_, Id::kIdClose);
                       }),
              wxID_CANCEL);

    // The close box.
    EXPECT_EQ(RunModal(*dialog_, [&] { dialog_->Close(); }), wxID_CANCEL);
    EXPECT_TRUE(dialogs_.Shown().empty());
}

TEST_F(InsuranceWindow, AboutEntryShowsTheAboutBox) {
    dialog_->Show();
    ASSERT_TRUE(PressButton(dialog_, Id::kIdAbout));
    ASSERT_EQ(dialogs_.Shown().size(), 1u);
    EXPECT_EQ(dialogs_.Shown()[0].title, "About Insurance");

    CAboutInsuranceDlg about(dialog_);
    EXPECT_THAT(DescribeChildren(&about),
                ::testing::ElementsAre("wxStaticBitmap - ", "wxStaticText - Insurance Version 1.0",
                                       "wxButton 1 OK"));
    EXPECT_EQ(RunModal(about, [&] { PressButton(&about, 1); }), 1);
}
