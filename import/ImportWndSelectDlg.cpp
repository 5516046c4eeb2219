// The windows page: duplicates by internal ID; a task's steps mark the windows they start from
// and lead to.
#include "import/ImportPageSupport.h"
#include "model/ApplicationKav.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kImageRoot = 0;
// A window's image is its type code after the two images of the page's own.
constexpr int kFirstWindowImage = 2;
// A step calling a GUI building block of an ESA project names its window in this attribute.
constexpr std::string_view kGuiBlockPrefix = "G_GUI_";
constexpr char kTestObjectAttribute[] = "S_TestObject";

const CWindowKav& AsWindow(const CKavroObj& object) { return static_cast<const CWindowKav&>(object); }

}  // namespace

std::vector<CKavroObj*> CImportWndSelectDlg::OtherObjects() const {
    const auto windows = OtherProject().GetWindowList().Snapshot();
    return {windows.begin(), windows.end()};
}

std::string CImportWndSelectDlg::IdOf(const CKavroObj& object) const { return AsWindow(object).GetInternalID(); }

std::string CImportWndSelectDlg::ParentIdOf(const CKavroObj& object) const { return AsWindow(object).GetParentID(); }

CKavroObj* CImportWndSelectDlg::FindDuplicate(const CKavroObj& imported) const {
    return FindInIndex(openById_, AsWindow(imported).GetInternalID());
}

std::string CImportWndSelectDlg::NameOf(const CKavroObj& object) const { return AsWindow(object).GetName(); }

bool CImportWndSelectDlg::IsSamePlace(const CKavroObj& duplicate, const CKavroObj& imported) const {
    const CWindowKav* parent = AsWindow(duplicate).GetParent();
    const std::string parentId = AsWindow(imported).GetParentID();
    return parent ? parent->GetInternalID() == parentId : parentId.empty();
}

std::unique_ptr<CImportTreeItem> CImportWndSelectDlg::BuildOpenItems() {
    const auto openWindows = OpenProject().GetWindowList().Snapshot();
    openById_ = IndexByKey(openWindows, [](const CWindowKav& window) { return window.GetInternalID(); });
    otherById_ = IndexByKey(OtherProject().GetWindowList().Snapshot(),
                            [](const CWindowKav& window) { return window.GetInternalID(); });
    auto root = std::make_unique<CImportTreeItem>(RootText());
    for (CWindowKav* window : openWindows)
        if (!window->GetParent()) AddOpenWindow(*window, *root);
    return root;
}

void CImportWndSelectDlg::AddOpenWindow(CWindowKav& window, CImportTreeItem& parent) {
    if (!window.IsEditable(false)) return;
    CImportTreeItem* item = parent.AddChild(new CImportTreeItem(&window, false));
    for (CWindowKav* child : window.GetChildren()) AddOpenWindow(*child, *item);
}

int CImportWndSelectDlg::ImageOf(const CImportTreeItem& item) const {
    return item.object ? AsWindow(*item.object).GetType() + kFirstWindowImage : kImageRoot;
}

void CImportWndSelectDlg::MarkUsedBy(CTaskKav& task) {
    const bool esa = OtherProject().IsEsaOutputFormat();
    for (const CTaskStep* step : task.GetSteps()) {
        if (step->GetSubTaskId().empty()) {
            const std::string start = step->GetStartWndId();
            const std::string destination = step->GetDestWndId();
            if (!start.empty()) Mark(FindInIndex(otherById_, start));
            if (!destination.empty() && destination != start) Mark(FindInIndex(otherById_, destination));
        } else if (esa && EqualsNoCase(Utf16Left(step->GetName(), kGuiBlockPrefix.size()), kGuiBlockPrefix)) {
            const CAttributeKav* testObject = step->FindAttribute(kTestObjectAttribute, false);
            if (testObject && !testObject->GetValue().empty())
                Mark(FindInIndex(otherById_, testObject->GetValue()));
        }
    }
}

void CImportWndSelectDlg::DeleteOtherObject(CKavroObj* object) {
    auto* window = static_cast<CWindowKav*>(object);
    DetachFromTree(*window);
    OtherProject().GetWindowList().Remove(window);
    delete window;
}
