#include "generation/DataRecordGenDlg.h"

#include "generation/DeltraMethod.h"
#include "generation/EqClassMethod.h"
#include "model/DataSet.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kNoRecordKindChosen = 44439;
constexpr int kNoEffects = 44962;

DataGenOkResult StayOpen(const std::string& text, const std::string& caption, int focusControl) {
    GetInteraction().ShowMessage({text, caption, MessageButtons::Ok, MessageIcon::Warning});
    return {false, focusControl};
}

}  // namespace

int CDataRecordGenDlg::Execute(CDataSet& dataSet, const Views& views) {
    CDataRecordGenDlg dialog(dataSet, views.showReport);
    dialog.Choices() = ReadDataGenSettings();
    dialog.OnInitDialog();
    if (!views.showDialog(dialog)) return 0;
    WriteDataGenSettings(dialog.Choices());
    return 1;
}

CDataRecordGenDlg::CDataRecordGenDlg(CDataSet& dataSet, RecordReportViewer showReport)
    : dataSet_(dataSet), showReport_(std::move(showReport)) {}

void CDataRecordGenDlg::OnInitDialog() {
    if (choices_.testType == kDeltraMethod) {
        OnDeltraMethod();
    } else {
        OnEqClassMethod();
    }
}

void CDataRecordGenDlg::OnEqClassMethod() { choices_.testType = kEqClassMethod; }

void CDataRecordGenDlg::OnDeltraMethod() {
    choices_.testType = kDeltraMethod;
    choices_.strategy = kEachClassOnce;
}

DataGenOkResult CDataRecordGenDlg::OnOK(const Progress* progress) {
    if (!choices_.valid && !choices_.invalid)
        return StayOpen(FormatMessageId(kNoRecordKindChosen), "Value type missing", kGenValidRecords);
    const bool deltra = choices_.testType == kDeltraMethod;
    if (deltra && dataSet_.GetEffects().empty())
        return StayOpen(FormatMessageId(kNoEffects), "No effects defined", kGenDeltraMethod);
    const int result = deltra ? GenerateByDeltra(dataSet_, choices_.valid, choices_.invalid, showReport_)
                              : GenerateByEqClasses(dataSet_, choices_, progress);
    if (!result) return StayOpen(GetGlobalMessageBuffer(), "Generation failed", 0);
    return {true, 0};
}
