// The reference picker: its titles, the parts its content flags choose, and the designator each
// item gives.
#include "model/DataSet.h"
#include "tests/support/FlowBuilder.h"
#include "tests/support/ProjectBuilder.h"
#include "views/picker/WindowSelectDlg.h"

namespace {

class ReferencePickerTest : public ProjectTest {
protected:
    void SetUp() override {
        dialog = project.AddWindow("Login", nullptr, kWndDialogBox);
        user = project.AddWindow("User", dialog, kWndInputField);
        user->GetAttributes().Add(new CAttributeKav("Tries", 2, "0"));
        project.AddWindow("Shared", nullptr, kWndDialogBox, project.Lib());
        clients = project.AddDataSet("Clients");
        clients->GetFields().Add(new CDataField("Age", 2));
        AddEffects(*clients, {{"Adult", "#Clients:Age# >= 18"}});
        clients->GetAttributes().Add(new CAttributeKav("Premium", 2, "0"));
        project.AddDataSet("Other");
        task = project.AddTask("Order");
        task->GetParameters().Add(new CAttributeKav("Amount", 2, "0"));
        project.AddAttribute("Limit");
        effects.Add(new CDataEffect("Senior", 1));
    }

    // Shows the tree for the flags and puts the caret on the item with that text.
    void Show(int flags) {
        picker.SetContext(flags, task, clients, &effects);
        picker.Fill();
    }
    int ItemWithText(const std::string& text, int parent = kNoItem) const {
        for (int child : picker.Tree().Children(parent)) {
            if (picker.Tree().Find(child)->text == text) return child;
            if (const int found = ItemWithText(text, child)) return found;
        }
        return kNoItem;
    }
    std::optional<std::string> ChooseText(const std::string& text) {
        const int item = ItemWithText(text);
        EXPECT_NE(item, kNoItem) << text;
        picker.Tree().SetCaret(item);
        return picker.Choose();
    }

    CWindowKav* dialog = nullptr;
    CWindowKav* user = nullptr;
    CDataSet* clients = nullptr;
    CTaskKav* task = nullptr;
    OwningList<CDataEffect> effects;
    CWindowSelectDlg picker;
};

}  // namespace

TEST_F(ReferencePickerTest, TheFlagsChooseTheTitle) {
    const struct {
        int flags;
        const char* title;
    } cases[] = {{1, "Window Selection"}, {8, "Data Selection"}, {23, "Designator Selection"},
                 {3, "Designator Selection"}, {9, "Designator Selection"}};
    for (const auto& c : cases) {
        picker.SetContext(c.flags, nullptr, nullptr, nullptr);
        EXPECT_EQ(picker.GetTitle(), c.title) << c.flags;
    }
}

TEST_F(ReferencePickerTest, EachFileHasItsPartWithWhatTheFlagsAskFor) {
    app.SetStartWindow(dialog);
    Show(kPickWindows | kPickAttributes | kPickTaskParameters | kPickDataSetParts);
    EXPECT_EQ(picker.Tree().Outline(),
              (std::vector<std::string>{"Project Proj",
                                        "  WINDOWS",
                                        "    Login (Dialog Box)",
                                        "      User (Input Field)",
                                        "        :Tries (Num)",
                                        "  TEST DATA",
                                        "    Clients",
                                        "      %Senior",
                                        "      :$id",
                                        "      :$valid",
                                        "      :@Premium (Num)",
                                        "      :Age",
                                        "      :~Adult",
                                        "    Other",
                                        "      %Senior",
                                        "      :$id",
                                        "      :$valid",
                                        "  PARAMETERS OF TASK Order",
                                        "    :Amount (Num)",
                                        "  GLOBAL ATTRIBUTES",
                                        "    :Limit (Num)",
                                        "Library Lib",
                                        "  WINDOWS",
                                        "    Shared (Dialog Box)",
                                        "  TEST DATA",
                                        "  GLOBAL ATTRIBUTES"}));
    EXPECT_TRUE(picker.Tree().Find(ItemWithText("Login (Dialog Box)"))->bold) << "the start window";
    EXPECT_FALSE(picker.Tree().Find(ItemWithText("User (Input Field)"))->bold);

    Show(kPickWindows);
    EXPECT_EQ(picker.Tree().Outline(),
              (std::vector<std::string>{"Project Proj", "  WINDOWS", "    Login (Dialog Box)", "      User (Input Field)",
                                        "Library Lib", "  WINDOWS", "    Shared (Dialog Box)"}));
}

TEST_F(ReferencePickerTest, EachItemGivesItsDesignator) {
    Show(kPickWindows | kPickAttributes | kPickTaskParameters | kPickDataSetParts);
    const struct {
        const char* item;
        const char* result;
    } cases[] = {
        {"Login (Dialog Box)", "Login"},
        {":Tries (Num)", "User:Tries"},
        {"Shared (Dialog Box)", "^Lib:Shared"},
        {"Clients", "~Clients"},
        {":Age", "~Clients:Age"},
        {":$valid", "~Clients:$valid"},
        {"%Senior", "~Clients:~Senior"},
        {":~Adult", "~Clients:~Adult"},
        {":@Premium (Num)", "~Clients:@Premium"},
        {":Amount (Num)", "@Order:Amount"},
        {":Limit (Num)", ":Limit"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseText(c.item), std::optional<std::string>(c.result)) << c.item;
        EXPECT_EQ(picker.GetResult(), c.result);
    }
    ChooseText("Login (Dialog Box)");
    EXPECT_EQ(picker.GetChosenObject(), dialog);
    ChooseText("Clients");
    EXPECT_EQ(picker.GetChosenObject(), clients);
    ChooseText(":Age");
    EXPECT_EQ(picker.GetChosenObject(), nullptr);

    // Sections and files name nothing: the result stays.
    for (const char* nothing : {"WINDOWS", "TEST DATA", "PARAMETERS OF TASK Order", "GLOBAL ATTRIBUTES", "Project Proj"})
        EXPECT_EQ(ChooseText(nothing), std::nullopt) << nothing;
    picker.Tree().SetCaret(kNoItem);
    EXPECT_EQ(picker.Choose(), std::nullopt);
    EXPECT_EQ(picker.GetResult(), "~Clients:Age");
}

TEST_F(ReferencePickerTest, TheDataOnlyModeOffersTheSetsFieldsAndTheListByTheirBareNames) {
    Show(kPickOnlyDataSet);
    EXPECT_EQ(picker.Tree().Outline(),
              (std::vector<std::string>{"Project Proj", "  TEST DATA", "    Clients", "      %Senior", "      :$id",
                                        "      :$valid", "      :Age", "Library Lib", "  TEST DATA"}));
    EXPECT_EQ(ChooseText(":Age"), "Age");
    EXPECT_EQ(ChooseText(":$id"), "$id");
    EXPECT_EQ(ChooseText("%Senior"), "%Senior");
    EXPECT_EQ(ChooseText("Clients"), std::nullopt);
}

TEST_F(ReferencePickerTest, AWindowsItemOpensAgainAsTheUserLeftIt) {
    Show(kPickWindows);
    const int item = ItemWithText("Login (Dialog Box)");
    EXPECT_FALSE(picker.Tree().Find(item)->expanded);
    picker.OnExpanded(item, true);
    Show(kPickWindows);
    EXPECT_TRUE(picker.Tree().Find(ItemWithText("Login (Dialog Box)"))->expanded);
    picker.OnExpanded(ItemWithText("Login (Dialog Box)"), false);
    Show(kPickWindows);
    EXPECT_FALSE(picker.Tree().Find(ItemWithText("Login (Dialog Box)"))->expanded);
}
