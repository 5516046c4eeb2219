#include <gtest/gtest.h>

#include <functional>

#include "combgen/Mirvane.h"
#include "generation/DeltraMethod.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"
#include "tests/generation/DataSetFixture.h"
#include "tests/support/GlobalState.h"

namespace {

class DeltraMethodTest : public DataSetTest {
protected:
    void SetUp() override {
        CExportQZ().ClearConfiguration();
        AddField("Name", {{"Any"}});
        AddField("Amount", {}, 2)->SetMax(100);
        dataSet.GetAttributes().Add(new CAttributeKav("Discount", 4, "none, some"));
    }
    void TearDown() override { CExportQZ().ClearConfiguration(); }

    void AddDiscountEffects() {
        AddEffect("Small", 1, "#Amount# < 50", "Discount", "none");
        AddEffect("Large", 1, "NOT(%Small)", "Discount", "some");
    }
    int Generate(bool valid, bool invalid) {
        TestInteraction().messages.clear();
        return GenerateByDeltra(dataSet, valid, invalid, [this](const std::string& title, const MessageLog& report) {
            reports.emplace_back(title, report.Lines());
        });
    }
    // Nothing of a run is left in the library: the variable can be added again.
    static bool LibraryIsEmpty() { return CExportQZ().AddVariable("Amount", 0, 1) == 1; }

    std::vector<std::pair<std::string, Texts>> reports;
};

}  // namespace

TEST_F(DeltraMethodTest, RecordsGetBoundaryValuesOfTheNumericFieldsAndTheirEffects) {
    AddDiscountEffects();
    AddRecord("Rec_V01", {"manual", "7"});
    ASSERT_EQ(Generate(true, false), 1) << GetGlobalMessageBuffer();
    EXPECT_EQ(AllValues(), (Rows{{"manual", "7"}, {"-", "0"}, {"-", "49"}, {"-", "50"}, {"-", "100"}}));
    EXPECT_EQ(Names(), (Texts{"Rec_V01", "V1", "V2", "V3", "V4"}));
    for (std::size_t i = 1; i < 5; ++i) {
        const CDataRecord& record = *dataSet.GetRecords()[i];
        EXPECT_TRUE(record.IsValid());
        EXPECT_EQ(record.GetOrigin(), kOriginDeltra);
        EXPECT_EQ(record.GetEffectIds(), (Texts{dataSet.GetEffects()[i < 3 ? 0 : 1]->GetId()}));
    }
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].first, "Generated Data Records");
    EXPECT_EQ(reports[0].second, (Texts{"4 new records generated!", "", "Effect combination #1 (valid):  Small",
                                        "Record V1:  Name: ,  Amount: 0", "Record V2:  Name: ,  Amount: 49", "",
                                        "Effect combination #2 (valid):  Large", "Record V3:  Name: ,  Amount: 50",
                                        "Record V4:  Name: ,  Amount: 100", ""}));
    EXPECT_TRUE(TestInteraction().messages.empty());
    EXPECT_TRUE(LibraryIsEmpty());
}

TEST_F(DeltraMethodTest, InvalidRecordsRealiseOneInvalidEffect) {
    AddDiscountEffects();
    AddEffect("Negative", 0, "#Amount# > 90");
    ASSERT_EQ(Generate(false, true), 1) << GetGlobalMessageBuffer();
    ASSERT_FALSE(dataSet.GetRecords().empty());
    for (const CDataRecord* record : dataSet.GetRecords()) {
        EXPECT_FALSE(record->IsValid());
        EXPECT_EQ(record->GetName()[0], 'I');
        EXPECT_EQ(record->GetEffectIds().front(), dataSet.GetEffects()[2]->GetId());
        EXPECT_GT(std::stoi(Values(*record)[1]), 90);
    }
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(DeltraMethodTest, ASecondRunFindsEveryRecordThereAlready) {
    AddDiscountEffects();
    ASSERT_EQ(Generate(true, false), 1);
    ASSERT_EQ(Generate(true, false), 1);
    EXPECT_EQ(Names(), (Texts{"V1", "V2", "V3", "V4"}));
    EXPECT_EQ(reports.size(), 1u);
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    const MessageRequest& shown = TestInteraction().messages[0];
    EXPECT_EQ(shown.text,
              "No new records have been generated because the existing ones already fulfill the selected coverage "
              "criteria! [I0014]");
    EXPECT_EQ(shown.caption, "Nothing generated");
    EXPECT_EQ(shown.icon, MessageIcon::Information);
}

TEST_F(DeltraMethodTest, EffectsWithoutCausesTakeNoPart) {
    AddEffect("Bare", 1, "", "Discount", "none");
    ASSERT_EQ(Generate(true, false), 1);
    EXPECT_TRUE(dataSet.GetRecords().empty());
    EXPECT_EQ(TestInteraction().Texts().size(), 1u);
    EXPECT_TRUE(reports.empty());
}

TEST_F(DeltraMethodTest, FailuresLeaveTheMessageTheRecordsAndAnEmptyLibrary) {
    struct Case {
        const char* what;
        std::function<void()> setUp;
        bool invalid;
        std::string message;
    };
    const Case cases[] = {
        {"valid effect without a variable", [this] { AddEffect("E", 1, "#Amount# = 1"); }, false,
         "Valid effect 'E' does not have a variable!"},
        // The valid combinations were made when the invalid ones failed; none becomes a record.
        {"no invalid effect", [this] { AddDiscountEffects(); }, true,
         "It is impossible to generate invalid combinations because no invalid effects are defined!"},
        {"unknown effect reference", [this] { AddEffect("E", 0, "%Missing OR #Amount# = 1"); }, false,
         "Effect ID 'Missing' is not existing! [W0971]"},
        {"two fields of one name", [this] { AddField("AMOUNT", {}, 2); }, false, "Variable AMOUNT already existing!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        dataSet.GetEffects().DeleteAll();
        dataSet.GetRecords().DeleteAll();
        AddRecord("Rec_V01", {"manual", "7"});
        c.setUp();
        EXPECT_EQ(Generate(true, c.invalid), 0);
        EXPECT_EQ(GetGlobalMessageBuffer(), c.message);
        EXPECT_EQ(Names(), (Texts{"Rec_V01"}));
        EXPECT_TRUE(TestInteraction().messages.empty());
        EXPECT_TRUE(reports.empty());
        EXPECT_TRUE(LibraryIsEmpty());
        CExportQZ().ClearConfiguration();
        if (dataSet.GetFields().size() > 2) dataSet.GetFields().Delete(dataSet.GetFields().back());
    }
}
