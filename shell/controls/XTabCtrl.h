#pragma once
// The program's own tab strip: its items, their layout, the selection with its notifications,
// the keys and the mouse. The window that shows it measures the captions and paints.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/controls/PixelRect.h"

// The strip's keys; the window translates its own key codes into them.
enum class TabKey { Left, Right, Tab, Home, End, Up, Down };

// What the strip tells its parent window.
class TabNotifications {
public:
    virtual ~TabNotifications() = default;
    // Before and after every change of the selection, by mouse, key or program.
    virtual void SelectionChanging() {}
    virtual void SelectionChanged() {}
    // A click hit a tab.
    virtual void Clicked() {}
    // One of the strip's keys was used.
    virtual void KeyDown(TabKey /*key*/) {}
};

// What a key asks of the window beyond the selection, which the strip changes itself.
enum class TabKeyEffect { None, Selection, FocusNextStop, FocusPreviousStop, FocusFirstChild };

class CXTabCtrl {
public:
    static constexpr int kTabsTop = 1;
    static constexpr int kTabsBottom = 2;
    static constexpr int kMargin = 3;
    static constexpr int kIconSize = 16;

    class CTabItem {
    public:
        std::string caption;
        std::uintptr_t data = 0;
        bool hasIcon = false;
        int width = 0;
        int x = 0;
    };

    // A style with neither tab edge set gets the top edge.
    explicit CXTabCtrl(int style = kTabsTop);
    virtual ~CXTabCtrl() = default;
    CXTabCtrl(const CXTabCtrl&) = delete;
    CXTabCtrl& operator=(const CXTabCtrl&) = delete;

    // How wide a text is in the control's font (the window measures; tests count).
    void SetTextMeasure(std::function<int(const std::string&)> measure) { measure_ = std::move(measure); }
    // Null: nobody is told (the selection still changes).
    void SetParent(TabNotifications* parent) { parent_ = parent; }
    // The client area's size; the layout follows.
    void SetClientSize(int width, int height);

    int GetStyle() const { return style_; }
    bool TabsAtTop() const { return style_ & kTabsTop; }

    // Appends a tab: its index, or -1 when none can be added.
    virtual int AddItem(const std::string& caption, std::uintptr_t data, bool hasIcon);
    // 1, or 0 for an index out of range.
    int DeleteItem(int index);
    const CTabItem* GetItem(int index) const;
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    // 22 with the tabs at the top, 24 at the bottom.
    int GetItemHeight() const { return TabsAtTop() ? 22 : 24; }
    // The tab's width, or for an index out of range the sum of all; the height is the item height.
    int GetItemWidth(int index) const;

    // Ignored for an index out of range; otherwise the parent is told before and after, also
    // when the index is the current one.
    void SetCurSel(int index);
    int GetCurSel() const { return selected_; }

    PixelRect GetRect(int index) const;
    // The client area without the border of 2 and the tab strip (empty when nothing is left).
    PixelRect GetPageRect() const;
    // The first tab whose rectangle holds the point, or -1.
    int HitTest(int x, int y) const;
    // Where the caption goes: the tab without its margins, 2 lower for an unselected tab.
    PixelRect GetTextRect(int index) const;
    // Where the icon goes in a text rectangle (16 by 16 at its left, centred); empty when the
    // rectangle is narrower than 17.
    PixelRect GetIconRect(const PixelRect& textRect) const;
    // The caption cut with "..." until it fits the width.
    std::string FitCaption(const std::string& caption, int width) const;

    // The key, with Ctrl and Shift: changes the selection or names the focus move; None when the
    // strip has no tabs or does not use the key.
    TabKeyEffect OnKey(TabKey key, bool ctrl, bool shift);
    // A left button press: the tab under the point is selected and the parent told of the click.
    void OnLeftButtonDown(int x, int y);

protected:
    // Called between the two notifications of a change of the selection.
    virtual void OnSelChanging(int /*oldIndex*/, int /*newIndex*/) {}
    void RecalcLayout();
    int CalcWidth(const CTabItem& item) const;
    void FitItems(int availableWidth);
    int TextWidth(const std::string& text) const { return measure_ ? measure_(text) : 0; }

    std::vector<std::unique_ptr<CTabItem>> items_;

private:
    int style_;
    int selected_ = -1;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    std::function<int(const std::string&)> measure_;
    TabNotifications* parent_ = nullptr;
};
