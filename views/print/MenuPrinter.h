#pragma once
// Prints the whole menu of a modelled window: each top-level drop-down as a caption bar and its
// menus in columns by depth, joined to the entries that open them, a rule after each top-level
// item, then every item's transitions as indented text. A pass that prints page 0 only counts.
#include <deque>
#include <vector>

#include "views/drawing/TextSurface.h"
#include "views/print/TransitionPrinter.h"

class CConditionList;
class CMenuKav;
class CMenuItemKav;
class CWindowKav;

class CMenuPrinter {
public:
    CMenuPrinter(int y, int page, const ViewRect& area, int pageToPrint, TextSurface& surface,
                 const CConditionList& metaConditions);

    void PrintMenu(const CMenuKav& menu);
    // After printing: where the output ended; the page is the page count when counting.
    CTransitionPrinter::Position GetPosition() const { return {y_, page_}; }

private:
    struct MenuInfo {
        const std::vector<CWindowKav*>* items = nullptr;
        int x = 0, y = 0, page = 0, width = 0, height = 0;
        std::vector<MenuInfo*> subMenus;  // per item, non-null for a popup
        std::vector<int> rowCentres;      // per item, set for a popup
        int subMenuCount = 0;
    };
    struct ColumnInfo {
        std::deque<MenuInfo> menus;
        int width = 0, x = 0, band = 0, subMenuCount = 0;
    };

    bool Printing(int page) const { return pageToPrint_ > 0 && page == pageToPrint_; }
    int TextHeight(const std::string& text) const;
    void PrintPopupTree(const CMenuItemKav& popup);
    void PrintCaption(const CMenuItemKav& popup);
    MenuInfo* BuildColumns(const std::vector<CWindowKav*>& items, std::size_t depth);
    void MeasureMenu(MenuInfo& menu) const;
    void PlaceColumn(ColumnInfo& column, int startY, int startPage);
    void DrawMenuBox(const MenuInfo& menu);
    void JoinColumns(const ColumnInfo& parents, const ColumnInfo& column, int bandY);
    void DrawJoin(std::vector<ViewPoint> points, std::size_t firstOnSubPage, int parentPage, int subPage);
    void PrintItemTransitions(CTransitionPrinter& printer, const CMenuItemKav& item, int level) const;

    bool measuring_ = false;
    std::deque<ColumnInfo> columns_;
    int y_;
    int page_;
    ViewRect area_;
    int pageToPrint_;
    TextSurface& surface_;
    const CConditionList& metaConditions_;
};
