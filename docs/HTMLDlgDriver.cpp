// The run that writes the pages in order, the frame every page shares, and its pictures.
#include <functional>

#include "docs/DocumentationPictures.h"
#include "docs/GeneratedFiles.h"
#include "docs/HTMLDlg.h"
#include "docs/HtmlText.h"
#include "docs/SortedLists.h"
#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kImageNotCreated = 44875;    // [W0875]
constexpr int kFileNotOpened = 45113;      // [W1113]
constexpr int kImageErrorCaption = 47014;
constexpr int kFileErrorCaption = 47066;
constexpr int kPictureTooLarge = 49178;

void Warn(const std::string& text, int captionId) {
    GetInteraction().ShowMessage({text, LoadMessage(captionId), MessageButtons::Ok, MessageIcon::Warning});
}

}  // namespace

bool CHTMLDlg::GenerateDocumentation(Progress& progress) {
    DeleteGeneratedFiles(TargetPath());
    const std::vector<CWindowKav*> documentedWindows = CollectDocumentedWindows(project_);
    AssignPageNames(documentedWindows);

    // The object pages follow their hierarchy pages.
    struct PageStep {
        std::string fileName;
        std::function<bool()> write;
    };
    std::vector<PageStep> steps{
        {"KAVRO_Title.htm", [this] { return WriteTitlePage(); }},
        {"KAVRO_Project.htm", [this] { return WriteProjectPage(); }},
        {"KAVRO_Window.htm", [&] { return WriteWindowHierarchyPage(documentedWindows); }},
    };
    for (CWindowKav* window : documentedWindows)
        steps.push_back({windowPages_.Page(window, window->GetName()), [this, window] { return WriteWindowPage(*window); }});
    steps.push_back({"KAVRO_Task.htm", [this] { return WriteTaskHierarchyPage(); }});
    for (CTaskKav* task : project_.GetTasks())
        if (HasTaskPage(*task))
            steps.push_back({taskPages_.Page(task, task->GetName()), [this, task] { return WriteTaskPage(*task); }});
    steps.push_back({"KAVRO_TC.htm", [this] { return WriteTestCaseHierarchyPage(); }});
    for (CTestCase* testCase : project_.GetTestCases())
        steps.push_back({testCasePages_.Page(testCase, testCase->GetDisplayName()),
                         [this, testCase] { return WriteTestCasePage(*testCase); }});
    steps.push_back({"KAVRO_GlobalAtt.htm", [this] { return WriteGlobalAttributesPage(); }});
    steps.push_back({"KAVRO_Req.htm", [this] { return WriteRequirementsPage(); }});
    steps.push_back({"KAVRO_Data.htm", [this] { return WriteDataPage(); }});
    steps.push_back({"KAVRO_Metacond.htm", [this] { return WriteMetaConditionsPage(); }});
    progress.SetTotal(static_cast<int>(steps.size()));
    for (const PageStep& step : steps) {
        if (progress.ShouldStop()) return false;
        progress.SetCurrentItem(step.fileName);
        if (step.write()) progress.StepCompleted();
        else progress.StepFailed();
    }
    return true;
}

void CHTMLDlg::AssignPageNames(const std::vector<CWindowKav*>& documentedWindows) {
    windowPages_ = PageNames("WND_");
    taskPages_ = PageNames("TASK_");
    testCasePages_ = PageNames("TC_");
    for (const CWindowKav* window : documentedWindows) windowPages_.Add(window, window->GetName());
    for (const CTaskKav* task : project_.GetTasks())
        if (HasTaskPage(*task)) taskPages_.Add(task, task->GetName());
    for (const CTestCase* testCase : project_.GetTestCases()) testCasePages_.Add(testCase, testCase->GetDisplayName());
}

void CHTMLDlg::WritePageHeader(const std::string& fileName, const std::string& title) {
    pageFileName_ = fileName;
    page_.emplace(TargetPath() / fileName);
    Write("<HTML>\n"
          "<HEAD>\n"
          "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\n"
          "<META NAME=\"Generator\" CONTENT=\"KAVRO\">\n");
    Write("<TITLE>" + HtmlText(title) + "</TITLE>\n");
    Write("</HEAD>\n"
          "<BODY bgcolor=\"#FFFFFF\" link=\"#0000FF\" vlink=\"#990066\">\n");
}

void CHTMLDlg::WriteNavigationBar() {
    const std::string indent(kHtmlIndent);
    Write("<A href=\"KAVRO_Title.htm\">Title Page</A>" + indent);
    Write("<A href=\"KAVRO_Project.htm\">Project Info</A>" + indent);
    Write("<A href=\"KAVRO_Task.htm\">Task Hierarchy</A>" + indent);
    Write("<A href=\"KAVRO_Req.htm\">Requirements</A>" + indent);
    Write("<A href=\"KAVRO_Window.htm\">Window Hierarchy</A><BR>");
    Write("<BR>");
    Write("<A href=\"KAVRO_Data.htm\">Test Data</A>" + indent);
    Write("<A href=\"KAVRO_GlobalAtt.htm\">Global Attributes</A>" + indent);
    Write("<A href=\"KAVRO_Metacond.htm\">Meta-Conditions</A>" + indent);
    Write("<A href=\"KAVRO_TC.htm\">Test Case Hierarchy</A>");
}

bool CHTMLDlg::WritePageEnd() {
    WriteNavigationBar();
    Write("</BODY>\n"
          "</HTML>\n");
    const FileWriteResult written = page_->Commit();
    page_.reset();
    if (!written.ok) Warn(FormatMessageId(kFileNotOpened, pageFileName_), kFileErrorCaption);
    return written.ok;
}

void CHTMLDlg::Write(std::string_view markup) { WriteUtf8String(WithCrLf(markup), &*page_); }

void CHTMLDlg::WriteObjectImage(const std::string& fileName, const PictureSaver& save) {
    if (pictures_) WriteImage(fileName, save);
}

void CHTMLDlg::WriteObjectTableHead(const std::string& caption, std::initializer_list<TableColumn> columns) {
    WriteTableHead(633, caption, columns);
    Write("</TR>\n");
}

void CHTMLDlg::WriteImage(const std::string& fileName, const PictureSaver& save) {
    if (!includeScreenshots_) return;
    switch (save(TargetPath() / fileName)) {
        case PictureResult::Saved: Write("<IMG SRC=\"" + LinkTarget(fileName) + "\"><BR><BR>\n"); return;
        case PictureResult::TooLarge: Write(LoadMessage(kPictureTooLarge)); return;
        case PictureResult::Failed: Warn(FormatMessageId(kImageNotCreated, fileName), kImageErrorCaption); return;
    }
}
