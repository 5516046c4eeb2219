// The window, task and test case hierarchies: one table row per object, indented by its level,
// linked to the object's page where it has one.
#include "docs/HTMLDlg.h"
#include "docs/HtmlText.h"
#include "docs/SortedLists.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"

namespace {

// A row holds 40 columns; its level's columns stay empty in front of it, so 20 levels show.
constexpr int kRowColumns = 40;

// The kinds of test cases in the order of their groups.
constexpr int kGroupKinds[] = {2, 4, 0, 5};

}  // namespace

bool CHTMLDlg::WriteWindowHierarchyPage(const std::vector<CWindowKav*>& documentedWindows) {
    return WriteHierarchyPage("KAVRO_Window.htm", "Window Hierarchy", [&] {
        for (const CWindowKav* window : documentedWindows)
            if (!window->GetParent()) WriteWindowHierarchyRows(*window, 0);
    });
}

bool CHTMLDlg::WriteTaskHierarchyPage() {
    return WriteHierarchyPage("KAVRO_Task.htm", "Task Hierarchy", [this] {
        if (const CTaskKav* root = project_.GetRootTask()) WriteTaskHierarchyRows(*root, 0);
    });
}

bool CHTMLDlg::WriteTestCaseHierarchyPage() {
    return WriteHierarchyPage("KAVRO_TC.htm", "Test Case Hierarchy", [this] {
        for (int kind : kGroupKinds) WriteTestCaseGroup(kind);
    });
}

bool CHTMLDlg::WriteHierarchyPage(const std::string& fileName, const std::string& heading,
                                  const std::function<void()>& writeRows) {
    WritePageHeader(fileName, heading);
    Write("<H1>" + heading + "</H1>\n");
    Write("<TABLE WIDTH=620>\n");
    writeRows();
    Write("</TABLE><BR>\n");
    return WritePageEnd();
}

void CHTMLDlg::WriteHierarchyRow(int level, const std::string& rowText) {
    if (level == 0) {
        Write("<TR><TD COLSPAN=\"" + std::to_string(kRowColumns) + "\"><FONT SIZE=2>" + rowText + "</FONT>\n");
        return;
    }
    Write("<TR><TD COLSPAN=\"" + std::to_string(level) + "\"><TD COLSPAN=\"" + std::to_string(kRowColumns - level) +
          "\"><FONT SIZE=2>" + rowText + "</FONT>\n");
}

void CHTMLDlg::WriteWindowHierarchyRows(const CWindowKav& window, int level) {
    if (level >= kRowColumns) return;
    const std::string name = window.GetName();
    WriteHierarchyRow(level, IsDocumentedWindow(window) ? HtmlLink(windowPages_.Page(&window, name), name) : HtmlText(name));
    for (const CWindowKav* child : SortChildWindows(window)) WriteWindowHierarchyRows(*child, level + 2);
}

void CHTMLDlg::WriteTaskHierarchyRows(const CTaskKav& task, int level) {
    if (level >= kRowColumns) return;
    const std::string name = task.GetName();
    WriteHierarchyRow(level, HasTaskPage(task) ? HtmlLink(taskPages_.Page(&task, name), name) : HtmlText(name));
    for (const CTaskKav* child : SortSubTasks(task)) WriteTaskHierarchyRows(*child, level + 2);
}

// Test cases made from one task are named after it with a running number: a row with that name
// goes in front of them.
void CHTMLDlg::WriteTestCaseGroup(int kind) {
    const std::vector<CTestCase*> testCases = SortTestCasesOfKind(project_, kind);
    if (testCases.empty()) return;
    Write("<TR><TD COLSPAN=\"40\"><FONT SIZE=2><B>" + GetTestCaseKindName(kind) + "</B></FONT>\n");
    std::string currentPrefix;
    for (const CTestCase* testCase : testCases) {
        const std::string name = testCase->GetDisplayName();
        const size_t underscore = name.rfind('_');
        const std::string prefix = underscore == std::string::npos ? std::string() : name.substr(0, underscore);
        if (CompareNoCase(prefix, currentPrefix) != 0) {
            currentPrefix = prefix;
            Write("<TR><TD COLSPAN=\"2\"><TD COLSPAN=\"38\"><FONT SIZE=2>" + HtmlText(prefix) + "</FONT>\n");
        }
        Write("<TR><TD COLSPAN=\"4\"><TD COLSPAN=\"36\"><FONT SIZE=2>" + HtmlLink(testCasePages_.Page(testCase, name), name) +
              "</FONT>\n");
    }
    Write("<BR><BR>\n");
}
