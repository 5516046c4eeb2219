#pragma once
// The HTML documentation as the shell sees it: the dialog "HTML Generator" as its window drives
// it, the window that shows the dialog and the run after it, and the frame's command. The
// documentation (a later folder) holds the dialog's rules and installs the command when the
// program starts; until then the command stays disabled.
#include <functional>
#include <memory>
#include <string>

class Progress;

class HtmlGeneratorDialog {
public:
    // Ids of the dialog template and its controls.
    static constexpr int kResourceId = 261;
    static constexpr int kFolderEdit = 1301;
    static constexpr int kScreenshotsCheck = 1302;
    static constexpr int kBrowseButton = 3;

    virtual ~HtmlGeneratorDialog() = default;

    virtual std::string GetTargetFolder() const = 0;
    virtual void SetTargetFolder(const std::string& folder) = 0;
    virtual bool IncludesScreenshots() const = 0;
    virtual void SetIncludeScreenshots(bool include) = 0;

    // OK, after the window handed over the edit and the check box: true closes the dialog;
    // false keeps it open (the refusal has been shown) with the focus back on the folder's edit.
    virtual bool OnOK() = 0;
    // Browse..., after the window handed over the edit: the folder picker; the window then
    // shows the target folder in the edit.
    virtual void OnBrowse() = 0;
    // F1 pressed in the dialog, with Shift held or not.
    virtual void OnHelpKey(bool shiftDown) = 0;
    // A help request, with the help context of the control it names (0: none).
    virtual void OnHelpRequest(int contextId) = 0;
};

class HtmlGeneratorWindow {
public:
    virtual ~HtmlGeneratorWindow() = default;

    // Shows the dialog modally; true when it ended with OK.
    virtual bool ShowModal(HtmlGeneratorDialog& dialog) = 0;
    // Runs the writing of the pages under the wait cursor, showing the progress, whose stop the
    // user can ask for.
    virtual void RunWithProgress(Progress& progress, const std::function<void()>& work) = 0;
};

// The window on the toolkit (defined by the window program, shell/wx).
std::unique_ptr<HtmlGeneratorWindow> MakeHtmlGeneratorWindow();

// "Generate HTML Documentation" (32907): empty until the documentation installs it.
inline std::function<void()>& HtmlDocumentationCommand() {
    static std::function<void()> command;
    return command;
}
