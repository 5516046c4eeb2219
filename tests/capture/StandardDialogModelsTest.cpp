// The window wizard's models of the print dialog, the message boxes and the file dialogs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture/StandardDialogModels.h"
#include "model/windows/WindowTypes.h"
#include "tests/support/ProjectBuilder.h"

namespace {

class StandardDialogModelsTest : public ProjectTest {
protected:
    CWindowKav* Make(int kind, int style, int language = kEnglishDialog) {
        return CreateStandardDialogModel(app.GetWindowList(), kind, style, language);
    }

    static CWindowKav* Child(CWindowKav* parent, const std::string& name) {
        for (CWindowKav* child : parent->GetChildren())
            if (child->GetName() == name) return child;
        ADD_FAILURE() << "no child " << name;
        return nullptr;
    }

    static std::string ExtraText(CWindowKav* window) {
        auto* withText = dynamic_cast<CExtraTextWindowKav*>(window);
        return withText ? withText->GetInitialValue() : "<none>";
    }

    static std::vector<std::string> Names(const CWindowKav* parent) {
        std::vector<std::string> names;
        for (const CWindowKav* child : parent->GetChildren()) names.push_back(child->GetName());
        return names;
    }
};

TEST_F(StandardDialogModelsTest, ThePrintDialogHasItsTwentyFourControlsWithDistinctNames) {
    CWindowKav* dialog = Make(kPrintDialogKind, 0);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->GetName(), "IDD_PRINT");
    EXPECT_EQ(dialog->GetType(), kWndDialogBox);
    EXPECT_EQ(dialog->GetClass(), "#32770");
    EXPECT_EQ(dialog->GetStyle(), 0x90C80082u);
    EXPECT_EQ(dialog->GetMethod(), 1);
    EXPECT_EQ(dialog->GetGuiID(), 999);
    EXPECT_EQ(dialog->GetTag(), "Print");
    EXPECT_EQ(dialog->GetCaption(), "Print");
    EXPECT_EQ(dialog->GetRect(), (WindowRect{0, 0, 455, 325}));
    EXPECT_EQ(dialog->GetParent(), nullptr);
    ASSERT_EQ(dialog->GetChildren().size(), 24u);
    std::vector<std::string> statics;
    for (size_t i = 0; i < 24; ++i) {
        const CWindowKav* control = dialog->GetChildren()[i];
        EXPECT_EQ(control->GetTabNr(), static_cast<int>(i) + 1) << control->GetName();
        EXPECT_EQ(control->GetMethod(), 0);
        EXPECT_EQ(control->GetGuiID(), 999);
        EXPECT_EQ(control->GetExStyle(), 0u);
        if (control->GetType() == kWndStaticText) statics.push_back(control->GetName());
    }
    EXPECT_EQ(statics, (std::vector<std::string>{"IDC_STATIC", "IDC_STATIC1", "IDC_STATIC2", "IDC_STATIC3",
                                                 "IDC_STATIC4", "IDC_STATIC5", "IDC_STATIC6", "IDC_STATIC7"}));
    EXPECT_EQ(ExtraText(Child(dialog, "IDC_PRINT_FROM")), "1");
    EXPECT_EQ(ExtraText(Child(dialog, "IDC_PRINT_TO")), "2");
    EXPECT_EQ(ExtraText(Child(dialog, "IDC_NUMCOPIES")), "1");
    EXPECT_EQ(ExtraText(Child(dialog, "IDC_RANGE_GROUPBOX")), "IDC_PRINT_ALL");
    EXPECT_EQ(ExtraText(Child(dialog, "IDC_PRINT_GROUPBOX")), "");
    const CWindowKav* printerName = Child(dialog, "IDC_PRINTER_NAME");
    EXPECT_EQ(printerName->GetType(), kWndComboBox);
    EXPECT_EQ(printerName->GetTag(), "Name:");
    EXPECT_EQ(printerName->GetCaption(), "");
    EXPECT_EQ(printerName->GetStyle(), 0x10010103u);
    EXPECT_EQ(printerName->GetRect(), (WindowRect{83, 52, 323, 72}));
    EXPECT_EQ(Child(dialog, "IDC_PRINT_SELECTION")->GetStyle(), 0x18000009u);
    EXPECT_EQ(Child(dialog, "IDC_OK")->GetStyle(), 0x10010001u);
    EXPECT_EQ(Child(dialog, "IDC_STATIC4")->GetTag(), "Comment:[1]");
    EXPECT_EQ(app.GetWindowList().GetCount(), 25u);
}

TEST_F(StandardDialogModelsTest, ASecondPrintDialogNumbersItsNamesAndTheRangeGroupsText) {
    Make(kPrintDialogKind, 0);
    CWindowKav* second = Make(kPrintDialogKind, 0);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->GetName(), "IDD_PRINT1");
    EXPECT_EQ(second->GetChildren()[1]->GetName(), "IDC_STATIC8");
    EXPECT_EQ(second->GetChildren()[10]->GetName(), "IDC_PRINT_ALL1");
    EXPECT_EQ(ExtraText(Child(second, "IDC_RANGE_GROUPBOX1")), "IDC_PRINT_ALL1");
    EXPECT_EQ(app.GetWindowList().GetCount(), 50u);
}

TEST_F(StandardDialogModelsTest, TheGermanPrintDialogTagsTheCommentAndTheCopiesIcon) {
    CWindowKav* dialog = Make(kPrintDialogKind, 0, kGermanDialog);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->GetCaption(), "Drucken");
    const CWindowKav* comment = Child(dialog, "IDC_STATIC4");
    EXPECT_EQ(comment->GetCaption(), "Kommentar:");
    EXPECT_EQ(comment->GetTag(), "Kommentar:[1]");
    const CWindowKav* icon = Child(dialog, "IDC_ICONCOPIES");
    EXPECT_EQ(icon->GetType(), kWndCustom);
    EXPECT_EQ(icon->GetClass(), "");
    EXPECT_EQ(icon->GetCaption(), "Exemplare");
    EXPECT_EQ(icon->GetTag(), "[Icon]Exemplare");
    EXPECT_EQ(Child(dialog, "IDC_CANCEL")->GetCaption(), "Abbrechen");
}

TEST_F(StandardDialogModelsTest, TheMessageBoxOfStyleOKHasItsTextAndTheDefaultButton) {
    CWindowKav* dialog = Make(kMessageBoxKind, 1);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->GetName(), "MESSAGE");
    EXPECT_EQ(dialog->GetRect(), (WindowRect{0, 0, 400, 120}));
    ASSERT_EQ(dialog->GetChildren().size(), 2u);
    const CWindowKav* text = dialog->GetChildren()[0];
    EXPECT_EQ(text->GetName(), "IDC_STATIC");
    EXPECT_EQ(text->GetCaption(), "Message");
    EXPECT_EQ(text->GetTabNr(), 1);
    EXPECT_EQ(text->GetRect(), (WindowRect{13, 32, 203, 52}));
    const CWindowKav* ok = dialog->GetChildren()[1];
    EXPECT_EQ(ok->GetName(), "IDOK");
    EXPECT_EQ(ok->GetCaption(), "OK");
    EXPECT_EQ(ok->GetTag(), "OK");
    EXPECT_EQ(ok->GetStyle(), 0x10010001u);
    EXPECT_EQ(ok->GetTabNr(), 2);
    EXPECT_EQ(ok->GetRect(), (WindowRect{168, 76, 243, 97}));
}

TEST_F(StandardDialogModelsTest, EachMessageBoxStyleHasItsButtonsTheFirstOneTheDefault) {
    struct Case {
        int style;
        int language;
        std::vector<std::string> names;
        std::vector<std::string> captions;
    };
    const std::vector<Case> cases{
        {0, kEnglishDialog, {"IDC_STATIC", "IDABORT", "IDRETRY", "IDIGNORE"}, {"Message", "Abort", "Retry", "Ignore"}},
        {2, kEnglishDialog, {"IDC_STATIC", "IDOK", "IDCANCEL"}, {"Message", "OK", "Cancel"}},
        {3, kGermanDialog, {"IDC_STATIC", "IDRETRY", "IDCANCEL"}, {"Nachricht", "Wiederholen", "Abbrechen"}},
        {4, kGermanDialog, {"IDC_STATIC", "IDYES", "IDNO"}, {"Nachricht", "Ja", "Nein"}},
        {5, kEnglishDialog, {"IDC_STATIC", "IDYES", "IDNO", "IDCANCEL"}, {"Message", "Yes", "No", "Cancel"}},
        {6, kEnglishDialog, {"IDC_STATIC"}, {"Message"}},
    };
    for (const Case& c : cases) {
        TestProject fresh;
        CWindowKav* dialog = CreateStandardDialogModel(fresh.App().GetWindowList(), kMessageBoxKind, c.style, c.language);
        ASSERT_TRUE(dialog) << c.style;
        EXPECT_EQ(Names(dialog), c.names) << c.style;
        std::vector<std::string> captions;
        for (size_t i = 0; i < dialog->GetChildren().size(); ++i) {
            const CWindowKav* control = dialog->GetChildren()[i];
            captions.push_back(control->GetCaption());
            EXPECT_EQ(control->GetTabNr(), static_cast<int>(i) + 1);
            if (i > 0) {
                EXPECT_EQ(control->GetStyle(), i == 1 ? 0x10010001u : 0x10010000u) << c.style;
            }
        }
        EXPECT_EQ(captions, c.captions) << c.style;
    }
}

TEST_F(StandardDialogModelsTest, AnUnknownKindMakesNothing) {
    EXPECT_EQ(Make(3, 0), nullptr);
    EXPECT_EQ(app.GetWindowList().GetCount(), 0u);
}

TEST_F(StandardDialogModelsTest, TheGermanFileSaveDialogHasItsTextsAndTheToolBarButtons) {
    CWindowKav* dialog = Make(kFileDialogKind, 1, kGermanDialog);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->GetName(), "IDD_FILEOPEN");
    EXPECT_EQ(dialog->GetCaption(), "Speichern unter");
    EXPECT_EQ(dialog->GetTag(), "Speichern unter");
    EXPECT_EQ(dialog->GetRect(), (WindowRect{0, 0, 425, 265}));
    EXPECT_EQ(Names(dialog),
              (std::vector<std::string>{"IDC_STATIC", "IDC_LOOK_IN", "IDC_FILELIST", "IDC_STATIC1", "IDC_FILENAME",
                                        "IDC_STATIC2", "IDC_FILETYPE", "IDC_FILEOPEN", "IDC_CANCEL", "IDC_FILETOOLBAR"}));
    EXPECT_EQ(Child(dialog, "IDC_STATIC")->GetCaption(), "Speichern in:");
    EXPECT_EQ(Child(dialog, "IDC_STATIC2")->GetCaption(), "Dateityp:");
    EXPECT_EQ(Child(dialog, "IDC_FILETYPE")->GetTag(), "Dateityp:");
    EXPECT_EQ(Child(dialog, "IDC_FILEOPEN")->GetCaption(), "Speichern");
    const CWindowKav* files = Child(dialog, "IDC_FILELIST");
    EXPECT_EQ(files->GetType(), kWndListView);
    EXPECT_EQ(files->GetClass(), "SysListView32");
    CWindowKav* toolBar = Child(dialog, "IDC_FILETOOLBAR");
    EXPECT_EQ(toolBar->GetType(), kWndToolBar);
    EXPECT_EQ(toolBar->GetTag(), "#1");
    ASSERT_EQ(Names(toolBar), (std::vector<std::string>{"IDC_TOPDIRECTORY", "IDC_CREATEDIR"}));
    EXPECT_EQ(toolBar->GetChildren()[0]->GetTabNr(), 1);
    EXPECT_EQ(toolBar->GetChildren()[1]->GetTabNr(), 2);
    EXPECT_EQ(toolBar->GetChildren()[1]->GetTag(), "#2");
    EXPECT_EQ(app.GetWindowList().GetCount(), 13u);
}

TEST_F(StandardDialogModelsTest, TheEnglishFileOpenDialogHasItsTexts) {
    CWindowKav* dialog = Make(kFileDialogKind, 0);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->GetCaption(), "Open");
    EXPECT_EQ(Child(dialog, "IDC_STATIC")->GetCaption(), "Look in:");
    EXPECT_EQ(Child(dialog, "IDC_STATIC2")->GetCaption(), "Files of type:");
    EXPECT_EQ(Child(dialog, "IDC_FILEOPEN")->GetCaption(), "Open");
}

}  // namespace
