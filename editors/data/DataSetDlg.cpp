#include "editors/data/DataSetDlg.h"

#include "editors/data/DataCaptions.h"
#include "model/ApplicationKav.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kDataSetExists = 44703;
constexpr int kTitleDataSet = 47186;
constexpr int kTitleSelectFile = 47200;

}  // namespace

CDataSetDlg::CDataSetDlg(EditorHost& host, CApplicationKav& project)
    : EditorDialog(host, kResourceId), project_(project) {
    AddControl(kSetName);
    AddControl(kSetDescription);
    AddControl(kSetDataSource);
    AddControl(kSetBrowse, "Browse...");
}

bool CDataSetDlg::EditDataSet(CDataSet& dataSet) {
    dataSet_ = &dataSet;
    readOnly_ = !dataSet.IsEditable(false);
    const int end = Host().RunModal(*this);
    return !readOnly_ && end == kIdOk;
}

void CDataSetDlg::OnInitDialog() {
    SetText(kSetName, dataSet_->GetName());
    SetText(kSetDescription, dataSet_->GetDescription());
    SetText(kSetDataSource, dataSet_->GetDataSource());
    SetTitle(LoadMessage(kTitleDataSet) + dataSet_->GetName(), readOnly_);
    for (int id : {kSetName, kSetDescription, kSetDataSource, kSetBrowse}) Enable(id, !readOnly_);
}

bool CDataSetDlg::OnOK() {
    if (readOnly_) return true;
    const std::string name = GetText(kSetName);
    if (!EqualsNoCase(name, dataSet_->GetName()) && project_.FindDataSet(name, false, project_.GetMainFile()))
        return RefuseWithCaption(LoadMessage(kDataSetExists), kCaptionNameNotUnique, kSetName);
    if (!dataSet_->SetName(name)) return RefuseWithText(GetGlobalMessageBuffer(), kCaptionInvalidName, kSetName);
    dataSet_->SetDescription(GetText(kSetDescription));
    dataSet_->SetDataSource(GetText(kSetDataSource));
    return true;
}

void CDataSetDlg::OnBrowse() {
    const FileDialogRequest request{FileDialogRequest::Kind::Open, LoadMessage(kTitleSelectFile), kDataFileFilter,
                                    GetText(kSetDataSource)};
    if (const std::optional<std::string> path = GetInteraction().AskForPath(request)) SetText(kSetDataSource, *path);
}
