#pragma once
// The HTML documentation of the open project: the dialog "HTML Generator" with its rules, and
// the run that writes the project as a folder of linked pages. The model is only read, but for
// the project's HTML folder, which the dialog stores.
//
// Every page is written by its full path into the target folder (the working directory never
// changes); its text collects in memory and reaches its file in one piece at the page's end.
// Pages are UTF-8 without byte-order mark, each line feed written as CR LF.
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "docs/PageNames.h"
#include "platform/OutputFile.h"
#include "shell/HtmlDocumentation.h"

class CApplicationKav;
class CStepKav;
class CTaskKav;
class CTaskStep;
class CTestCase;
class CTestStep;
class CTransitionKav;
class CWindowKav;
class DocumentationPictures;
enum class PictureResult;
template <class T>
class OwningList;

class CHTMLDlg : public HtmlGeneratorDialog {
public:
    // The dialog's own help topic: 0x20000 plus its template id.
    static constexpr int kHelpTopic = 0x20000 + kResourceId;

    // The pictures draw the object pages' views; without them (null) the object pages have no
    // pictures.
    CHTMLDlg(CApplicationKav& project, HtmlGeneratorWindow& window, DocumentationPictures* pictures);

    // The command: the dialog proposes the project's HTML folder (else the user's) with
    // screenshots; on OK a folder other than the stored one is stored with the undo step
    // "Change HTML Directory", the documentation is written and the run's end is announced.
    // Cancel writes and changes nothing.
    void Generate();
    // Deletes the generated files of the target folder and writes every page, one after the
    // other, polling the progress for a stop between two pages. True when it ran to its end.
    bool GenerateDocumentation(Progress& progress);

    // ---- The dialog

    std::string GetTargetFolder() const override { return targetFolder_; }
    void SetTargetFolder(const std::string& folder) override { targetFolder_ = folder; }
    bool IncludesScreenshots() const override { return includeScreenshots_; }
    void SetIncludeScreenshots(bool include) override { includeScreenshots_ = include; }
    // Refuses an empty folder ([W0575]), one that cannot be made ([W0576]: one level at most is
    // made) and one that cannot be entered and written ([W0577]).
    bool OnOK() override;
    void OnBrowse() override;
    void OnHelpKey(bool shiftDown) override { shiftF1_ = shiftDown; }
    void OnHelpRequest(int contextId) override;

    // The target folder as a path: a relative one lies in the folder of the project's file.
    std::filesystem::path TargetPath() const;

private:
    struct TableColumn {
        int width;
        const char* title;
    };
    using PictureSaver = std::function<PictureResult(const std::filesystem::path& file)>;

    // ---- The page frame

    // Opens the page with its head.
    void WritePageHeader(const std::string& fileName, const std::string& title);
    void WriteNavigationBar();
    // The navigation bar and the page's end, then the page's file in one piece: false, after
    // [W1113], when the file cannot be written.
    bool WritePageEnd();
    // Markup into the open page.
    void Write(std::string_view markup);
    // With screenshots: the picture saved under the file name in the target folder and its IMG
    // line, the line of a picture too large, or [W0875] when it cannot be saved.
    void WriteImage(const std::string& fileName, const PictureSaver& save);

    // ---- The pages, each true when its file was written

    bool WriteTitlePage();
    bool WriteProjectPage();
    void WriteLibraries();
    void WriteStepFields();
    bool WriteWindowHierarchyPage(const std::vector<CWindowKav*>& documentedWindows);
    bool WriteTaskHierarchyPage();
    bool WriteTestCaseHierarchyPage();
    // A page of a hierarchy table: its head, the rows, its end.
    bool WriteHierarchyPage(const std::string& fileName, const std::string& heading,
                            const std::function<void()>& writeRows);
    void WriteHierarchyRow(int level, const std::string& rowText);
    void WriteWindowHierarchyRows(const CWindowKav& window, int level);
    void WriteTaskHierarchyRows(const CTaskKav& task, int level);
    void WriteTestCaseGroup(int kind);
    bool WriteGlobalAttributesPage();
    bool WriteRequirementsPage();
    bool WriteDataPage();
    bool WriteMetaConditionsPage();
    // A page of a table: its head and header cells, the rows, its end.
    bool WriteListPage(const std::string& fileName, const std::string& heading, std::initializer_list<TableColumn> columns,
                       const std::function<void()>& writeRows);
    // The table's start, its caption and the cells of its header row, which stays open.
    void WriteTableHead(int tableWidth, const std::string& caption, std::initializer_list<TableColumn> columns);
    void WriteCellOpening(int width, bool firstOfRow);
    void WritePlainCell(int width, bool firstOfRow, const std::string& text);

    // ---- The object pages

    // A table of an object page up to its closed header row.
    void WriteObjectTableHead(const std::string& caption, std::initializer_list<TableColumn> columns);
    // With screenshots and pictures: the object's picture by the image procedure.
    void WriteObjectImage(const std::string& fileName, const PictureSaver& save);
    bool WriteWindowPage(CWindowKav& window);
    void WriteWindowRows(const std::vector<CWindowKav*>& windows);
    void WriteTypeSpecificCell(const CWindowKav& window);
    void WriteTransitionRows(const std::vector<CWindowKav*>& windows);
    void WriteConditionsAndActionsCell(const CTransitionKav& transition);
    bool WriteTaskPage(CTaskKav& task);
    void WriteTaskProperties(const CTaskKav& task);
    void WriteTaskStepRows(const std::vector<CTaskStep*>& steps);
    void WriteSubTaskCallDetails(const CTaskStep& step);
    bool WriteTestCasePage(CTestCase& testCase);
    void WriteTestStepRows(const OwningList<CTestStep>& steps);

    // Names every object page in the order the pages are written.
    void AssignPageNames(const std::vector<CWindowKav*>& documentedWindows);

    CApplicationKav& project_;
    HtmlGeneratorWindow& window_;
    DocumentationPictures* pictures_;
    std::string targetFolder_;
    bool includeScreenshots_ = false;
    bool shiftF1_ = false;
    std::optional<OutputFile> page_;
    std::string pageFileName_;
    PageNames windowPages_{"WND_"};
    PageNames taskPages_{"TASK_"};
    PageNames testCasePages_{"TC_"};
};

// Installs "Generate HTML Documentation": the dialog on the open project, shown by a window
// that the factory makes for each run, with the pictures that the other factory makes (none
// without it).
void InstallHtmlDocumentation(std::function<std::unique_ptr<HtmlGeneratorWindow>()> makeWindow,
                              std::function<std::unique_ptr<DocumentationPictures>()> makePictures);
