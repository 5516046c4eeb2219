#include "views/print/MenuPrinter.h"

#include <algorithm>

#include "model/TransitionKav.h"
#include "model/windows/MenuWindows.h"
#include "resources/MessageCatalogue.h"

namespace {

constexpr int kTransitionsLine = 49196;
constexpr int kNoTransitionsLine = 49195;
constexpr int kRowGap = 10;
constexpr int kJoinStep = 4;

const TextFont kFont{"Arial", 14, 400};
constexpr ViewColour kCaptionBlue = ViewColour::Rgb(20, 0, 150);
constexpr ViewColour kBoxGrey = ViewColour::Rgb(200, 200, 200);
constexpr ViewColour kLightEdge = ViewColour::Rgb(240, 240, 240);
constexpr ViewColour kDarkEdge = ViewColour::Rgb(160, 160, 160);

const CMenuItemKav* AsItem(const CWindowKav* window) {
    return window && window->GetType() == kWndMenuItem ? static_cast<const CMenuItemKav*>(window) : nullptr;
}

}  // namespace

CMenuPrinter::CMenuPrinter(int y, int page, const ViewRect& area, int pageToPrint, TextSurface& surface,
                           const CConditionList& metaConditions)
    : y_(y), page_(page), area_(area), pageToPrint_(pageToPrint), surface_(surface), metaConditions_(metaConditions) {}

int CMenuPrinter::TextHeight(const std::string& text) const { return surface_.Measure(text, kFont, 0).height; }

void CMenuPrinter::PrintMenu(const CMenuKav& menu) {
    for (const CWindowKav* window : menu.GetChildren()) {
        const CMenuItemKav* item = AsItem(window);
        if (!item) continue;
        if (item->IsPopup()) PrintPopupTree(*item);
        y_ += kRowGap;
        if (Printing(page_)) surface_.Draw(draw::Lines{{{area_.left, y_}, {area_.right, y_}}, ViewPen{kBlack}});
        y_ += kRowGap;
    }
    CTransitionPrinter printer(y_, page_, area_, pageToPrint_, surface_, metaConditions_);
    printer.SetIndent(30);
    for (const CWindowKav* window : menu.GetChildren())
        if (const CMenuItemKav* item = AsItem(window)) PrintItemTransitions(printer, *item, 0);
    y_ = printer.GetPosition().y;
    page_ = printer.GetPosition().page;
}

void CMenuPrinter::PrintItemTransitions(CTransitionPrinter& printer, const CMenuItemKav& item, int level) const {
    printer.OutputLine(item.GetCaption(), level, true, CTransitionPrinter::kUnderlined);
    if (item.IsPopup()) {
        for (const CWindowKav* child : item.GetChildren())
            if (const CMenuItemKav* childItem = AsItem(child)) PrintItemTransitions(printer, *childItem, level + 1);
        return;
    }
    if (item.IsSeparator()) return;
    if (item.GetTransitions().empty()) {
        printer.OutputLine(LoadMessage(kNoTransitionsLine), level + 1, true, CTransitionPrinter::kItalic);
        return;
    }
    printer.OutputLine(LoadMessage(kTransitionsLine), level + 1, true, CTransitionPrinter::kNormal);
    int number = 1;
    for (const CTransitionKav* transition : item.GetTransitions())
        printer.PrintTransition(*transition, number++, "", level + 1);
}

// ---- One top-level drop-down

void CMenuPrinter::PrintPopupTree(const CMenuItemKav& popup) {
    // The block moves to a new page rather than cross a page boundary.
    if (!measuring_ && y_ != area_.top) {
        CMenuPrinter trial(y_, page_, area_, 0, surface_, metaConditions_);
        trial.measuring_ = true;
        trial.PrintPopupTree(popup);
        if (trial.page_ != page_) {
            y_ = area_.top;
            ++page_;
        }
    }
    PrintCaption(popup);
    BuildColumns(popup.GetChildren(), 0);
    int x = area_.left;
    int band = 0;
    int bandY = y_;
    int bandPage = page_;
    const ColumnInfo* previous = nullptr;
    for (ColumnInfo& column : columns_) {
        for (MenuInfo& menu : column.menus) {
            MeasureMenu(menu);
            column.width = std::max(column.width, menu.width);
            column.subMenuCount += menu.subMenuCount;
        }
        const int margin = kJoinStep * column.subMenuCount;
        if (x + column.width + margin >= area_.right && x != area_.left) {
            ++band;
            bandY = y_ + margin + 10;
            bandPage = page_;
            x = area_.left + margin + 20;
        }
        column.x = x;
        column.band = band;
        x += column.width + 20;
        PlaceColumn(column, bandY, bandPage);
        if (previous) JoinColumns(*previous, column, bandY);
        previous = &column;
    }
    columns_.clear();
}

void CMenuPrinter::PrintCaption(const CMenuItemKav& popup) {
    const ViewSize size = surface_.Measure(popup.GetCaption(), kFont, 0);
    if (Printing(page_)) {
        surface_.Draw(draw::Fill{{area_.left, y_, area_.left + size.width + 4, y_ + size.height + 4}, kCaptionBlue});
        surface_.Draw(draw::Text({area_.left + 2, y_ + 2, area_.left + 2 + size.width, y_ + 2 + size.height},
                                 popup.GetCaption(), kFont, kWhite, kTextLeft | kTextNoPrefix));
    }
    y_ += size.height + 4;
}

CMenuPrinter::MenuInfo* CMenuPrinter::BuildColumns(const std::vector<CWindowKav*>& items, std::size_t depth) {
    if (columns_.size() <= depth) columns_.resize(depth + 1);
    MenuInfo& menu = columns_[depth].menus.emplace_back();
    menu.items = &items;
    menu.subMenus.assign(items.size(), nullptr);
    menu.rowCentres.assign(items.size(), 0);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const CMenuItemKav* item = AsItem(items[i]);
        if (!item || !item->IsPopup()) continue;
        menu.subMenus[i] = BuildColumns(item->GetChildren(), depth + 1);
        ++menu.subMenuCount;
    }
    return &menu;
}

void CMenuPrinter::MeasureMenu(MenuInfo& menu) const {
    menu.width = 0;
    menu.height = 0;
    for (std::size_t i = 0; i < menu.items->size(); ++i) {
        const CMenuItemKav* item = AsItem((*menu.items)[i]);
        if (!item) continue;
        if (item->IsSeparator()) {
            menu.height += 10;
            continue;
        }
        const ViewSize size = surface_.Measure(item->GetCaption(), kFont, 0);
        menu.width = std::max(menu.width, size.width + 22);
        if (item->IsPopup()) menu.rowCentres[i] = (size.height + 4) / 2 + menu.height;
        menu.height += size.height + 4;
    }
}

void CMenuPrinter::PlaceColumn(ColumnInfo& column, int startY, int startPage) {
    int y = startY;
    int page = startPage;
    for (MenuInfo& menu : column.menus) {
        if (y + menu.height > area_.bottom) {
            ++page;
            y = area_.top + 10;
        }
        menu.x = column.x;
        menu.y = y;
        menu.page = page;
        if (Printing(page)) DrawMenuBox(menu);
        y += menu.height + 10;
    }
    if (page > page_) {
        page_ = page;
        y_ = y;
    } else if (page == page_) {
        y_ = std::max(y_, y);
    }
}

void CMenuPrinter::DrawMenuBox(const MenuInfo& menu) {
    const ViewRect box{menu.x, menu.y, menu.x + menu.width, menu.y + menu.height};
    surface_.Draw(draw::Fill{box, kBoxGrey});
    surface_.Draw(draw::Edge3D{box, kLightEdge, kDarkEdge});
    int row = menu.y;
    for (const CWindowKav* window : *menu.items) {
        const CMenuItemKav* item = AsItem(window);
        if (!item) continue;
        if (item->IsSeparator()) {
            surface_.Draw(draw::Edge3D{{menu.x + 2, row + 4, box.right - 2, row + 6}, kDarkEdge, kLightEdge});
            row += 10;
            continue;
        }
        const ViewSize size = surface_.Measure(item->GetCaption(), kFont, 0);
        surface_.Draw(draw::Text({menu.x + 2, row + 2, menu.x + 2 + size.width, row + 2 + size.height},
                                 item->GetCaption(), kFont, kBlack, kTextLeft | kTextNoPrefix));
        if (item->IsPopup()) {
            const ViewSize arrow = surface_.Measure(">", kFont, 0);
            surface_.Draw(draw::Text({box.right - 2 - arrow.width, row + 2, box.right - 2, row + 2 + arrow.height}, ">",
                                     kFont, kBlack, kTextLeft | kTextNoPrefix));
        }
        row += size.height + 4;
    }
}

// ---- Joining lines

void CMenuPrinter::JoinColumns(const ColumnInfo& parents, const ColumnInfo& column, int bandY) {
    int routed = 0;
    const int margin = kJoinStep * column.subMenuCount;
    for (const MenuInfo& parent : parents.menus) {
        for (std::size_t i = 0; i < parent.subMenus.size(); ++i) {
            const MenuInfo* sub = parent.subMenus[i];
            if (!sub) continue;
            const int entryY = parent.y + parent.rowCentres[i];
            const ViewPoint entry{parent.x + parent.width, entryY};
            const ViewPoint target{sub->x, sub->y + 9};
            if (parents.band == column.band) {
                DrawJoin({entry, {parent.x + parents.width, entryY}, target}, 2, parent.page, sub->page);
                continue;
            }
            const int inset = kJoinStep * routed++;
            const int right = area_.right - 1 - inset;
            const int bandLine = bandY - 10 - inset;
            const int leftMargin = area_.left + margin - inset;
            DrawJoin({entry, {right, entryY}, {right, bandLine}, {leftMargin, bandLine}, {leftMargin, target.y}, target},
                     2, parent.page, sub->page);
        }
    }
}

// Points before firstOnSubPage lie on the parent's page, the rest on the sub-menu's.
void CMenuPrinter::DrawJoin(std::vector<ViewPoint> points, std::size_t firstOnSubPage, int parentPage, int subPage) {
    if (pageToPrint_ <= 0 || pageToPrint_ < parentPage || pageToPrint_ > subPage) return;
    const int height = area_.Height();
    for (std::size_t i = 0; i < points.size(); ++i)
        points[i].y -= (pageToPrint_ - (i < firstOnSubPage ? parentPage : subPage)) * height;
    surface_.Draw(draw::Lines{std::move(points), ViewPen{kBlack}});
}
