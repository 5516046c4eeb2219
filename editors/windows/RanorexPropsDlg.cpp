#include "editors/windows/RanorexPropsDlg.h"

#include "conversion/ranorex/RanorexEventParser.h"
#include "model/DisplayTexts.h"
#include "model/WindowKav.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kTitleRanorex = 47258;
constexpr const char* kLineBreak = "\r\n";

}  // namespace

CPropsRanorexDlg::CPropsRanorexDlg(EditorHost& host) : EditorDialog(host, kResourceId) {
    AddControl(kRanorexPath);
    AddControl(kRanorexCapability);
    AddControl(kRanorexCapabilityList);
}

std::string CPropsRanorexDlg::EditTag(const CWindowKav& window, const std::string& tag, bool readOnly) {
    window_ = &window;
    tag_ = tag;
    readOnly_ = readOnly;
    const int end = Host().RunModal(*this);
    if (readOnly_ || end != kIdOk || tag_ == tag) return {};
    return tag_;
}

std::string CPropsRanorexDlg::Fields() const {
    return GetText(kRanorexPath) + kLineBreak + GetText(kRanorexCapability) + kLineBreak +
           GetText(kRanorexCapabilityList);
}

void CPropsRanorexDlg::OnInitDialog() {
    SetTitle(LoadMessage(kTitleRanorex) + GetWindowTypeName(window_->GetType()) + " " + window_->GetName(),
             readOnly_);
    std::string path, capability, capabilityList;
    CRanorexEventParser::SplitTag(tag_, path, capability, capabilityList);
    SetText(kRanorexPath, path);
    SetText(kRanorexCapability, capability);
    SetText(kRanorexCapabilityList, capabilityList);
    fieldsAtOpen_ = Fields();
    if (readOnly_)
        for (int field : {kRanorexPath, kRanorexCapability, kRanorexCapabilityList}) Enable(field, false);
}

bool CPropsRanorexDlg::OnOK() {
    if (!readOnly_ && Fields() != fieldsAtOpen_) tag_ = Fields();
    return true;
}
