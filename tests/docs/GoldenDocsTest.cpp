// The documentation of a whole project, compared with tests/golden/docs/<case>/expected, and
// read by outside readers: xmllint's HTML parser and a Python reader of the links and the pictures.
#include <gtest/gtest.h>

#include "DocsFixture.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "platform/MessageLog.h"
#include "tests/conversion/XmlLint.h"
#include "tests/support/GoldenFiles.h"

namespace {

class GoldenDocsTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto clock = std::make_unique<FixedClock>();
        clock->local = {2024, 3, 5, 14, 30, 0, 0};
        InstallClock(std::move(clock));
    }

    static std::filesystem::path CaseFolder(const std::string& name) {
        return std::filesystem::path(KAVRO_SOURCE_DIR) / "tests" / "golden" / "docs" / name;
    }

    bool Load(const std::filesystem::path& file) {
        CurrentApplication = &loaded;
        MessageLog log;
        return CXMLDataManager().LoadProject(file.string(), &log) == 1;
    }

    CApplicationKav loaded{ProjectSettings{}};
    ScratchFolder folder;
    ScriptedGeneratorWindow window;
    FakePictures pictures;
};

TEST_F(GoldenDocsTest, TheDemoProjectGivesTheExpectedPagesWhichOutsideReadersAccept) {
    ASSERT_TRUE(Load(CaseFolder("demo") / "project.xml")) << GetGlobalMessageBuffer();
    CHTMLDlg dialog(loaded, window, &pictures);
    dialog.SetTargetFolder(folder.Path().string());
    dialog.SetIncludeScreenshots(true);
    Progress progress;
    ASSERT_TRUE(dialog.GenerateDocumentation(progress));
    EXPECT_TRUE(TestInteraction().messages.empty());
    ExpectFolderMatchesGolden(folder.Path(), CaseFolder("demo") / "expected");

    for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
        if (entry.path().extension() == ".htm") {
            EXPECT_TRUE(PassesReader("xmllint --html --noout", entry.path())) << entry.path();
        }
    }
    const std::string reader = std::string(KAVRO_SOURCE_DIR) + "/tests/docs/readers/read_docs.py";
    EXPECT_TRUE(PassesReader("python3 '" + reader + "'", folder.Path()));
}

}  // namespace
