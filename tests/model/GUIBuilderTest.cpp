#include <gtest/gtest.h>

#include <limits>
#include <memory>

#include "model/CloneFlags.h"
#include "model/FileKav.h"
#include "model/GUIBuilderList.h"
#include "model/WindowKav.h"

TEST(MatchClassNamePattern, StarsStandForAnyRunAndCaseDoesNotCount) {
    struct Case {
        const char* name;
        const char* pattern;
        bool expected;
    } cases[] = {
        {"Button", "button", true},       {"buttons", "button", false},  {"abab", "a*b", true},
        {"abcx", "*abc", false},          {"xabc", "*abc", true},        {"", "*", true},
        {"anything", "*", true},          {"", "", true},                {"x", "", false},
        {"a", "a**", true},               {"abc", "a**", true},          {"Afx:400000:8", "afx:*", true},
        {"RichEdit", "*edit", true},      {"edit", "*edit", true},       {"ab", "ab*ab", false},
        {"abab", "ab*ab", true},          {"axbyc", "a*b*c", true},      {"acb", "a*b*c", false},
        {"ThunderRT6TextBox", "thunder*textbox", true},                  {"aXbXc", "*b*", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchClassNamePattern(c.name, c.pattern), c.expected) << c.name << " ~ " << c.pattern;
}

namespace {

class GUIBuilderModel : public ::testing::Test {
protected:
    CGUIBuilderList list;

    CGUIBuilder* Add(const std::string& name, int guiId, int preDef = 1) {
        return list.Add(new CGUIBuilder(name, guiId, preDef));
    }
    static CWindowClass* AddClass(CGUIBuilder* builder, const std::string& name, int type, int preDef = 1,
                                  int isDefault = 0) {
        return builder->GetWindowClasses().Add(new CWindowClass(name, type, preDef, isDefault));
    }
};

}  // namespace

TEST_F(GUIBuilderModel, NextGuiIdIsOneMoreThanTheLargestAndAtLeastTwo) {
    EXPECT_EQ(list.GetNextGuiID(), 2);
    Add("Zero", 0);
    EXPECT_EQ(list.GetNextGuiID(), 2);
    Add("One", 1);
    Add("Seven", 7);
    EXPECT_EQ(list.GetNextGuiID(), 8);
    Add("Last", std::numeric_limits<int>::max());
    EXPECT_EQ(list.GetNextGuiID(), std::numeric_limits<int>::max());
}

TEST_F(GUIBuilderModel, LookupsTakeTheFirstMatchInListOrder) {
    CGUIBuilder* gtk = Add("Gtk", 10);
    CGUIBuilder* other = Add("Other", 10);
    EXPECT_EQ(list.FindBuilder("gtk", false), gtk);
    gtk->SetId("IdGtk");
    EXPECT_EQ(list.FindBuilder("IdGtk", true), gtk);
    EXPECT_EQ(list.FindBuilder("idgtk", true), nullptr);
    EXPECT_EQ(list.FindByGuiID(10), gtk);
    EXPECT_EQ(list.FindByGuiID(11), nullptr);

    CWindowClass* firstEdit = AddClass(gtk, "*edit", kWndInputField);
    AddClass(other, "richedit", kWndInputField);
    CGUIBuilder* builder = nullptr;
    CWindowClass* windowClass = nullptr;
    EXPECT_TRUE(list.FindWindowClass("RichEdit", builder, windowClass));
    EXPECT_EQ(builder, gtk);
    EXPECT_EQ(windowClass, firstEdit);
    EXPECT_FALSE(list.FindWindowClass("Button", builder, windowClass));
    EXPECT_EQ(builder, nullptr);
    EXPECT_EQ(windowClass, nullptr);
}

TEST_F(GUIBuilderModel, TheDefaultClassOfATypeIsPreferredAndStaysUnique) {
    CGUIBuilder* builder = Add("B", 1);
    CWindowClass* first = AddClass(builder, "Edit", kWndInputField);
    CWindowClass* second = AddClass(builder, "RichEdit", kWndInputField);
    CWindowClass* button = AddClass(builder, "Button", kWndPushButton, 1, 1);
    EXPECT_EQ(builder->GetClassNameForType(kWndInputField), "Edit");
    EXPECT_EQ(builder->GetClassNameForType(kWndTable), "");

    EXPECT_TRUE(builder->SetDefaultClass(second));
    EXPECT_EQ(builder->GetClassNameForType(kWndInputField), "RichEdit");
    EXPECT_FALSE(first->IsDefault());
    EXPECT_TRUE(button->IsDefault());  // another type is left alone

    CWindowClass stranger("Edit", kWndInputField, 1, 0);
    EXPECT_FALSE(builder->SetDefaultClass(&stranger));
    EXPECT_TRUE(second->IsDefault());
}

TEST_F(GUIBuilderModel, RemovingUserDefinedEntriesKeepsThePredefinedSet) {
    CGUIBuilder* predefined = Add("Win32", 999);
    CWindowClass* kept = AddClass(predefined, "Button", kWndPushButton);
    AddClass(predefined, "MyButton", kWndPushButton, 0);
    Add("Mine", 1000, 0);
    CGUIBuilder* second = Add("Java", 996);
    AddClass(second, "JMine", kWndPushButton, 0);
    EXPECT_TRUE(predefined->HasUserDefinedClasses());

    list.RemoveUserDefined();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], predefined);
    EXPECT_EQ(list[1], second);
    EXPECT_EQ(predefined->GetWindowClasses().Snapshot(), std::vector<CWindowClass*>{kept});
    EXPECT_TRUE(second->GetWindowClasses().empty());
    EXPECT_FALSE(predefined->HasUserDefinedClasses());
}

TEST_F(GUIBuilderModel, ACopyHasTheClassesInOrderAndTheIdentityTheFlagsSay) {
    CFileKav file("Proj");
    CGUIBuilder* source = Add("Mine", 1000, 0);
    source->SetFile(&file);
    source->SetFileId("stored");
    AddClass(source, "A*", kWndPushButton, 0, 1);
    AddClass(source, "B", kWndCheckBox, 0, 0);

    std::unique_ptr<CGUIBuilder> plain(source->Copy(0));
    EXPECT_EQ(std::make_tuple(plain->GetName(), plain->GetGuiID(), plain->IsPreDef(), plain->GetKind()),
              std::make_tuple("Mine", 1000, false, int(kKindGuiBuilder)));
    EXPECT_NE(plain->GetId(), source->GetId());
    EXPECT_EQ(plain->GetFile(), nullptr);
    EXPECT_EQ(plain->GetFileId(), "");
    ASSERT_EQ(plain->GetWindowClasses().size(), 2u);
    const CWindowClass* a = plain->GetWindowClasses()[0];
    EXPECT_EQ(std::make_tuple(a->GetName(), a->GetBaseType(), a->IsPreDef(), a->IsDefault()),
              std::make_tuple("A*", int(kWndPushButton), false, true));
    EXPECT_NE(a->GetId(), source->GetWindowClasses()[0]->GetId());

    std::unique_ptr<CGUIBuilder> same(source->Copy(kCloneKeepId | kCloneKeepFile | kCloneTextsFromObjects));
    EXPECT_EQ(same->GetId(), source->GetId());
    EXPECT_EQ(same->GetWindowClasses()[1]->GetId(), source->GetWindowClasses()[1]->GetId());
    EXPECT_EQ(same->GetFile(), &file);
    EXPECT_EQ(same->GetFileId(), file.GetID());
    std::unique_ptr<CGUIBuilder> stored(source->Copy(kCloneTextsAsStored));
    EXPECT_EQ(stored->GetFileId(), "stored");
}
