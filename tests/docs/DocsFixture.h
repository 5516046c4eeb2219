#pragma once
// A small project documented into a folder of the test's own on March 5, 2024, with the
// dialog's window scripted.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "docs/DocumentationPictures.h"
#include "docs/HTMLDlg.h"
#include "platform/Clock.h"
#include "platform/Progress.h"
#include "tests/support/GlobalState.h"
#include "tests/support/ProjectBuilder.h"
#include "tests/support/ScratchFolder.h"

// Each ShowModal runs the script (without one, OK is pressed); RunWithProgress runs the work.
class ScriptedGeneratorWindow : public HtmlGeneratorWindow {
public:
    bool ShowModal(HtmlGeneratorDialog& dialog) override {
        ++shown;
        proposedFolder = dialog.GetTargetFolder();
        proposedScreenshots = dialog.IncludesScreenshots();
        return script ? script(dialog) : dialog.OnOK();
    }
    void RunWithProgress(Progress& progress, const std::function<void()>& work) override {
        ++runs;
        if (stopAtStart) progress.RequestStop();
        work();
    }

    std::function<bool(HtmlGeneratorDialog&)> script;
    bool stopAtStart = false;
    int shown = 0;
    int runs = 0;
    std::string proposedFolder;
    bool proposedScreenshots = false;
};

// Pictures as scripted: each request is recorded as "<kind> <object> <file name>"; a saved
// picture's file holds the program's logo.
class FakePictures : public DocumentationPictures {
public:
    PictureResult SaveWindowPicture(CWindowKav& window, const std::filesystem::path& file) override;
    PictureResult SaveTaskFlowPicture(CTaskKav& task, const std::filesystem::path& file) override;
    PictureResult SaveTestCasePicture(CTestCase& testCase, const std::filesystem::path& file) override;

    PictureResult result = PictureResult::Saved;
    std::vector<std::string> requests;

private:
    PictureResult Save(const std::string& request, const std::filesystem::path& file);
};

class DocsTest : public ProjectTest {
protected:
    DocsTest() {
        auto clock = std::make_unique<FixedClock>();
        clock->local = {2024, 3, 5, 14, 30, 0, 0};
        InstallClock(std::move(clock));
        app.SetName("Demo");
        // The library of the usual test project only where a test includes it.
        project.Main()->UsedFileIds().clear();
        dialog.SetTargetFolder(folder.Path().string());
        dialog.SetIncludeScreenshots(true);
    }

    // Writes the documentation into the test's folder.
    bool Generate() {
        Progress progress;
        return dialog.GenerateDocumentation(progress);
    }
    std::string Page(const std::string& fileName) const { return ScratchFolder::Read(folder.Path() / fileName); }
    bool Exists(const std::string& fileName) const { return std::filesystem::exists(folder.Path() / fileName); }

    ScratchFolder folder;
    ScriptedGeneratorWindow window;
    FakePictures pictures;
    CHTMLDlg dialog{app, window, &pictures};
};

// The page's text between its head and its navigation bar, each CR LF as a line feed.
std::string PageContent(const std::string& page);
// The lines of a page, split at CR LF.
std::vector<std::string> PageLines(const std::string& page);
