#include "editors/project/SearchWndDlg.h"

#include <algorithm>
#include <utility>

#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/WindowKav.h"
#include "platform/TextUtil.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kMissingCriteria = 44562;
constexpr int kCaptionMissingCriteria = 47125;
constexpr int kWindowPrefix = 49217;
constexpr int kNoType = 99;

bool Contains(const std::string& text, const std::string& lowered) {
    return lowered.empty() || ToLowerText(text).find(lowered) != std::string::npos;
}

bool BeginsWith(const std::string& text, const std::string& lowered) {
    return ToLowerText(text).compare(0, lowered.size(), lowered) == 0;
}

}  // namespace

// The texts lowered once for the whole search.
struct CSearchWndDlg::Criteria {
    std::string id;
    std::string caption;
    int type;
    std::string attribute;

    bool Match(const CWindowKav& window) const {
        if (!Contains(window.GetName(), id) || !Contains(window.GetCaption(), caption)) return false;
        if (type != kNoType && window.GetType() != type) return false;
        if (attribute.empty()) return true;
        const OwningList<CAttributeKav>& attributes = window.GetAttributes();
        return std::any_of(attributes.begin(), attributes.end(),
                           [this](const CAttributeKav* named) { return BeginsWith(named->GetName(), attribute); });
    }
};

CSearchWndDlg::CSearchWndDlg(EditorHost& host, CApplicationKav& project)
    : CObjectSearchDlg(host, project, kResourceId, kSearchWndSelected, kSearchWndWhole, "Selected Window") {
    for (int control : {kSearchWndId, kSearchWndCaption, kSearchWndType, kSearchWndAttribute}) AddControl(control);
}

std::optional<std::vector<CWindowKav*>> CSearchWndDlg::Search(CWindowKav* window, CFileKav* library) {
    window_ = window;
    library_ = library;
    found_.clear();
    if (Host().RunModal(*this) != kIdOk) return std::nullopt;
    return std::move(found_);
}

void CSearchWndDlg::OnInitDialog() {
    for (int field : {kSearchWndId, kSearchWndCaption, kSearchWndAttribute}) SetText(field, "");
    OpenScope(window_, window_ ? window_->GetName() : std::string(), library_, kWindowPrefix);
    std::vector<std::string> types;
    for (int type = 0; type < kWindowTypeCount; ++type) types.push_back(GetWindowTypeName(type));
    std::stable_sort(types.begin(), types.end(),
                     [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    types.insert(types.begin(), "");
    SetItems(kSearchWndType, types);
    SetText(kSearchWndType, "");
}

int CSearchWndDlg::ChosenType() const {
    const std::string chosen = GetText(kSearchWndType);
    for (int type = 0; type < kWindowTypeCount && !chosen.empty(); ++type)
        if (GetWindowTypeName(type) == chosen) return type;
    return kNoType;
}

bool CSearchWndDlg::OnOK() {
    const Criteria criteria{ToLowerText(GetText(kSearchWndId)), ToLowerText(GetText(kSearchWndCaption)), ChosenType(),
                            ToLowerText(GetText(kSearchWndAttribute))};
    if (criteria.id.empty() && criteria.caption.empty() && criteria.attribute.empty() && criteria.type == kNoType)
        return Refuse(kMissingCriteria, kCaptionMissingCriteria, kSearchWndId);
    found_.clear();
    if (SearchesBelowStart()) {
        VisitBelow(window_, criteria);
        return true;
    }
    for (CWindowKav* window : project_.GetWindowList().Snapshot())
        if (IsInScope(*window) && criteria.Match(*window)) found_.push_back(window);
    return true;
}

void CSearchWndDlg::VisitBelow(CWindowKav* window, const Criteria& criteria) {
    if (criteria.Match(*window)) found_.push_back(window);
    for (CWindowKav* child : window->GetChildren()) VisitBelow(child, criteria);
}
