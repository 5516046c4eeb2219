#include <gtest/gtest.h>

#include "ElementTest.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"

namespace {

class DispatchTest : public ElementTest {
protected:
    std::string Position(const std::string& element, const std::string& code) {
        return "Invalid file structure: '" + element + "' tag detected at invalid position! [" + code + "]";
    }
};

const std::string kTaskStart = "<TASK ID=\"t1\" Name=\"T\" Type=\"0\">";
const std::string kDataSetStart = "<DATASET ID=\"d1\" Name=\"D\">";

}  // namespace

// Each element stands only under the parents that take it; anywhere else the read stops with
// the element's own message, and the misplaced object is not kept.
TEST_F(DispatchTest, AnElementUnderAnotherParentStopsWithItsPositionMessage) {
    struct Case {
        std::string elements, element, code;
    };
    const Case cases[] = {
        {kTaskStart + "<ACT ID=\"a\"/></TASK>", "ACT", "W0890"},
        {kTaskStart + "<TASKSTEP ID=\"s\"><ARG Value=\"x\"/></TASKSTEP></TASK>", "ARG", "W0891"},
        {"<TC ID=\"c\"><ATT ID=\"a\"/></TC>", "ATT", "W0892"},
        {"<TC ID=\"c\"><BB_INFO ID=\"b\"/></TC>", "BB_INFO", "W0755"},
        {kTaskStart + "<CND ID=\"c\"/></TASK>", "CND", "W0893"},
        {kTaskStart + "<CONNECT DestStepID=\"s\"/></TASK>", "CONNECT", "W0894"},
        {"<DATAEFFECT ID=\"e\"/>", "DATAEFFECT", "W0976"},
        {kDataSetStart + "<DATAEFFECTID EffectID=\"e\"/></DATASET>", "DATAEFFECTID", "W0984"},
        {"<DATAFIELD ID=\"f\"/>", "DATAFIELD", "W0843"},
        {"<DATARECORD ID=\"r\"/>", "DATARECORD", "W0848"},
        {"<PROJECT ID=\"p\"><DATASET ID=\"d\"/></PROJECT>", "DATASET", "W0845"},
        {kDataSetStart + "<DATAVALUE Value=\"v\"/></DATASET>", "DATAVALUE", "W0854"},
        {kDataSetStart + "<EQCLASS ID=\"e\"/></DATASET>", "EQCLASS", "W0850"},
        {"<FILE ID=\"f\" Path=\"L.xml\"/>", "FILE", "W0895"},
        {"<PROJECT ID=\"p\"><REQ ID=\"r\"/></PROJECT>", "REQ", "W0898"},
        {"<PROJECT ID=\"p\"><TASK ID=\"t\" Name=\"T\"/></PROJECT>", "TASK", "W0900"},
        {kTaskStart + "<TASKSTEP ID=\"s\"><TASKREQ ReqID=\"r\"/></TASKSTEP></TASK>", "TASKREQ", "W0901"},
        {"<TASKSTEP ID=\"s\"/>", "TASKSTEP", "W0902"},
        {"<PROJECT ID=\"p\"><TC ID=\"c\"/></PROJECT>", "TC", "W0903"},
        {"<TESTSTEP ID=\"s\"/>", "TESTSTEP", "W0904"},
        {"<TRANS ID=\"t\"/>", "TRANS", "W0905"},
        {"<TC ID=\"c\"><TS ID=\"s\"/></TC>", "TS", "W0906"},
        {"<USR_FIELD ID=\"u\"/>", "USR_FIELD", "W0907"},
        {"<PROJECT ID=\"p\"><WND ID=\"w\" Name=\"W\"/></PROJECT>", "WND", "W0908"},
        {"<WND ID=\"w\" Name=\"W\"><XML_ATT Name=\"x\"/></WND>", "XML_ATT", "W1183"},
        {"<XML_ELEMENT Name=\"x\"/>", "XML_ELEMENT", "W1185"},
    };
    for (const Case& c : cases) {
        loaded_.GetTasks().DeleteAll();
        loaded_.GetWindowList().DeleteAll();
        EXPECT_FALSE(Read(c.elements)) << c.elements;
        EXPECT_EQ(Message(), Position(c.element, c.code));
    }
    EXPECT_TRUE(loaded_.GetRequirements().empty());
    EXPECT_TRUE(loaded_.GetFiles().empty());
}

TEST_F(DispatchTest, NamesMatchWithoutCaseAndUnknownNamesStopTheRead) {
    ASSERT_TRUE(Read("<task ID=\"t1\" Name=\"T\" Type=\"0\"><TaskStep ID=\"s1\"><connect DestStepID=\"s2\"/>"
                     "</TaskStep></task>"))
        << Message();
    ASSERT_EQ(loaded_.GetTasks().size(), 1u);
    EXPECT_EQ(loaded_.GetTasks()[0]->GetSteps()[0]->GetSuccessorIds(), std::vector<std::string>{"s2"});

    for (const char* document : {"<KAVRO_DATA><FOO/></KAVRO_DATA>", "<FOO/>"}) {
        EXPECT_FALSE(ReadDocument(document)) << document;
        EXPECT_EQ(Message(), "Invalid tag 'FOO' detected in file " + file_->GetFullPath() + "! [W0910]");
    }
}

TEST_F(DispatchTest, TheRootAndTheProjectElementStandOnceInTheirPlaces) {
    EXPECT_FALSE(Read("<PROJECT ID=\"p\"/><PROJECT ID=\"q\"/>"));
    EXPECT_EQ(Message(), "More than 1 'PROJECT' tag has been found! [W0799]");
    EXPECT_EQ(loaded_.GetId(), "p");
    EXPECT_TRUE(reader_.IsProjectElementRead());

    EXPECT_FALSE(ReadDocument("<KAVRO_DATA><KAVRO_DATA/></KAVRO_DATA>"));
    EXPECT_EQ(Message(), "XML file " + file_->GetFullPath() +
                             " does not appear to be an KAVRO file. The top-level tag must be 'KAVRO_DATA'! [W0859]");

    // Without a root, a project element means nothing.
    ASSERT_TRUE(ReadDocument("<PROJECT ID=\"other\" Name=\"X\"/>")) << Message();
    EXPECT_EQ(loaded_.GetId(), "p");
    EXPECT_FALSE(reader_.IsProjectElementRead());
}

TEST_F(DispatchTest, ASecondTaskOrWindowOfAnIdentifierStopsTheRead) {
    EXPECT_FALSE(Read("<TASK ID=\"t1\" Name=\"A\"/><TASK ID=\"t1\" Name=\"B\"/>"));
    EXPECT_EQ(Message(),
              "Invalid file structure: TaskID 't1' appears more than once!\n"
              "Please do not edit KAVRO project files manually! [W1052]");
    ASSERT_EQ(loaded_.GetTasks().size(), 1u);
    EXPECT_EQ(loaded_.GetTasks()[0]->GetName(), "A");
    // Tasks that the project held before the read count as well, as long as they are there.
    EXPECT_FALSE(Read("<TASK ID=\"t2\" Name=\"C\"/><TASK ID=\"t1\" Name=\"D\"/>"));
    EXPECT_TRUE(Message().starts_with("Invalid file structure: TaskID 't1' appears")) << Message();
    EXPECT_EQ(loaded_.GetTasks().size(), 2u);
    loaded_.GetTasks().Delete(loaded_.FindTask("t1", true));
    EXPECT_TRUE(Read("<TASK ID=\"t1\" Name=\"E\"/>")) << Message();

    EXPECT_FALSE(Read("<WND ID=\"w1\" Name=\"Main\"/><WND ID=\"w2\" Name=\"MAIN\"/>"));
    EXPECT_EQ(Message(), "A window with ID MAIN is already existing! [W0536]");
    EXPECT_EQ(loaded_.GetWindowList().GetCount(), 1u);
}

// A step that calls a sub-task carries values of its parameters; any other step values of the
// user-defined step fields.
TEST_F(DispatchTest, StepsTakeParameterValuesOrFieldValuesByWhetherTheyCallASubTask) {
    ASSERT_TRUE(Read(kTaskStart + "<TASKSTEP ID=\"s1\" SubTaskID=\"t2\"><ATT ID=\"a\" Name=\"P\"/></TASKSTEP>" +
                     "<TASKSTEP ID=\"s2\"><USR_FIELD ID=\"f\" Name=\"F\"/></TASKSTEP></TASK>"))
        << Message();
    const auto& steps = loaded_.GetTasks()[0]->GetSteps();
    EXPECT_EQ(steps[0]->GetAttributes()[0]->GetName(), "P");
    EXPECT_EQ(steps[1]->GetAttributes()[0]->GetName(), "F");

    loaded_.GetTasks().DeleteAll();
    EXPECT_FALSE(Read(kTaskStart + "<TASKSTEP ID=\"s1\"><ATT ID=\"a\"/></TASKSTEP></TASK>"));
    EXPECT_EQ(Message(), "Invalid 'ATT' tag for atomic task step 's1'! [W0876]");
    loaded_.GetTasks().DeleteAll();
    EXPECT_FALSE(Read(kTaskStart + "<TASKSTEP ID=\"s1\" SubTaskID=\"t2\"><USR_FIELD ID=\"f\"/></TASKSTEP></TASK>"));
    EXPECT_EQ(Message(), "Invalid 'USR_FIELD' tag for sub task step 's1'! [W0877]");
    EXPECT_TRUE(loaded_.GetTasks()[0]->GetSteps()[0]->GetAttributes().empty());
}

TEST_F(DispatchTest, ARecordKeepsTheLastValueOfAFieldAndNeedsTheFieldsIdentifier) {
    ASSERT_TRUE(Read(kDataSetStart + "<DATARECORD ID=\"r\"><DATAVALUE FieldID=\"f\" Value=\"1\"/>" +
                     "<DATAVALUE FieldID=\"f\" Value=\"2\"/></DATARECORD></DATASET>"))
        << Message();
    EXPECT_EQ(loaded_.GetDataSets()[0]->GetRecords()[0]->GetValues().at("f"), "2");

    EXPECT_FALSE(Read(kDataSetStart + "<DATARECORD ID=\"r\"><DATAVALUE Value=\"1\"/></DATARECORD></DATASET>"));
    EXPECT_EQ(Message(), "Missing FieldID for tag 'DATAVALUE'! [W0797]");
}

TEST_F(DispatchTest, TestCasesInsideScriptsAreNoProjectObjects) {
    ASSERT_TRUE(Read("<TS ID=\"s\"><TC ID=\"c\"/></TS>")) << Message();
    EXPECT_EQ(loaded_.GetTestScripts().size(), 1u);
    EXPECT_TRUE(loaded_.GetTestCases().empty());
    // The steps of such a test case have no test case to join, whatever an earlier one left.
    EXPECT_FALSE(Read("<TC ID=\"c1\"/><TS ID=\"s\"><TC ID=\"c2\"><TESTSTEP ID=\"x\"/></TC></TS>"));
    EXPECT_EQ(Message(), Position("TESTSTEP", "W0904"));
    EXPECT_TRUE(loaded_.GetTestCases()[0]->GetSteps().empty());
}

// Objects of an earlier parse may be gone: nothing of it stays current.
TEST_F(DispatchTest, NothingOfAnEarlierReadStaysCurrent) {
    ASSERT_TRUE(Read(kTaskStart + "<TASKSTEP ID=\"s1\"/></TASK><WND ID=\"w\" Name=\"W\"/>")) << Message();
    loaded_.GetTasks().DeleteAll();
    loaded_.GetWindowList().DeleteAll();
    EXPECT_FALSE(ReadDocument("<KAVRO_DATA Version=\"12.4\"><TASKSTEP ID=\"x\"><ACT ID=\"a\"/></TASKSTEP>"
                              "</KAVRO_DATA>"));
    EXPECT_EQ(Message(), Position("TASKSTEP", "W0902"));
}

TEST_F(DispatchTest, ElementsOfInterfaceMessagesNeedTheInterface) {
    for (const std::string element : {"COMMAND", "CMD_PING", "KAVRO_LIB", "VORNAK_KAVRO_INTERFACE"}) {
        EXPECT_FALSE(Read("<" + element + "/>")) << element;
        EXPECT_EQ(Message(), "Invalid tag '" + element +
                                 "' found in XML file! This tag is only allowed if KAVRO is called via VORNAK Test"
                                 " Manager! [W1078]");
    }
}
