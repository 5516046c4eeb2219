#include "editors/windows/TabEditorDlg.h"

#include "conditions/Designator.h"
#include "model/windows/TabControlKav.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kEnterTitle = 44474;
constexpr int kNoSuchWindow = 44476;
constexpr int kOwnTabPage = 44477;
constexpr int kTopLevelPage = 44478;
constexpr int kForeignPage = 44479;
constexpr int kChangedTitleUsed = 44480;
constexpr int kNewTitleUsed = 44481;
constexpr int kNewWindowUsed = 44482;
constexpr int kChangedWindowUsed = 44483;
constexpr int kPageMissing = 41048;
constexpr int kChosenPageMissing = 41049;
constexpr int kDeletedPageMissing = 41050;
constexpr int kReallyDelete = 43021;

constexpr int kCaptionInvalidTitle = 47011;
constexpr int kCaptionInvalidWindow = 47013;
constexpr int kCaptionInvalidWindowId = 47152;
constexpr int kCaptionDeletePage = 47153;
constexpr int kTitleTabControl = 47196;

constexpr int kWindowsOnly = 1;

}  // namespace

std::unique_ptr<CTabControlKav> MakeWorkingTabControl(const CTabControlKav& control) {
    auto working = std::make_unique<CTabControlKav>(WindowFields{.id = control.GetName()}, control.GetSelectedPageTitle());
    working->SetInternalID(control.GetInternalID());
    working->SetParent(control.GetParent());
    working->SetFile(control.GetFile());
    for (const CTabPage* page : control.GetPages()) {
        CTabPage* copy = working->GetPages().Add(new CTabPage(page->GetTitle(), page->GetPageWindowId()));
        copy->SetUniqueId(page->GetUniqueId());
        copy->SetModified(page->IsModified());
    }
    return working;
}

CTabEditorDlg::CTabEditorDlg(EditorHost& host) : EditorDialog(host, kResourceId) {
    AddList(kTabPages);
    AddControl(kTabTitle);
    AddControl(kTabInitialPage, "Initial Page");
    AddControl(kTabWindow);
    AddControl(kTabNew, "New");
    AddControl(kTabSet, "Set");
    AddControl(kTabDelete, "Delete");
    AddControl(kTabBrowse, "Browse Windows");
}

CTabEditorDlg::~CTabEditorDlg() = default;

int CTabEditorDlg::EditTabPages(CTabControlKav& control) {
    control_ = &control;
    readOnly_ = !control.IsEditable(false);
    working_ = MakeWorkingTabControl(control);
    changed_ = false;
    const int end = Host().RunModal(*this);
    if (readOnly_ || end != kIdOk || !changed_) {
        working_.reset();
        return 0;
    }
    control.GetPages().DeleteAll();
    for (CTabPage* page : working_->GetPages()) control.GetPages().Add(page);
    working_->GetPages().Pointers().clear();
    control.SetSelectedPageTitle(working_->GetSelectedPageTitle());
    working_.reset();
    return 1;
}

void CTabEditorDlg::OnInitDialog() {
    EditorList& pages = EditList(kTabPages);
    pages.SetSorted(true);
    pages.Clear();
    for (CTabPage* page : working_->GetPages()) pages.AddRow({page->GetTitle()}, page);
    Enable(kTabDelete, false);
    SetFocus(kTabTitle);
    SetTitle(LoadMessage(kTitleTabControl) + control_->GetName(), readOnly_);
    if (readOnly_) {
        for (int field : {kTabTitle, kTabWindow, kTabInitialPage}) Enable(field, false);
        for (int button : {kTabBrowse, kTabNew, kTabSet, kTabDelete}) Show(button, false);
        SetDefaultButton(kIdOk);
        SetFocus(kIdOk);
    } else {
        SetDefaultButton(kTabSet);
    }
}

void CTabEditorDlg::OnListRowChosen(int list, int row) {
    if (list != kTabPages || row < 0) return;
    const CTabPage* page = List(kTabPages).ItemAt<CTabPage>(row);
    if (!page) {
        ShowFatalError(kPageMissing);
        return;
    }
    SetText(kTabTitle, page->GetTitle());
    SetText(kTabWindow, page->GetPageWindowId());
    SetChecked(kTabInitialPage, EqualsNoCase(working_->GetSelectedPageTitle(), page->GetTitle()));
    if (!readOnly_) {
        Enable(kTabDelete);
        SetFocus(kTabTitle);
    }
}

void CTabEditorDlg::ClearFields() {
    SetText(kTabTitle, "");
    SetText(kTabWindow, "");
    SetChecked(kTabInitialPage, false);
    EditList(kTabPages).Highlight(-1);
    SetFocus(kTabTitle);
    Enable(kTabDelete, false);
}

void CTabEditorDlg::OnNew() {
    ClearFields();
}

void CTabEditorDlg::OnDelete() {
    const int row = List(kTabPages).GetHighlighted();
    if (row < 0 || !AskYesNo(kReallyDelete, kCaptionDeletePage)) return;
    CTabPage* page = List(kTabPages).ItemAt<CTabPage>(row);
    if (!page || !working_->GetPages().Contains(page)) {
        ShowFatalError(kDeletedPageMissing);
        return;
    }
    working_->GetPages().Delete(page);
    EditList(kTabPages).RemoveRow(row);
    changed_ = true;
    ClearFields();
}

void CTabEditorDlg::OnBrowseWindows() {
    const std::string reference = Host().SelectReference(kWindowsOnly, nullptr, nullptr, nullptr);
    if (reference.empty()) return;
    SetText(kTabWindow, reference);
    SetFocus(kTabWindow);
}

bool CTabEditorDlg::ApplyPage() {
    if (readOnly_) return true;
    const std::string title = GetText(kTabTitle);
    const std::string reference = GetText(kTabWindow);
    if (title.empty()) return Refuse(kEnterTitle, kCaptionInvalidTitle, kTabTitle);
    const bool titleUsed = working_->FindTabPage(title) != nullptr;
    CKavroObj* object = ResolveDesignatorObject(reference);
    if (!object || object->GetKind() != kKindWindow) return Refuse(kNoSuchWindow, kCaptionInvalidWindowId, kTabWindow);
    const auto* window = static_cast<const CWindowKav*>(object);
    if (window->GetInternalID() == working_->GetInternalID())
        return Refuse(kOwnTabPage, kCaptionInvalidWindow, kTabWindow);
    const CWindowKav* parent = window->GetParent();
    if (!parent) return Refuse(kTopLevelPage, kCaptionInvalidWindow, kTabWindow);
    if (parent != working_->GetParent() && parent->GetInternalID() != working_->GetInternalID())
        return Refuse(kForeignPage, kCaptionInvalidWindow, kTabWindow);
    const bool windowUsed = working_->FindTabPageByWindowId(reference) != nullptr;

    const int row = List(kTabPages).GetHighlighted();
    CTabPage* page = nullptr;
    if (row >= 0) {
        page = List(kTabPages).ItemAt<CTabPage>(row);
        if (!page) {
            ShowFatalError(kChosenPageMissing);
            return false;
        }
        if (!EqualsNoCase(page->GetTitle(), title) && titleUsed)
            return Refuse(kChangedTitleUsed, kCaptionInvalidTitle, kTabTitle);
        if (!EqualsNoCase(page->GetPageWindowId(), reference) && windowUsed)
            return Refuse(kChangedWindowUsed, kCaptionInvalidWindow, kTabWindow);
        EditList(kTabPages).RemoveRow(row);
        page->SetTitle(title);
        page->SetPageWindowId(reference);
    } else {
        if (titleUsed) return Refuse(kNewTitleUsed, kCaptionInvalidTitle, kTabTitle);
        if (windowUsed) return Refuse(kNewWindowUsed, kCaptionInvalidWindow, kTabWindow);
        page = working_->GetPages().Add(new CTabPage(title, reference));
    }
    if (IsChecked(kTabInitialPage)) working_->SetSelectedPageTitle(title);
    // The list shows the title as entered, also when the page keeps it shortened.
    EditList(kTabPages).AddRow({title}, page);
    page->SetModified(true);
    changed_ = true;
    ClearFields();
    return true;
}

bool CTabEditorDlg::OnOK() {
    if (GetText(kTabTitle).empty() && GetText(kTabWindow).empty()) return true;
    return ApplyPage();
}
