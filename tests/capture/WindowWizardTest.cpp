// The window wizard's dialog: the lists it offers and what OK and Cancel make.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture/WindowWizard.h"
#include "resources/MessageCatalogue.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/support/ProjectBuilder.h"

namespace {

class WindowWizardTest : public ProjectTest {
protected:
    void TearDown() override { InstallMessageTranslations({}); }

    FakeEditorHost host;
    CWindowWizard wizard{host, app.GetWindowList()};
};

TEST_F(WindowWizardTest, OpensOnAnOKMessageBoxInEnglishAndRefillsTheStylesForAnotherType) {
    host.session = [](EditorDialog& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Window Wizard");
        EXPECT_EQ(dialog.Control(CWindowWizard::kTypeList).items,
                  (std::vector<std::string>{"File Dialog", "Message Box", "Print Dialog"}));
        EXPECT_EQ(dialog.GetText(CWindowWizard::kTypeList), "Message Box");
        EXPECT_EQ(dialog.Control(CWindowWizard::kStyleList).items,
                  (std::vector<std::string>{"Abort, Retry, Ignore", "OK", "OK, Cancel", "Retry, Cancel", "Yes, No",
                                            "Yes, No, Cancel"}));
        EXPECT_EQ(dialog.GetText(CWindowWizard::kStyleList), "OK");
        EXPECT_TRUE(dialog.IsChecked(CWindowWizard::kEnglish));
        EXPECT_FALSE(dialog.IsChecked(CWindowWizard::kGerman));

        auto& wizard = static_cast<CWindowWizard&>(dialog);
        wizard.SetText(CWindowWizard::kTypeList, "File Dialog");
        wizard.OnTypeChanged();
        EXPECT_EQ(dialog.Control(CWindowWizard::kStyleList).items,
                  (std::vector<std::string>{"File Open", "File Save"}));
        EXPECT_EQ(dialog.GetText(CWindowWizard::kStyleList), "File Open");
        wizard.SetText(CWindowWizard::kStyleList, "File Save");
        wizard.SetChecked(CWindowWizard::kEnglish, false);
        wizard.SetChecked(CWindowWizard::kGerman, true);
        return wizard.OnOK() ? kIdOk : kIdCancel;
    };
    CWindowKav* made = wizard.Run();
    ASSERT_TRUE(made);
    EXPECT_EQ(made->GetName(), "IDD_FILEOPEN");
    EXPECT_EQ(made->GetCaption(), "Speichern unter");
    EXPECT_EQ(app.GetWindowList().FindByName("IDD_FILEOPEN", nullptr), made);
}

TEST_F(WindowWizardTest, CancelMakesNothing) {
    host.session = [](EditorDialog& dialog) {
        static_cast<CWindowWizard&>(dialog).SetText(CWindowWizard::kTypeList, "Print Dialog");
        return kIdCancel;
    };
    EXPECT_EQ(wizard.Run(), nullptr);
    EXPECT_EQ(app.GetWindowList().GetCount(), 0u);
    EXPECT_FALSE(app.IsModified());
}

// The numbers go with the texts, not with the places where the texts sort.
TEST_F(WindowWizardTest, TheChosenTextsDecideTheDialogWhereverTheySort) {
    InstallMessageTranslations({{49306, "Zeta Files"}, {49307, "Alpha Messages"}, {49315, "A Yes No"}});
    host.session = [](EditorDialog& dialog) {
        auto& wizard = static_cast<CWindowWizard&>(dialog);
        EXPECT_EQ(dialog.Control(CWindowWizard::kTypeList).items.front(), "Alpha Messages");
        EXPECT_EQ(dialog.Control(CWindowWizard::kStyleList).items.front(), "A Yes No");
        wizard.SetText(CWindowWizard::kStyleList, "A Yes No");
        return wizard.OnOK() ? kIdOk : kIdCancel;
    };
    CWindowKav* made = wizard.Run();
    ASSERT_TRUE(made);
    EXPECT_EQ(made->GetName(), "MESSAGE");
    ASSERT_EQ(made->GetChildren().size(), 3u);
    EXPECT_EQ(made->GetChildren()[1]->GetName(), "IDYES");
}

TEST_F(WindowWizardTest, AKindAboveTheLastMakesNothing) {
    wizard.CreateWindowModel(3, 0, 0);
    EXPECT_EQ(wizard.GetCreatedWindow(), nullptr);
    wizard.CreateWindowModel(2, 0, 1);
    ASSERT_TRUE(wizard.GetCreatedWindow());
    EXPECT_EQ(wizard.GetCreatedWindow()->GetName(), "IDD_PRINT");
}

}  // namespace
