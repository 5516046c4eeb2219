#include <gtest/gtest.h>

#include "ElementTest.h"
#include "tests/support/ProjectBuilder.h"

TEST_F(ElementTest, ARequirementNamesItsParentByTheParentsUniqueIdentifier) {
    TestProject source;
    CRequirement* root = source.AddRequirement("R1");
    root->SetUniqueId("u1");
    CRequirement* child = source.AddRequirement("R1_1", root);
    child->SetUniqueId("u2");
    child->SetTitle("Log in");
    child->SetDescription("The user \"admin\" logs in.\r\nTwice.");
    child->SetDocPath("docs\\login.doc");

    reader_.WriteRequirement(*root);
    const std::string rootText = Written();
    EXPECT_EQ(rootText, "<REQ ID=\"u1\" Name=\"R1\"/>\r\n");
    reader_.WriteRequirement(*child);
    const std::string childText = Written();
    EXPECT_EQ(childText,
              "<REQ ID=\"u2\" ParentID=\"u1\" Name=\"R1_1\" Title=\"Log in\""
              " Descr=\"The user &quot;admin&quot; logs in.&#xd;&#xa;Twice.\" DocPath=\"docs\\login.doc\"/>\r\n");

    ASSERT_TRUE(Read(rootText + childText)) << Message();
    ASSERT_EQ(loaded_.GetRequirements().size(), 2u);
    const CRequirement* read = loaded_.GetRequirements()[1];
    EXPECT_EQ(std::make_tuple(read->GetUniqueId(), read->GetParentId(), read->GetID(), read->GetTitle(),
                              read->GetDescription(), read->GetDocPath(), read->GetFileId()),
              std::make_tuple("u2", "u1", "R1_1", "Log in", "The user \"admin\" logs in.\r\nTwice.",
                              "docs\\login.doc", file_->GetID()));
    EXPECT_EQ(read->GetParent(), nullptr);  // linked once the whole project is read
    EXPECT_EQ(loaded_.GetRequirements()[0]->GetParentId(), "");
}

// The editor's rules on requirement IDs do not apply to what a file holds, and their
// messages must not linger for a later failure to be mistaken for.
TEST_F(ElementTest, ARequirementsNameLoadsAsItStands) {
    const std::string longName(60, 'N');
    for (const std::string& name : {longName, std::string()}) {
        loaded_.GetRequirements().DeleteAll();
        ASSERT_TRUE(Read("<REQ ID=\"u\" Name=\"" + name + "\"/>")) << Message();
        EXPECT_EQ(loaded_.GetRequirements()[0]->GetID(), name);
        EXPECT_EQ(Message(), "");
    }
}
