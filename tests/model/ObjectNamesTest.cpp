#include <gtest/gtest.h>

#include "model/ObjectNames.h"
#include "platform/MessageBuffer.h"
#include "tests/support/ProjectBuilder.h"

using ObjectNames = ProjectTest;

TEST_F(ObjectNames, ValidObjectNamesKeepIdentifierCharactersOnly) {
    const std::string longText(120, 'x');
    struct Case {
        std::string text;
        int kind;
        std::string name;
    };
    const Case cases[] = {
        {"3 \xC3\x84pfel", kKindDataObject, "ID3pfel"},
        {"", kKindDataObject, "ID"},
        {"-- \xC3\xA4 --", kKindDataObject, "ID"},
        {"Order Entry!", kKindTask, "OrderEntry"},
        {longText, kKindDataObject, std::string(30, 'x')},
        {longText, kKindTask, std::string(100, 'x')},
        {"1" + longText, kKindTask, "ID1" + std::string(97, 'x')},  // the prefix counts
    };
    for (const Case& c : cases) EXPECT_EQ(app.MakeValidObjectName(c.text, c.kind, 99), c.name) << c.text;
}

TEST(CheckIdentifier, ReportsTheFirstFault) {
    const std::pair<std::string, std::string> refused[] = {
        {"", "The ID must not be empty! [W0958]"},
        {"1a", "The ID must not begin with a digit! [W0959]"},
        {" a", "The ID must not begin with a space character! [W0960]"},
        {"a-b", "Invalid character '-' found in ID!\nPlease use only alphanumeric characters and '_' [W0961]"},
        {"\xC3\xA4x", "Invalid character '\xC3\xA4' found in ID!\nPlease use only alphanumeric characters and '_' [W0961]"},
        {"ab\xC3\xA4", "Invalid character '\xC3\xA4' found in ID!\nPlease use only alphanumeric characters and '_' [W0961]"},
    };
    for (const auto& [text, message] : refused) {
        ClearGlobalMessage();
        EXPECT_FALSE(CheckIdentifier(text)) << text;
        EXPECT_EQ(GetGlobalMessageBuffer(), message);
    }
    EXPECT_TRUE(CheckIdentifier("_a1" + std::string(200, 'b')));  // no length limit here
}

TEST_F(ObjectNames, UniqueTaskNamesCompareWithoutCaseAndIgnoreFolders) {
    project.AddTask("Task");
    project.AddTask("task1");
    project.AddTask("Task2", nullptr, kTaskFolder);
    project.AddTask("Task3", nullptr, kTaskPlain, project.Lib());  // another file does not count
    EXPECT_EQ(app.MakeUniqueName("Task"), "Task2");
    EXPECT_EQ(app.MakeUniqueName("Fresh"), "Fresh");
}

TEST_F(ObjectNames, ValidTaskNamesSkipTakenNamesButTheIgnoredTask) {
    CTaskKav* order = project.AddTask("Order");
    EXPECT_EQ(app.MakeValidTaskName("Order", nullptr), "Order1");
    EXPECT_EQ(app.MakeValidTaskName("Order", order), "Order");
    project.AddTask("Order1");
    EXPECT_EQ(app.MakeValidTaskName("Or der", nullptr), "Order2");
}

TEST_F(ObjectNames, PathTextsNameEveryKindWithItsFile) {
    EXPECT_EQ(app.GetObjectPathText(project.AddAttribute("Counter", project.Lib())), "^Lib::Counter");
    EXPECT_EQ(app.GetObjectPathText(project.AddAttribute("Counter")), ":Counter");
    EXPECT_EQ(app.GetObjectPathText(project.AddTask("Order")), "@Order");
    EXPECT_EQ(app.GetObjectPathText(project.AddDataSet("Customer")), "~Customer");
    EXPECT_EQ(app.GetObjectPathText(project.AddMetaCondition("C1", "#X#")), "%C1");
    EXPECT_EQ(app.GetObjectPathText(project.AddRequirement("REQ-7")), "REQ-7");
    EXPECT_EQ(app.GetObjectPathText(project.AddWindow("Login", nullptr, kWndDialogBox, project.Lib())), "^Lib:Login");
    EXPECT_EQ(app.GetObjectPathText(project.AddTestCase(1, kTestCaseManual, nullptr)), "");
    EXPECT_EQ(app.GetObjectPathText(nullptr), "");
    CAttributeKav loose("Free", 2, "");
    EXPECT_EQ(app.GetObjectPathText(&loose), ":Free");
}
