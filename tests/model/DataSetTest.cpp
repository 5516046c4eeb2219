#include <gtest/gtest.h>

#include "conditions/ValueTypes.h"
#include "model/CloneFlags.h"
#include "platform/MessageBuffer.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"

TEST(DataObjectNames, Rules) {
    CDataSet set("Set");
    struct Case {
        std::string name;
        std::string message;  // empty: accepted
    };
    const Case cases[] = {
        {std::string(30, 'a'), ""},
        {"_a1", ""},
        {std::string(31, 'a'), "The name must not be longer than 30 characters! [W0464]"},
        {"1a", "The name must not begin with a number! [W0485]"},
        {"a-b", "Illegal character '-' in name! [W0475]"},
        {"", "The name must not be empty! [W0463]"},
    };
    for (const Case& c : cases) {
        SetGlobalMessage("");
        const std::string before = set.GetName();
        EXPECT_EQ(set.SetName(c.name), c.message.empty()) << c.name;
        EXPECT_EQ(GetGlobalMessageBuffer(), c.message) << c.name;
        EXPECT_EQ(set.GetName(), c.message.empty() ? c.name : before) << c.name;
    }
}

TEST(DataSetLookups, ByNameWithoutCaseByIdExactly) {
    CDataSet set("Set");
    CDataField* age = set.GetFields().Add(new CDataField("Age", kTypeNum));
    age->SetId("AbC123456789");
    EXPECT_EQ(set.FindField("AGE"), age);
    EXPECT_EQ(set.FindField("AbC123456789", true), age);
    EXPECT_EQ(set.FindField("abc123456789", true), nullptr);
    EXPECT_EQ(set.FindRecord("Age"), nullptr);
}

TEST(DataSetRecords, NewRecordsTakeTheFirstFreeNumber) {
    CDataSet set("Set");
    set.GetRecords().Add(new CDataRecord("rec_v01", 1, kOriginManual));
    set.GetRecords().Add(new CDataRecord("Rec_V03", 1, kOriginManual));
    EXPECT_EQ(set.AddNewRecord(1, kOriginManual)->GetName(), "Rec_V02");
    EXPECT_EQ(set.AddNewRecord(0, kOriginImported)->GetName(), "Rec_I01");
    for (int i = 4; i <= 99; ++i) set.AddNewRecord(1, kOriginManual);
    CDataRecord* record = set.AddNewRecord(1, kOriginDeltra);
    EXPECT_EQ(record->GetName(), "Rec_V100");
    EXPECT_EQ(set.GetRecords().back(), record);
    EXPECT_EQ(record->GetOrigin(), kOriginDeltra);
}

class RecordWalk : public ::testing::Test {
protected:
    CDataSet set{"Set"};
    CDataRecord* v1 = set.GetRecords().Add(new CDataRecord("V1", 1, kOriginManual));
    CDataRecord* i1 = set.GetRecords().Add(new CDataRecord("I1", 0, kOriginManual));
    CDataRecord* v2 = set.GetRecords().Add(new CDataRecord("V2", 1, kOriginManual));
    bool wrapped = false;
};

TEST_F(RecordWalk, TheWalkGoesRoundTheList) {
    EXPECT_EQ(set.GetNextRecord(kRecordsValid, wrapped), v1);
    EXPECT_FALSE(wrapped);
    EXPECT_EQ(set.GetNextRecord(kRecordsValid, wrapped), v2);
    EXPECT_FALSE(wrapped);
    EXPECT_EQ(set.GetNextRecord(kRecordsValid, wrapped), v1);
    EXPECT_TRUE(wrapped);
    set.SetCurrentRecord(v2);
    EXPECT_EQ(set.GetNextRecord(kRecordsInvalid, wrapped), i1);
    EXPECT_TRUE(wrapped);
    EXPECT_EQ(set.GetNextRecord(kRecordsInvalid, wrapped), i1);
    EXPECT_TRUE(wrapped);  // round the tail back to itself
    for (int any : {kRecordsAny, kRecordsAll}) {
        set.SetCurrentRecord(v1);
        EXPECT_EQ(set.GetNextRecord(any, wrapped), i1);
    }
    EXPECT_EQ(set.CountRecords(kRecordsAny), 3);
    EXPECT_EQ(set.CountRecords(kRecordsAll), 3);
    EXPECT_EQ(set.CountRecords(kRecordsValid), 2);
    EXPECT_EQ(set.CountRecords(kRecordsInvalid), 1);
}

TEST_F(RecordWalk, NoMatchClearsTheCurrentRecord) {
    CDataRecord stray("Stray", 1, kOriginManual);
    set.SetCurrentRecord(&stray);  // not in the list: the walk starts at the head
    EXPECT_EQ(set.GetNextRecord(kRecordsValid, wrapped), v1);
    set.GetRecords().Delete(v1);
    set.GetRecords().Delete(v2);
    EXPECT_EQ(set.GetNextRecord(kRecordsValid, wrapped), nullptr);
    EXPECT_EQ(set.GetCurrentRecord(), nullptr);
    set.GetRecords().DeleteAll();
    EXPECT_EQ(set.GetNextRecord(kRecordsAny, wrapped), nullptr);
    EXPECT_FALSE(wrapped);
}

class DataSetCopy : public ProjectTest {
protected:
    CDataSet* set = project.AddDataSet("Customers");

    void SetUp() override {
        set->SetDescription("d");
        CDataField* age = set->GetFields().Add(new CDataField("Age", kTypeNum));
        age->AddDefaultEqClasses();
        CDataRecord* record = set->AddNewRecord(1, kOriginManual);
        record->GetValues().Set(age->GetId(), "42");
        AddEffects(*set, {{"E1", "#Age# > 1"}});
        set->GetEffects()[0]->SetAttribute(new CAttributeKav("Discount", 2, "5"));
        record->GetEffectIds().push_back(set->GetEffects()[0]->GetId());
        set->GetAttributes().Add(new CAttributeKav("Discount", 2, "0"));
    }
};

TEST_F(DataSetCopy, ACopyEqualsItsSourceAndOwnsItsEffects) {
    std::unique_ptr<CDataSet> copy(set->Clone(kCloneKeepId));
    EXPECT_EQ(copy->GetId(), set->GetId());
    EXPECT_TRUE(set->IsEqual(copy.get()));
    EXPECT_TRUE(copy->IsEqual(set));
    EXPECT_EQ(copy->GetEffects()[0]->GetDataSet(), copy.get());
    EXPECT_NE(copy->GetEffects()[0]->GetCondition(), set->GetEffects()[0]->GetCondition());
    EXPECT_EQ(copy->GetCurrentRecord(), nullptr);

    app.GetDataSets().Delete(set);  // the copy stands alone, as after an undo
    EXPECT_EQ(copy->GetRecords()[0]->GetEffectValue("Discount", copy.get()), "5");
}

TEST_F(DataSetCopy, EqualityNoticesEachKindOfDifference) {
    struct Change {
        const char* what;
        std::function<void(CDataSet&)> apply;
    };
    const Change changes[] = {
        {"description", [](CDataSet& s) { s.SetDescription("D"); }},
        {"representative case", [](CDataSet& s) { s.GetFields()[0]->GetEqClasses()[1]->GetRepresentativeValues()[0] = "1ABC"; }},
        {"class border", [](CDataSet& s) { s.GetFields()[0]->GetEqClasses()[0]->SetMin("0"); }},
        {"record value", [](CDataSet& s) {
             RecordValues& values = s.GetRecords()[0]->GetValues();
             values.Set(values.begin()->first, "43");
         }},
        {"record effects", [](CDataSet& s) { s.GetRecords()[0]->GetEffectIds().clear(); }},
        {"effect cause", [](CDataSet& s) { s.GetEffects()[0]->GetCondition()->SetText("#Age# > 2"); }},
        {"effect validity", [](CDataSet& s) { s.GetEffects()[0]->SetValid(0); }},
        {"effect variable", [](CDataSet& s) { s.GetEffects()[0]->SetAttribute(nullptr); }},
        {"effect's set", [](CDataSet& s) { s.GetEffects()[0]->SetDataSet(nullptr); }},
        {"attribute", [](CDataSet& s) { s.GetAttributes()[0]->SetType(4); }},
    };
    for (const Change& change : changes) {
        std::unique_ptr<CDataSet> copy(set->Clone(kCloneKeepId));
        change.apply(*copy);
        EXPECT_FALSE(set->IsEqual(copy.get())) << change.what;
    }
    std::unique_ptr<CDataSet> copy(set->Clone(0));
    copy->GetFields()[0]->GetEqClasses()[0]->GetHelpValues().Add(new CDataHelpValue("1"));
    EXPECT_TRUE(set->IsEqual(copy.get()));  // help values and unique ids are not compared
    EXPECT_FALSE(set->IsEqual(copy->GetFields()[0]));
}
