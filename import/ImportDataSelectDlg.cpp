// The test data page: a flat list of data sets, duplicates by unique identifier.
#include "import/ImportPageSupport.h"
#include "model/ApplicationKav.h"

namespace {

const CDataSet& AsDataSet(const CKavroObj& object) { return static_cast<const CDataSet&>(object); }

}  // namespace

std::vector<CKavroObj*> CImportDataSelectDlg::OtherObjects() const {
    const auto& dataSets = OtherProject().GetDataSets();
    return {dataSets.begin(), dataSets.end()};
}

std::string CImportDataSelectDlg::IdOf(const CKavroObj& object) const { return AsDataSet(object).GetId(); }

CKavroObj* CImportDataSelectDlg::FindDuplicate(const CKavroObj& imported) const {
    return FindInIndex(openById_, AsDataSet(imported).GetId());
}

std::string CImportDataSelectDlg::NameOf(const CKavroObj& object) const { return AsDataSet(object).GetName(); }

std::unique_ptr<CImportTreeItem> CImportDataSelectDlg::BuildOpenItems() {
    openById_ = IndexByKey(OpenProject().GetDataSets(), [](const CDataSet& dataSet) { return dataSet.GetId(); });
    auto root = std::make_unique<CImportTreeItem>(RootText());
    for (CDataSet* dataSet : OpenProject().GetDataSets())
        if (dataSet->IsEditable(false)) root->AddChild(new CImportTreeItem(dataSet, false));
    return root;
}

void CImportDataSelectDlg::DeleteOtherObject(CKavroObj* object) {
    OtherProject().GetDataSets().Delete(static_cast<CDataSet*>(object));
}
