#include <gtest/gtest.h>

#include "combgen/Mirvane.h"
#include "generation/DataRecordGenDlg.h"
#include "platform/MessageLog.h"
#include "platform/Registry.h"
#include "tests/generation/DataSetFixture.h"
#include "tests/support/GlobalState.h"

namespace {

const std::string kKey(kProductKey);

std::string Stored(const std::string& name) { return ReadRegistryString(SettingsHive::CurrentUser, kKey, name); }

class DataRecordGenDlgTest : public DataSetTest {
protected:
    void SetUp() override {
        AddField("F1", {{"V1"}, {"V2"}, Invalid("I1")});
        AddField("F2", {{"W1"}});
    }
    // Execute with a window that sets the choices and presses OK until the dialog accepts it,
    // at most presses times, and else cancels.
    int Execute(const std::function<void(CDataRecordGenDlg&)>& choose, int presses = 1) {
        CDataRecordGenDlg::Views views;
        views.showDialog = [&](CDataRecordGenDlg& dialog) {
            opened = dialog.Choices();
            choose(dialog);
            for (int i = 0; i < presses; ++i) {
                results.push_back(dialog.OnOK());
                if (results.back().close) return true;
            }
            return false;
        };
        views.showReport = [&](const std::string& title, const MessageLog&) { reportTitles.push_back(title); };
        return CDataRecordGenDlg::Execute(dataSet, views);
    }
    const MessageRequest& LastShown() const { return TestInteraction().messages.back(); }

    DataGenSettings opened;
    std::vector<DataGenOkResult> results;
    std::vector<std::string> reportTitles;
};

}  // namespace

TEST_F(DataRecordGenDlgTest, OpensWithTheDefaultsAndStoresNothingOnCancel) {
    EXPECT_EQ(Execute([](CDataRecordGenDlg&) {}, 0), 0);
    EXPECT_EQ(opened, DataGenSettings());
    EXPECT_EQ(Stored("DataGen_Valid"), "");
    EXPECT_TRUE(dataSet.GetRecords().empty());
}

TEST_F(DataRecordGenDlgTest, TheDeltraMethodTakesEachEffectOnceAndLeavesTheOtherChoices) {
    CDataRecordGenDlg dialog(dataSet, nullptr);
    dialog.Choices() = {true, false, kAllCombinations, kEqClassMethod, kBoundaryValues};
    dialog.OnInitDialog();
    EXPECT_TRUE(dialog.MethodChoicesEnabled());
    EXPECT_EQ(dialog.Choices().strategy, kAllCombinations);

    dialog.OnDeltraMethod();
    EXPECT_FALSE(dialog.MethodChoicesEnabled());
    EXPECT_EQ(dialog.Choices().strategy, kEachClassOnce);
    EXPECT_EQ(dialog.Choices().values, kBoundaryValues);
    dialog.OnEqClassMethod();
    EXPECT_TRUE(dialog.MethodChoicesEnabled());
    EXPECT_EQ(dialog.Choices(), (DataGenSettings{true, false, kEachClassOnce, kEqClassMethod, kBoundaryValues}));

    // Stored as DELTRA with pairs, the dialog opens with each effect once.
    WriteDataGenSettings({true, false, kEachPairOnce, kDeltraMethod, kOneRepresentative});
    Execute([](CDataRecordGenDlg&) {}, 0);
    EXPECT_EQ(opened.strategy, kEachClassOnce);
    EXPECT_EQ(opened.testType, kDeltraMethod);
}

TEST_F(DataRecordGenDlgTest, OKRefusesMissingChoicesAndShowsFailures) {
    struct Case {
        DataGenSettings choices;
        std::string text;
        std::string caption;
        int focus;
    };
    const Case cases[] = {
        {{false, false, kEachClassOnce, kEqClassMethod, kOneRepresentative},
         "Please specify if you want to generate valid and/or invalid records! [W0439]",
         "Value type missing",
         kGenValidRecords},
        {{true, false, kEachClassOnce, kDeltraMethod, kOneRepresentative},
         "You have to specify some effects before generating records with the DELTRA method! [W0962]",
         "No effects defined",
         kGenDeltraMethod},
        {{false, true, kAllCombinations, kEqClassMethod, kOneRepresentative},
         "There are no valid equivalence classes defined for field 'Bare'! [W0715]",
         "Generation failed",
         0},
    };
    AddField("Bare", {});
    for (const Case& c : cases) {
        results.clear();
        EXPECT_EQ(Execute([&](CDataRecordGenDlg& dialog) { dialog.Choices() = c.choices; }), 0);
        EXPECT_EQ(results, (std::vector<DataGenOkResult>{{false, c.focus}}));
        EXPECT_EQ(LastShown().text, c.text);
        EXPECT_EQ(LastShown().caption, c.caption);
        EXPECT_EQ(LastShown().icon, MessageIcon::Warning);
    }
    // Cancelled after a failed OK: nothing stored.
    EXPECT_EQ(Stored("DataGen_Strategy"), "");
    EXPECT_TRUE(dataSet.GetRecords().empty());
}

TEST_F(DataRecordGenDlgTest, ASuccessfulOKClosesTheDialogAndStoresTheChoices) {
    EXPECT_EQ(Execute([](CDataRecordGenDlg& dialog) {
                  dialog.Choices() = {true, true, kEachPairOnce, kEqClassMethod, kAllSpecifiedValues};
              }),
              1);
    EXPECT_EQ(results, (std::vector<DataGenOkResult>{{true, 0}}));
    EXPECT_EQ(LastShown().caption, "Generation successful");
    EXPECT_EQ(Stored("DataGen_Invalid"), "1");
    EXPECT_EQ(Stored("DataGen_Strategy"), "Pairs");
    EXPECT_EQ(Stored("DataGen_Values"), "All");
}

TEST_F(DataRecordGenDlgTest, TheDeltraMethodReportsItsRecords) {
    CExportQZ().ClearConfiguration();
    dataSet.GetFields().Add(new CDataField("Amount", 2, 0, 9));
    dataSet.GetAttributes().Add(new CAttributeKav("Size", 4, ""));
    AddEffect("Small", 1, "#Amount# < 5", "Size", "small");
    EXPECT_EQ(Execute([](CDataRecordGenDlg& dialog) { dialog.OnDeltraMethod(); }), 1);
    EXPECT_EQ(reportTitles, (Texts{"Generated Data Records"}));
    EXPECT_EQ(Names(), (Texts{"V1", "V2"}));
    EXPECT_EQ(Stored("DataGen_TestType"), "Multi");
}
