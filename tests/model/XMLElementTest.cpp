// Tool-data elements: lookups without case, the three removals, deep equality and copies.
#include <gtest/gtest.h>

#include <memory>

#include "model/XMLElement.h"
#include "tests/support/WindowBuilder.h"

namespace {

std::unique_ptr<CXMLElement> Tree(CXMLElement* root) { return std::unique_ptr<CXMLElement>(root); }

// qtpRep:Objects
//   qtpRep:Property name=text      -> qtpRep:Value "OK"
//   qtpRep:Property (no name)      -> qtpRep:Property name=text (nested) -> qtpRep:Parameter "P"
//   qtpRep:PropertyRef "text"
//   group                          -> qtpRep:PropertyRef "TEXT"
std::unique_ptr<CXMLElement> Repository() {
    return Tree(MakeElement(
        "qtpRep:Objects", "", {},
        {MakeElement("qtpRep:Property", "", {{"name", "text"}}, {MakeElement("qtpRep:Value", "OK")}),
         MakeElement("qtpRep:Property", "", {{"kind", "x"}},
                     {MakeElement("qtpRep:Property", "", {{"name", "text"}}, {MakeElement("qtpRep:Parameter", "P")})}),
         MakeElement("qtpRep:PropertyRef", "text"),
         MakeElement("group", "", {}, {MakeElement("qtpRep:PropertyRef", "TEXT")})}));
}

}  // namespace

TEST(XMLElement, LookupsIgnoreCaseAndSearchDepthFirst) {
    auto root = Repository();
    EXPECT_EQ(root->FindByName("QTPREP:OBJECTS"), root.get());
    EXPECT_EQ(root->FindChild("GROUP"), root->GetChildren()[3]);
    EXPECT_EQ(root->FindChild("qtpRep:Value"), nullptr);  // not a direct child
    EXPECT_EQ(root->FindByName("qtprep:parameter")->GetValue(), "P");
    EXPECT_EQ(root->FindNamedValue("QTPREP:PROPERTYREF", "TEXT"), root->GetChildren()[2]);
    EXPECT_EQ(root->FindByAttribute("qtpRep:Property", "NAME", "TEXT"), root->GetChildren()[0]);

    CXMLElement* first = root->GetChildren()[0];
    EXPECT_EQ(first->GetAttributeValue("Name"), "text");
    EXPECT_EQ(first->GetAttributeValue("missing"), "");
    EXPECT_TRUE(first->SetAttributeValue("NAME", "caption"));
    EXPECT_EQ(first->GetAttributeValue("name"), "caption");
    EXPECT_FALSE(first->SetAttributeValue("class", "x"));
    EXPECT_EQ(first->GetAttributes().size(), 1u);
}

TEST(XMLElement, RemovalsFollowTheirOwnDescentRules) {
    // By attribute: an element of the name without the attribute is neither removed nor
    // searched, so the nested match stays.
    auto byAttribute = Repository();
    EXPECT_TRUE(byAttribute->RemoveByAttribute("qtpRep:Property", "name", "TEXT"));
    ASSERT_EQ(byAttribute->GetChildren().size(), 3u);
    EXPECT_NE(byAttribute->FindByName("qtpRep:Parameter"), nullptr);
    EXPECT_FALSE(byAttribute->RemoveByAttribute("qtpRep:Property", "name", "text"));

    // By name and value: every other element is searched, the nested reference goes too.
    auto byValue = Repository();
    EXPECT_TRUE(byValue->RemoveByNameAndValue("qtpRep:PropertyRef", "text"));
    EXPECT_EQ(byValue->FindByName("qtpRep:PropertyRef"), nullptr);
    EXPECT_EQ(byValue->GetChildren().size(), 3u);

    // By name: a match goes with everything inside it; the receiver itself stays.
    auto byName = Repository();
    EXPECT_TRUE(byName->RemoveByName("qtpRep:Property"));
    EXPECT_EQ(byName->GetChildren().size(), 2u);
    EXPECT_EQ(byName->FindByName("qtpRep:Parameter"), nullptr);
    EXPECT_FALSE(byName->RemoveByName("qtpRep:Objects"));
}

TEST(XMLElement, EqualityIsExactAndOrderedAndCopiesAreDeep) {
    auto root = Repository();
    std::unique_ptr<CXMLElement> copy(root->Clone());
    EXPECT_TRUE(root->IsEqual(copy.get()));
    EXPECT_FALSE(root->IsEqual(nullptr));

    copy->GetChildren()[3]->GetChildren()[0]->SetValue("Text");  // deep, and with case
    EXPECT_FALSE(root->IsEqual(copy.get()));
    EXPECT_EQ(root->GetChildren()[3]->GetChildren()[0]->GetValue(), "TEXT");

    auto ab = Tree(MakeElement("e", "", {{"a", "1"}, {"b", "2"}}));
    auto ba = Tree(MakeElement("e", "", {{"b", "2"}, {"a", "1"}}));
    auto upper = Tree(MakeElement("E", "", {{"a", "1"}, {"b", "2"}}));
    EXPECT_FALSE(ab->IsEqual(ba.get()));
    EXPECT_FALSE(ab->IsEqual(upper.get()));
    EXPECT_EQ(upper->FindByName("e"), upper.get());
}
