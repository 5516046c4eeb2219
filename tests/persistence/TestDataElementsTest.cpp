#include <gtest/gtest.h>

#include "ElementTest.h"
#include "model/DataSet.h"

namespace {

class TestDataElements : public ElementTest {
protected:
    // Reads one DATASET document; the data set read, or null.
    const CDataSet* ReadDataSet(const std::string& document) {
        loaded_.GetDataSets().DeleteAll();
        if (!Read(document)) return nullptr;
        return loaded_.GetDataSets().empty() ? nullptr : loaded_.GetDataSets()[0];
    }

    static CDataField* AddField(CDataSet& set, const std::string& id, const std::string& name, int type = 4) {
        CDataField* field = set.GetFields().Add(new CDataField(name, type));
        field->SetId(id);
        return field;
    }
};

}  // namespace

TEST_F(TestDataElements, FieldsLeaveOutTheirDefaults) {
    CDataSet set("Person");
    set.SetId("d1");
    AddField(set, "f1", "Age");
    AddField(set, "f2", "Count", 2);
    CDataField* ranged = AddField(set, "f3", "Size", 2);
    ranged->SetMin(1);
    ranged->SetMax(10);
    reader_.WriteDataSet(set);
    EXPECT_EQ(Written(),
              "<DATASET ID=\"d1\" Name=\"Person\">\r\n"
              "<DATAFIELD ID=\"f1\" Name=\"Age\"/>\r\n"
              "<DATAFIELD ID=\"f2\" Name=\"Count\" Type=\"2\"/>\r\n"
              "<DATAFIELD ID=\"f3\" Name=\"Size\" Type=\"2\" Min=\"1\" Max=\"10\"/>\r\n"
              "</DATASET>\r\n");
}

// One data set with every kind of child: a field with a valid and an invalid class and their
// representative values, a record made by hand and one made by generation, an effect with
// cause and variable, and an attribute of the set.
TEST_F(TestDataElements, ADataSetIsWrittenWithEveryChildAndReadsBackEqual) {
    CDataSet set("Person", "Who \"pays\"", "people.csv");
    set.SetId("d1");
    CDataField* age = AddField(set, "f1", "Age", 2);
    age->SetDefaultValue("18");
    age->SetDescription("in years");
    CDataEqClass* adult = age->GetEqClasses().Add(new CDataEqClass("Adult", 1, "18 to 120", "18", "120"));
    adult->SetId("c1");
    adult->GetRepresentativeValues() = {"30", ""};
    CDataEqClass* minor = age->GetEqClasses().Add(new CDataEqClass("Minor", 0));
    minor->SetId("c2");
    AddField(set, "f2", "Name");
    AddField(set, "f3", "City");
    CDataEffect* effect = set.GetEffects().Add(new CDataEffect("Discount", &set, 0));
    effect->SetId("e1");
    auto* cause = new CConditionKav("Cause", "#Age# < 18");
    cause->SetUniqueId("k1");
    effect->SetCondition(cause);
    auto* variable = new CAttributeKav("Rate", 2, "10");
    variable->SetId("a1");
    effect->SetAttribute(variable);
    CDataRecord* manual = set.GetRecords().Add(new CDataRecord("Rec_V01", 1, kOriginManual));
    manual->SetId("r1");
    manual->GetValues() = {{"f1", "30"}, {"f3", "Bonn"}, {"gone", "x"}};
    manual->GetEffectIds() = {"e1", "deleted"};
    CDataRecord* generated = set.GetRecords().Add(new CDataRecord("I1", 0, kOriginEqClassMethod));
    generated->SetId("r2");
    auto* setAttribute = set.GetAttributes().Add(new CAttributeKav("Limit", 2, "5"));
    setAttribute->SetId("a2");

    reader_.WriteDataSet(set);
    const std::string text = Written();
    EXPECT_EQ(text,
              "<DATASET ID=\"d1\" Name=\"Person\" Descr=\"Who &quot;pays&quot;\" DataSource=\"people.csv\">\r\n"
              "<DATAFIELD ID=\"f1\" Name=\"Age\" Type=\"2\" Value=\"18\" Descr=\"in years\">\r\n"
              "<EQCLASS ID=\"c1\" Name=\"Adult\" DefRange=\"18 to 120\" Min=\"18\" Max=\"120\">\r\n"
              "<DATAVALUE Value=\"30\"/>\r\n"
              "<DATAVALUE/>\r\n"
              "</EQCLASS>\r\n"
              "<EQCLASS ID=\"c2\" Name=\"Minor\" Valid=\"0\"/>\r\n"
              "</DATAFIELD>\r\n"
              "<DATAFIELD ID=\"f2\" Name=\"Name\"/>\r\n"
              "<DATAFIELD ID=\"f3\" Name=\"City\"/>\r\n"
              "<DATARECORD ID=\"r1\" Name=\"Rec_V01\">\r\n"
              "<DATAVALUE FieldID=\"f1\" Value=\"30\"/>\r\n"
              "<DATAVALUE FieldID=\"f2\"/>\r\n"
              "<DATAVALUE FieldID=\"f3\" Value=\"Bonn\"/>\r\n"
              "<DATAEFFECTID EffectID=\"e1\"/>\r\n"
              "</DATARECORD>\r\n"
              "<DATARECORD ID=\"r2\" Name=\"I1\" Valid=\"0\" Source=\"2\">\r\n"
              "<DATAVALUE FieldID=\"f1\"/>\r\n"
              "<DATAVALUE FieldID=\"f2\"/>\r\n"
              "<DATAVALUE FieldID=\"f3\"/>\r\n"
              "</DATARECORD>\r\n"
              "<DATAEFFECT ID=\"e1\" Name=\"Discount\" Valid=\"0\">\r\n"
              "<CND ID=\"k1\" Name=\"Cause\" Text=\"#Age# &lt; 18\"/>\r\n"
              "<ATT ID=\"a1\" Name=\"Rate\" Type=\"2\" Value=\"10\"/>\r\n"
              "</DATAEFFECT>\r\n"
              "<ATT ID=\"a2\" Name=\"Limit\" Type=\"2\" Value=\"5\"/>\r\n"
              "</DATASET>\r\n");

    const CDataSet* read = ReadDataSet(text);
    ASSERT_TRUE(read) << Message();
    // What the file cannot carry: values of fields that are gone and references to effects that
    // are gone; a record holds a value for every field after reading.
    manual->GetValues() = {{"f1", "30"}, {"f2", ""}, {"f3", "Bonn"}};
    manual->GetEffectIds() = {"e1"};
    generated->GetValues() = {{"f1", ""}, {"f2", ""}, {"f3", ""}};
    EXPECT_TRUE(read->IsEqual(&set));
    EXPECT_EQ(std::make_tuple(read->GetId(), read->GetFields()[0]->GetId(),
                              read->GetFields()[0]->GetEqClasses()[1]->GetId(), read->GetRecords()[1]->GetId(),
                              read->GetEffects()[0]->GetId()),
              std::make_tuple("d1", "f1", "c2", "r2", "e1"));
    EXPECT_EQ(read->GetFileId(), file_->GetID());
    EXPECT_EQ(read->GetRecords()[0]->GetFileId(), file_->GetID());
    EXPECT_EQ(read->GetFields()[0]->GetEqClasses()[0]->GetFileId(), "");
    EXPECT_EQ(reader_.ReadEffectReference(), "");  // outside an element: nothing
}

// The data objects check their names as the editors do; a name the check refuses must not
// leave its message behind for a later failure to be taken for.
TEST_F(TestDataElements, ANameTheModelRefusesLeavesNoMessage) {
    ASSERT_TRUE(ReadDataSet("<DATASET ID=\"d1\" Name=\"1st\"><DATAFIELD ID=\"f1\" Name=\"\"/></DATASET>"))
        << Message();
    EXPECT_EQ(Message(), "");
}
