#include "shell/controls/XTabCtrl.h"

#include <algorithm>

CXTabCtrl::CXTabCtrl(int style) : style_(style & (kTabsTop | kTabsBottom)) {
    if (!style_) style_ = kTabsTop;
}

void CXTabCtrl::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    RecalcLayout();
}

int CXTabCtrl::AddItem(const std::string& caption, std::uintptr_t data, bool hasIcon) {
    auto item = std::make_unique<CTabItem>();
    item->caption = caption;
    item->data = data;
    item->hasIcon = hasIcon;
    items_.push_back(std::move(item));
    RecalcLayout();
    return GetItemCount() - 1;
}

int CXTabCtrl::DeleteItem(int index) {
    if (index < 0 || index >= GetItemCount()) return 0;
    items_.erase(items_.begin() + index);
    RecalcLayout();
    return 1;
}

const CXTabCtrl::CTabItem* CXTabCtrl::GetItem(int index) const {
    return index >= 0 && index < GetItemCount() ? items_[index].get() : nullptr;
}

int CXTabCtrl::GetItemWidth(int index) const {
    if (const CTabItem* item = GetItem(index)) return item->width;
    int sum = 0;
    for (const auto& item : items_) sum += item->width;
    return sum;
}

void CXTabCtrl::SetCurSel(int index) {
    if (index < 0 || index >= GetItemCount()) return;
    if (parent_) parent_->SelectionChanging();
    OnSelChanging(selected_, index);
    selected_ = index;
    if (parent_) parent_->SelectionChanged();
}

int CXTabCtrl::CalcWidth(const CTabItem& item) const {
    const int iconPart = item.hasIcon ? kMargin + kIconSize : 0;
    return std::max(kMargin + 8, iconPart + 2 * kMargin + TextWidth(item.caption));
}

void CXTabCtrl::RecalcLayout() {
    int x = 1;
    for (auto& item : items_) {
        item->width = CalcWidth(*item);
        item->x = x;
        x += item->width;
    }
    // x is now the needed width: 1 and the sum of the widths.
    if (x > clientWidth_) FitItems(clientWidth_);
}

void CXTabCtrl::FitItems(int availableWidth) {
    if (items_.empty()) return;
    const int count = GetItemCount();
    const int share = availableWidth / count;
    int x = 1;
    for (int i = 0; i < count; ++i) {
        items_[i]->width = i + 1 < count ? share : availableWidth - share * (count - 1);
        items_[i]->x = x;
        x += items_[i]->width;
    }
}

PixelRect CXTabCtrl::GetRect(int index) const {
    const CTabItem* item = GetItem(index);
    if (!item) return {};
    const int top = TabsAtTop() ? 0 : clientHeight_ - GetItemHeight() - 1;
    return {item->x, top, item->x + item->width, top + GetItemHeight()};
}

PixelRect CXTabCtrl::GetPageRect() const {
    PixelRect rect{2, 2, clientWidth_ - 2, clientHeight_ - 2};
    if (TabsAtTop()) rect.top += GetItemHeight();
    else rect.bottom -= GetItemHeight();
    // A strip smaller than its borders has an empty page.
    rect.right = std::max(rect.left, rect.right);
    rect.bottom = std::max(rect.top, rect.bottom);
    return rect;
}

int CXTabCtrl::HitTest(int x, int y) const {
    for (int i = 0; i < GetItemCount(); ++i)
        if (GetRect(i).Contains(x, y)) return i;
    return -1;
}

PixelRect CXTabCtrl::GetTextRect(int index) const {
    PixelRect rect = GetRect(index);
    rect.left += kMargin;
    rect.right -= kMargin;
    if (index != selected_) {
        rect.top += 2;
        rect.bottom += 2;
    }
    return rect;
}

PixelRect CXTabCtrl::GetIconRect(const PixelRect& textRect) const {
    if (textRect.Width() < kIconSize + 1) return {};
    const int top = textRect.top + (textRect.Height() - kIconSize) / 2;
    return {textRect.left, top, textRect.left + kIconSize, top + kIconSize};
}

std::string CXTabCtrl::FitCaption(const std::string& caption, int width) const {
    if (TextWidth(caption) <= width) return caption;
    // Shorter and shorter beginnings with "...", down to one character.
    for (std::size_t keep = caption.size(); keep-- > 1;) {
        const std::string shortened = caption.substr(0, keep) + "...";
        if (TextWidth(shortened) <= width) return shortened;
    }
    // Even one character with "..." is too wide: "..." loses characters from its end.
    std::string text = caption.substr(0, 1) + "...";
    while (!text.empty() && TextWidth(text) > width) text.pop_back();
    return text;
}

TabKeyEffect CXTabCtrl::OnKey(TabKey key, bool ctrl, bool shift) {
    if (items_.empty()) return TabKeyEffect::None;
    const int last = GetItemCount() - 1;
    int target = -1;
    TabKeyEffect effect = TabKeyEffect::Selection;
    if (key == TabKey::Tab) {
        if (ctrl) target = shift ? (selected_ <= 0 ? last : selected_ - 1) : (selected_ >= last ? 0 : selected_ + 1);
        else effect = shift ? TabKeyEffect::FocusPreviousStop : TabKeyEffect::FocusNextStop;
    } else {
        if (ctrl || shift) return TabKeyEffect::None;
        switch (key) {
            case TabKey::Left: target = selected_ <= 0 ? last : selected_ - 1; break;
            case TabKey::Right: target = selected_ >= last ? 0 : selected_ + 1; break;
            case TabKey::Home: target = 0; break;
            case TabKey::End: target = last; break;
            default: effect = TabKeyEffect::FocusFirstChild; break;
        }
    }
    if (parent_) parent_->KeyDown(key);
    if (effect == TabKeyEffect::Selection) SetCurSel(target);
    return effect;
}

void CXTabCtrl::OnLeftButtonDown(int x, int y) {
    const int hit = HitTest(x, y);
    if (hit < 0) return;
    SetCurSel(hit);
    if (parent_) parent_->Clicked();
}
