#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editors/requirements/RequirementDlg.h"
#include "model/FileKav.h"
#include "tests/editors/FakeEditorHost.h"
#include "tests/editors/Refusals.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"

namespace {

constexpr int kTextControls[] = {kRequirementId, kRequirementTitle, kRequirementDescription, kRequirementDocPath};

// R1 "Login" and R2 in the main file, R5 in the library.
class RequirementDlgTest : public ProjectTest {
protected:
    RequirementDlgTest() {
        r1->SetTitle("Login");
        r1->SetDescription("The user logs in.");
        r1->SetDocPath("/docs/login.pdf");
    }

    // Runs the dialog on the requirement; the steps act in the open dialog and say how it ends.
    int Run(CRequirement& requirement, const std::function<int()>& steps) {
        host.session = [&steps](EditorDialog&) { return steps(); };
        return dialog.EditRequirement(requirement);
    }
    Refused PressOk() {
        return Attempt(dialog, [&] { return dialog.OnOK(); });
    }

    CRequirement* r1 = project.AddRequirement("R1");
    CRequirement* r2 = project.AddRequirement("R2");
    CRequirement* r5 = project.AddRequirement("R5", nullptr, project.Lib());
    FakeEditorHost host;
    CRequirementDlg dialog{host, app};
};

}  // namespace

TEST_F(RequirementDlgTest, OpensWithTheRequirementsTextsAndItsIdInTheTitle) {
    Run(*r1, [&] {
        EXPECT_EQ(dialog.GetTitle(), "Requirement R1");
        EXPECT_EQ(dialog.GetText(kRequirementId), "R1");
        EXPECT_EQ(dialog.GetText(kRequirementTitle), "Login");
        EXPECT_EQ(dialog.GetText(kRequirementDescription), "The user logs in.");
        EXPECT_EQ(dialog.GetText(kRequirementDocPath), "/docs/login.pdf");
        for (int id : kTextControls) EXPECT_FALSE(dialog.IsReadOnly(id)) << id;
        EXPECT_TRUE(dialog.IsEnabled(kRequirementBrowse));
        dialog.OnHelp(false, kRequirementId);
        return kIdCancel;
    });
    EXPECT_EQ(host.helpTopics, std::vector<int>{0x20000 + 280});
}

TEST_F(RequirementDlgTest, ANewIdMustBeFreeAmongTheMainFilesRequirementsAndValid) {
    struct Case {
        std::string id;
        Refused refused;
    };
    const Case cases[] = {
        {"r2", {"A requirement with this ID is already existing! [W0795]", "Invalid ID", kRequirementId}},
        {"", {"Please enter a valid requirement ID! [W0793]", "Invalid ID", kRequirementId}},
        {std::string(51, 'x'), {"The ID must not be longer than 50 characters! [W0794]", "Invalid ID", kRequirementId}},
        {"r1", {}},  // only the letter case changes
        {"R5", {}},  // a library's requirement does not count
        {std::string(50, 'x'), {}},
    };
    for (const Case& c : cases) {
        r1->SetID("R1");
        r1->SetTitle("Login");
        const int result = Run(*r1, [&] {
            dialog.SetText(kRequirementId, c.id);
            dialog.SetText(kRequirementTitle, "Logout");
            EXPECT_EQ(PressOk(), c.refused) << c.id;
            return c.refused.text.empty() ? kIdOk : kIdCancel;
        });
        const bool accepted = c.refused.text.empty();
        EXPECT_EQ(result, accepted ? 1 : 0) << c.id;
        EXPECT_EQ(r1->GetID(), accepted ? c.id : "R1");
        EXPECT_EQ(r1->GetTitle(), accepted ? "Logout" : "Login") << c.id;
    }
}

TEST_F(RequirementDlgTest, EmptyTextsBesideTheIdAreTaken) {
    EXPECT_EQ(Run(*r1,
                  [&] {
                      for (int id : {kRequirementTitle, kRequirementDescription, kRequirementDocPath})
                          dialog.SetText(id, "");
                      EXPECT_EQ(PressOk(), Refused{});
                      return kIdOk;
                  }),
              1);
    EXPECT_EQ(r1->GetTitle(), "");
    EXPECT_EQ(r1->GetDescription(), "");
    EXPECT_EQ(r1->GetDocPath(), "");
}

TEST_F(RequirementDlgTest, CancelLeavesTheRequirementAsItWas) {
    EXPECT_EQ(Run(*r1,
                  [&] {
                      dialog.SetText(kRequirementId, "R9");
                      return kIdCancel;
                  }),
              0);
    EXPECT_EQ(r1->GetID(), "R1");
}

TEST_F(RequirementDlgTest, AReadOnlyRequirementIsOnlyShown) {
    project.Lib()->SetReadOnly(true);
    EXPECT_EQ(Run(*r5,
                  [&] {
                      EXPECT_EQ(dialog.GetTitle(), "Requirement R5 (Read-Only)");
                      for (int id : kTextControls) EXPECT_TRUE(dialog.IsReadOnly(id)) << id;
                      EXPECT_FALSE(dialog.IsEnabled(kRequirementBrowse));
                      dialog.SetText(kRequirementId, "R2");
                      dialog.SetText(kRequirementTitle, "Changed");
                      EXPECT_EQ(PressOk(), Refused{});
                      return kIdOk;
                  }),
              0);
    EXPECT_EQ(r5->GetID(), "R5");
    EXPECT_EQ(r5->GetTitle(), "");
}

TEST_F(RequirementDlgTest, BrowseStartsFromTheDocumentPathAndTakesTheChosenFile) {
    TestInteraction().paths = {std::nullopt, "/docs/new.txt"};
    EXPECT_EQ(Run(*r1,
                  [&] {
                      dialog.OnBrowse();  // cancelled
                      EXPECT_EQ(dialog.GetText(kRequirementDocPath), "/docs/login.pdf");
                      dialog.OnBrowse();
                      EXPECT_EQ(dialog.GetText(kRequirementDocPath), "/docs/new.txt");
                      EXPECT_TRUE(dialog.OnOK());
                      return kIdOk;
                  }),
              1);
    ASSERT_EQ(TestInteraction().pathRequests.size(), 2u);
    const FileDialogRequest& request = TestInteraction().pathRequests[0];
    EXPECT_EQ(request.kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(request.title, "Select Document File");
    EXPECT_EQ(request.filter, "Document files (*.doc;*.txt;*.pdf)|*.doc; *.txt; *.pdf|All files (*.*)|*.*||");
    EXPECT_EQ(request.initialPath, "/docs/login.pdf");
    EXPECT_EQ(r1->GetDocPath(), "/docs/new.txt");
}
