#include "editors/import/ProjectDataImportDlgUi.h"

#include <wx/bitmap.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcmemory.h>
#include <wx/imaglist.h>
#include <wx/notebook.h>
#include <wx/radiobut.h>
#include <wx/renderer.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/treectrl.h>

#include "shell/Help.h"

namespace {

using Dlg = CProjectDataImportDlg;
constexpr int kTreeId = 1456;
constexpr int kCheckImageSize = 16;

class ItemData : public wxTreeItemData {
public:
    explicit ItemData(CImportTreeItem& item) : item(item) {}
    CImportTreeItem& item;
};

// The five check states: none, unchecked, checked, and the two drawn as automatic.
wxImageList* MakeCheckImages(wxWindow* window) {
    auto* images = new wxImageList(kCheckImageSize, kCheckImageSize, true, 5);
    const int flags[] = {-1, 0, wxCONTROL_CHECKED, wxCONTROL_UNDETERMINED, wxCONTROL_CHECKED | wxCONTROL_DISABLED};
    for (int flag : flags) {
        wxBitmap bitmap(kCheckImageSize, kCheckImageSize);
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        if (flag >= 0)
            wxRendererNative::Get().DrawCheckBox(window, dc, wxRect(1, 1, kCheckImageSize - 2, kCheckImageSize - 2),
                                                 flag);
        dc.SelectObject(wxNullBitmap);
        images->Add(bitmap);
    }
    return images;
}

wxFont FontOf(const wxFont& base, int style) {
    wxFont font = base;
    if (style & ImportItemLook::kBold) font.SetWeight(wxFONTWEIGHT_BOLD);
    if (style & ImportItemLook::kItalic) font.SetStyle(wxFONTSTYLE_ITALIC);
    return font;
}

wxString Text(const std::string& text) { return wxString::FromUTF8(text); }

}  // namespace

ProjectDataImportDlgUi::ProjectDataImportDlgUi(CProjectDataImportDlg& dialog, wxWindow* parent)
    : wxDialog(parent, Dlg::kDialogId, "Import Project Data", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      dialog_(dialog) {
    checkImages_ = MakeCheckImages(this);
    MakeControls();
    ShowTrees();
    ShowOptions();
}

ProjectDataImportDlgUi::~ProjectDataImportDlgUi() { delete checkImages_; }

void ProjectDataImportDlgUi::MakeControls() {
    notebook_ = new wxNotebook(this, Dlg::kIdTabs);
    for (int page = 0; page < CProjectDataImportTabCtrl::kPageCount; ++page) {
        auto* tree = new wxTreeCtrl(notebook_, kTreeId, wxDefaultPosition, FromDIP(wxSize(420, 320)),
                                    wxTR_DEFAULT_STYLE | wxTR_HIDE_ROOT | wxTR_NO_LINES | wxTR_LINES_AT_ROOT);
        tree->SetStateImageList(checkImages_);
        tree->Bind(wxEVT_LEFT_DOWN, [this, page](wxMouseEvent& event) { OnTreeClick(page, event); });
        notebook_->AddPage(tree, CProjectDataImportTabCtrl::TabTitle(page));
        trees_[static_cast<size_t>(page)] = tree;
    }
    notebook_->SetSelection(dialog_.GetTabs().GetShownPage());
    notebook_->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
        Apply([&] { dialog_.OnTabChanged(event.GetSelection()); });
    });

    auto group = [this](int id, const char* label, std::initializer_list<std::pair<int, const char*>> boxes,
                        bool radios) {
        auto* sizer = new wxStaticBoxSizer(new wxStaticBox(this, id, label), wxVERTICAL);
        bool first = true;
        for (auto [boxId, text] : boxes) {
            wxWindow* control = radios ? static_cast<wxWindow*>(new wxRadioButton(
                                             sizer->GetStaticBox(), boxId, text, wxDefaultPosition, wxDefaultSize,
                                             first ? wxRB_GROUP : 0))
                                       : new wxCheckBox(sizer->GetStaticBox(), boxId, text);
            sizer->Add(control, wxSizerFlags().Border(wxALL, 2));
            first = false;
        }
        return sizer;
    };
    auto* options = new wxBoxSizer(wxVERTICAL);
    options->Add(group(Dlg::kIdAutoselectGroup, "Autoselect",
                       {{Dlg::kIdAutoselectBlocks, "Associated Building Blocks"},
                        {Dlg::kIdAutoselectRequirements, "Associated Requirements"},
                        {Dlg::kIdAutoselectWindows, "Associated Windows"}},
                       false),
                 wxSizerFlags().Expand());
    options->Add(group(Dlg::kIdDuplicatesGroup, "Identify Duplicates by...",
                       {{Dlg::kIdRequirementsByXmlId, "XML ID"}, {Dlg::kIdRequirementsByUserId, "User ID"}}, true),
                 wxSizerFlags().Expand());
    options->Add(group(Dlg::kIdDataSetsGroup, "Duplicate Data Sets",
                       {{Dlg::kIdOnlyNewRecords, "Only import new records"},
                        {Dlg::kIdReplaceDataSet, "Replace entire data set"}},
                       true),
                 wxSizerFlags().Expand());
    options->Add(group(Dlg::kIdOtherElementsGroup, "Other Model Elements",
                       {{Dlg::kIdOnlyNewElements, "Only import new items"},
                        {Dlg::kIdAlsoUpdateElements, "Also update existing items"}},
                       true),
                 wxSizerFlags().Expand());
    for (auto [id, text] : {std::pair{Dlg::kIdImportAttributes, "Import Global Attributes"},
                            std::pair{Dlg::kIdImportConditions, "Import Meta-Conditions"},
                            std::pair{Dlg::kIdImportStepFields, "Import User-def. Step Fields"},
                            std::pair{Dlg::kIdSyncMasters, "Synchronize Master Projects"}})
        options->Add(new wxCheckBox(this, id, text), wxSizerFlags().Border(wxALL, 2));

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(this, Dlg::kIdSelectNew, "Select all New Items"));
    buttons->Add(new wxButton(this, Dlg::kIdSelectChanged, "Select all Changed Items"),
                 wxSizerFlags().Border(wxLEFT, 6));
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_OK, "OK"));
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), wxSizerFlags().Border(wxLEFT, 6));

    auto* body = new wxBoxSizer(wxHORIZONTAL);
    body->Add(notebook_, wxSizerFlags(1).Expand());
    body->Add(options, wxSizerFlags().Border(wxLEFT, 8));
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(body, wxSizerFlags(1).Expand().Border(wxALL, 8));
    top->Add(buttons, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM, 8));
    SetSizerAndFit(top);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Apply([&] { dialog_.OnSelectNewItems(); }); }, Dlg::kIdSelectNew);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Apply([&] { dialog_.OnSelectChangedItems(); }); },
         Dlg::kIdSelectChanged);
    for (int id : {Dlg::kIdAutoselectBlocks, Dlg::kIdAutoselectRequirements, Dlg::kIdAutoselectWindows})
        Bind(wxEVT_CHECKBOX, [this, id](wxCommandEvent& event) {
            Apply([&] { dialog_.OnAutoselectBox(id, event.IsChecked() ? 1 : 0); });
        }, id);
    for (int id : {Dlg::kIdRequirementsByXmlId, Dlg::kIdRequirementsByUserId})
        Bind(wxEVT_RADIOBUTTON, [this, id](wxCommandEvent&) { Apply([&] { dialog_.OnRequirementRule(id); }); }, id);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        ReadOptions();
        EndModal(wxID_OK);
    }, wxID_OK);
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() != WXK_F1) {
            event.Skip();
            return;
        }
        dialog_.OnHelpKey(event.ShiftDown());
        ShowHelp(dialog_.GetHelpContext(0));
    });
}

void ProjectDataImportDlgUi::ShowTrees() {
    for (int page = 0; page < CProjectDataImportTabCtrl::kPageCount; ++page) ShowTree(page);
}

void ProjectDataImportDlgUi::ShowTree(int page) {
    wxTreeCtrl& tree = *trees_[static_cast<size_t>(page)];
    tree.Freeze();
    tree.DeleteAllItems();
    const wxTreeItemId hidden = tree.AddRoot("");
    if (CImportTreeItem* root = dialog_.GetTabs().GetPage(page).GetRoot(); root && root->inTree) {
        const wxTreeItemId shown = tree.AppendItem(hidden, Text(root->displayText), -1, -1, new ItemData(*root));
        tree.SetItemState(shown, root->look.checkState);
        InsertChildren(tree, shown, *root);
        tree.Expand(shown);
    }
    tree.Thaw();
}

void ProjectDataImportDlgUi::InsertChildren(wxTreeCtrl& tree, const wxTreeItemId& parent,
                                            const CImportTreeItem& item) {
    for (CImportTreeItem* child : CImportSelectPage::ShownChildren(item)) {
        const wxTreeItemId id = tree.AppendItem(parent, Text(child->displayText), -1, -1, new ItemData(*child));
        const ImportItemLook& look = child->look;
        tree.SetItemState(id, look.checkState);
        tree.SetItemTextColour(id, wxColour(look.textColour.red, look.textColour.green, look.textColour.blue));
        tree.SetItemFont(id, FontOf(tree.GetFont(), look.fontStyle));
        InsertChildren(tree, id, *child);
        tree.Expand(id);
    }
}

void ProjectDataImportDlgUi::OnTreeClick(int page, wxMouseEvent& event) {
    wxTreeCtrl& tree = *trees_[static_cast<size_t>(page)];
    int flags = 0;
    const wxTreeItemId hit = tree.HitTest(event.GetPosition(), flags);
    if (!hit.IsOk() || !(flags & wxTREE_HITTEST_ONITEMSTATEICON)) {
        event.Skip();
        return;
    }
    auto* data = static_cast<ItemData*>(tree.GetItemData(hit));
    if (!data) return;
    Apply([&] { dialog_.GetTabs().GetPage(page).OnCheckBoxClicked(data->item); });
}

void ProjectDataImportDlgUi::ShowOptions() {
    const Dlg::Options& options = dialog_.GetOptions();
    auto check = [this](int id, int value) {
        if (auto* box = dynamic_cast<wxCheckBox*>(FindWindow(id))) box->SetValue(value != 0);
    };
    auto radio = [this](int firstId, int secondId, int value) {
        if (auto* button = dynamic_cast<wxRadioButton*>(FindWindow(value ? secondId : firstId))) button->SetValue(true);
    };
    check(Dlg::kIdAutoselectBlocks, options.autoselectBlocks);
    check(Dlg::kIdAutoselectRequirements, options.autoselectRequirements);
    check(Dlg::kIdAutoselectWindows, options.autoselectWindows);
    check(Dlg::kIdImportAttributes, options.importAttributes);
    check(Dlg::kIdImportConditions, options.importConditions);
    check(Dlg::kIdImportStepFields, options.importStepFields);
    check(Dlg::kIdSyncMasters, options.syncMasters);
    radio(Dlg::kIdRequirementsByXmlId, Dlg::kIdRequirementsByUserId, options.requirementRule);
    radio(Dlg::kIdOnlyNewRecords, Dlg::kIdReplaceDataSet, options.dataSetRule);
    radio(Dlg::kIdOnlyNewElements, Dlg::kIdAlsoUpdateElements, options.otherElementsRule);
    for (int id : {Dlg::kIdAutoselectGroup, Dlg::kIdDuplicatesGroup, Dlg::kIdDataSetsGroup, Dlg::kIdSyncMasters})
        if (wxWindow* control = FindWindow(id)) control->Show(dialog_.IsControlShown(id));
    FindWindow(Dlg::kIdSelectNew)->SetLabel(Text(dialog_.GetSelectNewText()));
    FindWindow(Dlg::kIdSelectChanged)->SetLabel(Text(dialog_.GetSelectChangedText()));
    Layout();
}

void ProjectDataImportDlgUi::ReadOptions() {
    Dlg::Options& options = dialog_.GetOptions();
    auto checked = [this](int id) {
        auto* box = dynamic_cast<wxCheckBox*>(FindWindow(id));
        return box && box->GetValue() ? 1 : 0;
    };
    auto second = [this](int secondId) {
        auto* button = dynamic_cast<wxRadioButton*>(FindWindow(secondId));
        return button && button->GetValue() ? 1 : 0;
    };
    options.importAttributes = checked(Dlg::kIdImportAttributes);
    options.importConditions = checked(Dlg::kIdImportConditions);
    options.importStepFields = checked(Dlg::kIdImportStepFields);
    options.syncMasters = checked(Dlg::kIdSyncMasters);
    options.dataSetRule = second(Dlg::kIdReplaceDataSet);
    options.otherElementsRule = second(Dlg::kIdAlsoUpdateElements);
}

bool RunProjectDataImportDlg(CProjectDataImportDlg& dialog, wxWindow* parent) {
    ProjectDataImportDlgUi window(dialog, parent);
    return window.ShowModal() == wxID_OK;
}
