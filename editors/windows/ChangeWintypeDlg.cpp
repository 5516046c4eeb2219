#include "editors/windows/ChangeWintypeDlg.h"

#include "model/DisplayTexts.h"
#include "model/WindowKav.h"
#include "resources/MessageCatalogue.h"
#include "shell/EditorHost.h"

namespace {

constexpr int kTitleChangeTypeOf = 47261;
constexpr int kLastWindowType = 21;
// Menus neither become nor turn into another type.
constexpr int kMenuBarType = 4;
constexpr int kMenuItemType = 17;

bool IsOffered(int type) { return type >= 0 && type <= kLastWindowType && type != kMenuBarType && type != kMenuItemType; }

// The type of that name among those offered, or kNoType.
int OfferedType(const std::string& name) {
    for (int type = 0; type <= kLastWindowType; ++type)
        if (IsOffered(type) && GetWindowTypeName(type) == name) return type;
    return CChangeWintypeDlg::kNoType;
}

}  // namespace

CChangeWintypeDlg::CChangeWintypeDlg(EditorHost& host) : EditorDialog(host, kResourceId) {
    AddControl(kWintypeList);
}

int CChangeWintypeDlg::SelectWindowType(CWindowKav& window) {
    window_ = &window;
    chosenType_ = kNoType;
    return Host().RunModal(*this) == kIdOk ? chosenType_ : kNoType;
}

void CChangeWintypeDlg::OnInitDialog() {
    SetTitle(LoadMessage(kTitleChangeTypeOf) + window_->GetName(), false);
    std::vector<std::string> names;
    for (int type = 0; type <= kLastWindowType; ++type)
        if (IsOffered(type)) names.push_back(GetWindowTypeName(type));
    SetSortedItems(kWintypeList, std::move(names));
    SetText(kWintypeList, IsOffered(window_->GetType()) ? GetWindowTypeName(window_->GetType()) : std::string());
}

bool CChangeWintypeDlg::OnOK() {
    if (const int type = OfferedType(GetText(kWintypeList)); type != kNoType) chosenType_ = type;
    return true;
}
