#include <gtest/gtest.h>

#include <memory>

#include "model/ActionCatalogue.h"
#include "model/CloneFlags.h"
#include "platform/MessageBuffer.h"
#include "tests/support/GlobalState.h"

namespace {

// An action as a project file gives it: number and argument values only.
CActionKav* LoadedAction(int number, std::initializer_list<const char*> values) {
    auto* action = new CActionKav(number, "");
    int position = 100;
    for (const char* value : values) action->GetArguments().Add(new CArgumentKav(position++, value));
    return action;
}

}  // namespace

TEST(ActionCatalogue, HoldsTheSixteenPredefinedActionsInOrder) {
    const CActionlistKav& catalogue = GetActionCatalogue();
    EXPECT_EQ(GetPredefinedActionNames(catalogue),
              (std::vector<std::string>{"SetAttribute", "SetInputField", "SetCheckBox", "SetRadioGroup", "SetComboBox",
                                        "OpenWindow", "OpenModalDialog", "CloseWindow", "CloseApplication",
                                        "SetTabControl", "SetListBox", "SetListView", "SetTableCell", "NextDataRecord",
                                        "ResetDataRecord", "GotoDataRecord"}));
    struct Argument {
        int number;
        std::string name;
        int type;
    };
    auto arguments = [&](int code) {
        std::vector<Argument> list;
        for (const CArgumentKav* a : FindPredefinedAction(catalogue, code)->GetArguments())
            list.push_back({a->GetNumber(), a->GetName(), a->GetValueType()});
        return list;
    };
    auto same = [](const std::vector<Argument>& a, const std::vector<Argument>& b) {
        if (a.size() != b.size()) return false;
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i].number != b[i].number || a[i].name != b[i].name || a[i].type != b[i].type) return false;
        return true;
    };
    EXPECT_TRUE(same(arguments(1), {{1, "Name", 5}, {6, "Value", 1}}));
    EXPECT_TRUE(same(arguments(4), {{4, "Name", 5}, {9, "Value", 9}}));
    EXPECT_TRUE(same(arguments(7), {{12, "Name", 6}}));
    EXPECT_TRUE(same(arguments(9), {}));
    EXPECT_TRUE(same(arguments(13), {{20, "Name", 5}, {21, "Value", 15}}));
    EXPECT_TRUE(same(arguments(16), {{26, "Dataset", 16}, {27, "RecordID", 4}}));
    EXPECT_EQ(FindPredefinedAction(catalogue, 17), nullptr);
    EXPECT_EQ(FindPredefinedActionByName(catalogue, "openwindow"), FindPredefinedAction(catalogue, 6));
    for (const CActionKav* entry : catalogue) EXPECT_EQ(entry->GetId(), "");
}

TEST(ActionCatalogue, CheckNamesAndTypesLoadedActions) {
    OwningList<CActionKav> loaded;
    CActionKav* setInput = loaded.Add(LoadedAction(2, {"#Edit#", "42"}));
    setInput->GetArguments()[0]->SetName("Stored");
    loaded.Add(LoadedAction(9, {}));
    EXPECT_TRUE(GetActionCatalogue().CheckAgainstCatalogue(loaded));
    EXPECT_EQ(setInput->GetName(), "SetInputField");
    EXPECT_EQ(setInput->GetArguments()[0]->GetName(), "Name");
    EXPECT_EQ(setInput->GetArguments()[0]->GetValueType(), 5);
    EXPECT_EQ(setInput->GetArguments()[1]->GetName(), "Value");
    EXPECT_EQ(setInput->GetArguments()[1]->GetValueType(), 7);
    EXPECT_EQ(setInput->GetArguments()[1]->GetValue(), "42");
    EXPECT_EQ(setInput->GetArguments()[1]->GetNumber(), 101);
}

TEST(ActionCatalogue, RefusesWhatTheCatalogueDoesNotKnow) {
    struct Case {
        int number;
        std::initializer_list<const char*> values;
        std::string message;
    };
    const Case cases[] = {
        {17, {}, "Invalid action ID=17! [W0862]"},
        {1, {"#A#"}, "Action with ID=1 misses an argument! [W0863]"},
        {9, {"x"}, "Action with ID=9 has too many arguments! [W0864]"},
    };
    for (const Case& c : cases) {
        OwningList<CActionKav> loaded;
        CActionKav* before = loaded.Add(LoadedAction(6, {"#Main#"}));
        loaded.Add(LoadedAction(c.number, c.values));
        ClearGlobalMessage();
        EXPECT_FALSE(GetActionCatalogue().CheckAgainstCatalogue(loaded));
        EXPECT_EQ(GetGlobalMessageBuffer(), c.message);
        EXPECT_EQ(before->GetName(), "OpenWindow");  // the actions before the fault keep their names
    }
}

TEST(ActionKav, AnUnknownNumberGivesAnUnnamedActionAndAFatalBox) {
    CActionKav action(99);
    EXPECT_EQ(action.GetName(), "");
    EXPECT_EQ(action.GetId().size(), 12u);
    ASSERT_EQ(TestInteraction().messages.size(), 1u);
    EXPECT_EQ(TestInteraction().messages[0].text, "Fatal Error: Actionlist corrupted! [F0017]");
    EXPECT_EQ(TestInteraction().messages[0].icon, MessageIcon::Error);
}

TEST(ActionKav, CloneTakesItsNameFromTheCatalogue) {
    CActionKav action(6);
    action.SetName("Foo");
    action.SetEdited(true);
    action.GetArguments().Add(new CArgumentKav(11, "Name", 6, "#Main#"));

    std::unique_ptr<CActionKav> fresh(action.Clone(0)), same(action.Clone(kCloneKeepId));
    EXPECT_NE(fresh->GetId(), action.GetId());
    EXPECT_EQ(same->GetId(), action.GetId());
    for (const CActionKav* copy : {fresh.get(), same.get()}) {
        EXPECT_EQ(copy->GetName(), "OpenWindow");
        EXPECT_FALSE(copy->IsEdited());
        ASSERT_EQ(copy->GetArguments().size(), 1u);
        const CArgumentKav* argument = copy->FindArgument("NAME");
        ASSERT_NE(argument, nullptr);
        EXPECT_NE(argument, action.GetArguments()[0]);
        EXPECT_EQ(argument->GetNumber(), 11);
        EXPECT_EQ(argument->GetValueType(), 6);
        EXPECT_EQ(argument->GetValue(), "#Main#");
    }
    EXPECT_EQ(action.FindArgument("Value"), nullptr);
    EXPECT_TRUE(TestInteraction().messages.empty());
}
