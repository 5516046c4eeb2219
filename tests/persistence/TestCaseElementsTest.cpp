#include <gtest/gtest.h>

#include "ElementTest.h"
#include "model/TaskStep.h"
#include "model/TestCase.h"
#include "model/TestScript.h"
#include "tests/support/ProjectBuilder.h"

namespace {

class TestCaseElements : public ElementTest {
protected:
    TestProject source;
    CTaskKav* order = source.AddTask("Order");
    CWindowKav* main = source.AddWindow("Main");
    CWindowKav* dialog = source.AddWindow("Dlg");
    CTransitionKav* open = source.AddTransition(main, "Open");

    void SetUp() override {
        ElementTest::SetUp();
        order->SetID("t1");
        main->SetInternalID("w1");
        dialog->SetInternalID("w2");
        open->SetId("tr1");
    }

    static CTestStep* AddStep(CTestCase& testCase, const std::string& id, const std::string& name) {
        auto* step = testCase.GetSteps().Add(
            new CTestStep(name, "", "", "", "", "", nullptr, nullptr, 0, 2, "0", nullptr, nullptr, nullptr, ""));
        step->SetId(id);
        return step;
    }
};

}  // namespace

TEST_F(TestCaseElements, ATaskTestCaseNamesItsTaskAndEachStepItsSource) {
    CTaskStep* taskStep = order->GetSteps().Add(
        new CTaskStep("Enter", "", "", "", "", "", nullptr, nullptr, 0, nullptr, 2, "0", 1));
    taskStep->SetId("ts1");
    CTestCase testCase(1, kTestCaseGraphCoverage, nullptr, nullptr, order, 0);
    testCase.SetUniqueId("c1");
    AddStep(testCase, "s1", "")->SetSourceStep(taskStep);
    AddStep(testCase, "s2", "Open")->SetTransition(open);
    AddStep(testCase, "s3", "Plain");

    reader_.WriteTestCase(testCase);
    EXPECT_EQ(Written(),
              "<TC ID=\"c1\" TaskID=\"t1\">\r\n"
              "<TESTSTEP ID=\"s1\" BaseStepID=\"ts1\" Name=\"Enter\"/>\r\n"
              "<TESTSTEP ID=\"s2\" BaseStepID=\"tr1\" Name=\"Open\"/>\r\n"
              "<TESTSTEP ID=\"s3\" Name=\"Plain\"/>\r\n"
              "</TC>\r\n");
}

TEST_F(TestCaseElements, EveryFieldOfATestCaseIsWrittenAndReadBack) {
    CTestCase testCase(12, kTestCaseTransition, main, open, order, 1);
    testCase.SetUniqueId("c2");
    CTestStep* step = AddStep(testCase, "s1", "Type name");
    step->SetEvent("Input(\"a\tb\")");
    step->SetCommands("cmd");
    step->SetDescription("Line 1\r\nLine 2");
    step->SetInput("in");
    step->SetExpectedResult("shown");
    step->SetResultValue("");
    step->SetDelay(3);
    step->SetCriticality(4);
    step->SetComment("checked");
    step->SetStartWindow(main);
    step->SetDestWindow(dialog);
    step->SetTask(order);
    step->SetTransition(open);
    auto* field = step->GetAttributes().Add(new CAttributeKav("Tester", 4, "me"));
    field->SetId("u1");
    auto* info = step->GetBBInfos().Add(
        new CTestStepBBInfo("Login", "dapi", "goal", "config", "pre", "descr", "post", 2, "Order/Login"));
    info->SetId("b1");
    info->GetAttributes().Add(new CAttributeKav("User", 4, "admin"))->SetId("a1");
    step->GetBBInfos().Add(new CTestStepBBInfo("Outer", "", "", "", "", "", "", 1, ""))->SetId("b2");

    reader_.WriteTestCase(testCase);
    const std::string text = Written();
    EXPECT_EQ(text,
              "<TC ID=\"c2\" WndID=\"w1\" TaskID=\"t1\" StepID=\"tr1\" TC_No=\"12\" Type=\"0\" ErrorCase=\"1\">\r\n"
              "<TESTSTEP ID=\"s1\" StartWndID=\"w1\" DestWndID=\"w2\" TaskID=\"t1\" BaseStepID=\"tr1\""
              " Name=\"Type name\" Event=\"Input(&quot;a&#x9;b&quot;)\" Cmds=\"cmd\" Delay=\"3\""
              " Descr=\"Line 1&#xd;&#xa;Line 2\" Input=\"in\" Result=\"shown\" ResultValue=\"\" Criticality=\"4\""
              " Comment=\"checked\">\r\n"
              "<USR_FIELD ID=\"u1\" Name=\"Tester\" Value=\"me\"/>\r\n"
              "<BB_INFO ID=\"b1\" BBName=\"Login\" BBDapiID=\"dapi\" TestGoal=\"goal\" Config=\"config\""
              " PreCnd=\"pre\" Descr=\"descr\" PostCnd=\"post\" Depth=\"2\" Hierarchy=\"Order/Login\">\r\n"
              "<ATT ID=\"a1\" Name=\"User\" Value=\"admin\"/>\r\n"
              "</BB_INFO>\r\n"
              "<BB_INFO ID=\"b2\" BBName=\"Outer\"/>\r\n"
              "</TESTSTEP>\r\n"
              "</TC>\r\n");

    ASSERT_TRUE(Read(text)) << Message();
    ASSERT_EQ(loaded_.GetTestCases().size(), 1u);
    const CTestCase* read = loaded_.GetTestCases()[0];
    EXPECT_EQ(std::make_tuple(read->GetUniqueId(), read->GetWindowId(), read->GetTaskId(), read->GetStepId(),
                              read->GetNumber(), read->GetType(), read->GetErrorCase(), read->GetFileId()),
              std::make_tuple("c2", "w1", "t1", "tr1", 12, int(kTestCaseTransition), 1, file_->GetID()));
    EXPECT_EQ(read->GetWindow(), nullptr);  // linked once the whole project is read
    ASSERT_EQ(read->GetSteps().size(), 1u);
    const CTestStep* s = read->GetSteps()[0];
    EXPECT_EQ(std::make_tuple(s->GetId(), s->GetStartWndId(), s->GetDestWndId(), s->GetTaskId(), s->GetBaseStepId()),
              std::make_tuple("s1", "w1", "w2", "t1", "tr1"));
    EXPECT_EQ(std::make_tuple(s->GetName(), s->GetEvent(), s->GetCommands(), s->GetDescription(), s->GetInput(),
                              s->GetExpectedResult(), s->GetResultValue(), s->GetDelay(), s->GetCriticality(),
                              s->GetComment()),
              std::make_tuple("Type name", "Input(\"a\tb\")", "cmd", "Line 1\r\nLine 2", "in", "shown", "0", 3, 4,
                              "checked"));
    ASSERT_EQ(s->GetAttributes().size(), 1u);
    EXPECT_EQ(s->GetAttributes()[0]->GetValue(), "me");
    ASSERT_EQ(s->GetBBInfos().size(), 2u);
    const CTestStepBBInfo* b = s->GetBBInfos()[0];
    EXPECT_EQ(std::make_tuple(b->GetId(), b->GetName(), b->GetDapiId(), b->GetTestGoal(), b->GetConfiguration(),
                              b->GetPrecondition(), b->GetDescription(), b->GetPostcondition(), b->GetDepth(),
                              b->GetHierarchy()),
              std::make_tuple("b1", "Login", "dapi", "goal", "config", "pre", "descr", "post", 2, "Order/Login"));
    ASSERT_EQ(b->GetAttributes().size(), 1u);
    EXPECT_EQ(b->GetAttributes()[0]->GetName(), "User");
    EXPECT_EQ(s->GetBBInfos()[1]->GetDepth(), 1);
}

// The file's defaults differ from those of a new script object: a missing Format is 0 and a
// missing SumTC is 1.
TEST_F(TestCaseElements, ATestScriptLeavesOutTheFileDefaults) {
    struct Case {
        int format;
        int count;
        std::string attributes;
    } cases[] = {
        {0, 1, ""},
        {7, 0, " Format=\"7\" SumTC=\"0\""},
    };
    for (const Case& c : cases) {
        CTestScript script;
        script.SetId("x1");
        script.SetTask(order);
        script.SetName("Order");
        script.SetPath("C:\\scripts");
        script.SetFormat(c.format);
        script.SetSumTC(c.count);
        reader_.WriteTestScript(script);
        const std::string text = Written();
        EXPECT_EQ(text, "<TS ID=\"x1\" TaskID=\"t1\" Name=\"Order\" Path=\"C:\\scripts\"" + c.attributes + "/>\r\n");

        loaded_.GetTestScripts().DeleteAll();
        ASSERT_TRUE(Read(text)) << Message();
        const CTestScript* read = loaded_.GetTestScripts()[0];
        EXPECT_EQ(std::make_tuple(read->GetId(), read->GetTaskId(), read->GetWindowId(), read->GetName(),
                                  read->GetPath(), read->GetFormat(), read->GetSumTC(), read->GetFileId()),
                  std::make_tuple("x1", "t1", "", "Order", "C:\\scripts", c.format, c.count, file_->GetID()));
    }
}
