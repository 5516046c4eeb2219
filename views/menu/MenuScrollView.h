#pragma once
// The menu of a modelled window as the application shows it: the bar, and below it the chain of
// drop-downs the user opened. The open item's transitions are drawn as arrows to the names of
// their destinations, or as loops. The layout is kept on the menu, its items and transitions;
// nothing else of the model changes here.
#include <string>
#include <vector>

#include "views/drawing/DrawList.h"
#include "views/drawing/TextSurface.h"
#include "views/drawing/ViewMenu.h"
#include "views/drawing/ViewGeometry.h"
#include "views/menu/MenuViewHost.h"

class CMenuItemKav;
class CMenuKav;
class CTransitionKav;
class CWindowKav;
class CWindowList;

class CMenuScrollView {
public:
    enum State : int { kStateNone = 0, kStateTracking = 1, kStateItem = 2, kStateTransition = 3 };
    static constexpr int kShowTransitions = 1;
    static constexpr int kShowCoverage = 4;
    static constexpr int kNoOpenItem = -1;

    static constexpr int kPrintCommand = 57607;
    static constexpr int kEditTransitionCommand = 32914;
    static constexpr int kHelpContext = 35002;

    explicit CMenuScrollView(MenuViewHost& host);
    static const std::vector<ViewMenuEntry>& ContextMenu();

    static const TextFont& Font();

    // Shows the menu; the next paint lays it out again.
    void SetDisplayedWindow(CMenuKav* menu, int displayFlags);
    void OnInitialUpdate();
    CMenuKav* GetWindow() const { return menu_; }
    CWindowKav* GetSelection() const { return selection_; }
    CTransitionKav* GetCurrentTransition() const { return currentTransition_; }
    CMenuItemKav* GetHoverItem() const { return hoverItem_; }
    int GetState() const { return state_; }
    // Opens the drop-downs down to the item and selects it; null selects nothing.
    void SelectMenuItem(CWindowKav* object);
    void SelectTransition(CTransitionKav* transition);
    void SetDisplayFlags(int flags);
    void SetPickCursor(bool on) { pickMode_ = on; }
    bool IsPickMode() const { return pickMode_; }
    void SetReportTransitionClicks(bool on) { reportTransitionClicks_ = on; }
    // After a change to the model; closes the view when the menu is gone from its file.
    void RefreshWindow(const CWindowList& windows);
    // After the project's objects were replaced: finds the menu and the selection again by their
    // internal identifiers, or closes the view when the menu is gone.
    void RebindModel(CWindowList& windows);

    // Lays the menu out when its bar has been emptied; text is measured on the surface.
    void LayoutIfNeeded(const TextSurface& surface);
    int GetLineHeight() const { return lineHeight_; }
    // Lays out first when needed.
    DrawList Draw(const TextSurface& surface);

    // ---- Mouse
    void OnMouseMove(ViewPoint point);
    void OnLeftButtonDown(ViewPoint point);
    void OnLeftButtonUp(ViewPoint point);
    void OnDoubleClick();
    void OnContextMenuAt(ViewPoint point);
    // A command of the context menu other than printing, which the window does.
    void OnContextCommand(int command);
    // "Edit Transition" is offered.
    bool CanEditTransition() const { return currentTransition_ && !pickMode_; }

private:
    bool ShowsTransitions() const { return displayFlags_ & (kShowTransitions | kShowCoverage); }
    void BuildMenuTexts(const std::vector<CWindowKav*>& items, std::string& text, const std::string& prefix,
                        const std::string& suffix);
    void LayoutDropDown(CMenuItemKav& popup, ViewPoint origin, const TextSurface& surface);
    void ComputeTransitionShapes(const std::vector<CWindowKav*>& items, bool onBar);
    void HitTest(const std::vector<CWindowKav*>& items, const ViewRect& container, CWindowKav* owner, ViewPoint point);
    void HitTestBar(ViewPoint point);
    void CloseOpenChain(CMenuItemKav* item);
    void ResetLayout();
    void DrawDropDown(const CMenuItemKav& popup, const TextSurface& surface, DrawList& list) const;
    void DrawTransitions(const CMenuItemKav& item, bool onBar, const TextSurface& surface, DrawList& list) const;

    MenuViewHost& host_;
    CMenuKav* menu_ = nullptr;
    CWindowKav* selection_ = nullptr;
    CTransitionKav* currentTransition_ = nullptr;
    CMenuItemKav* hoverItem_ = nullptr;
    int state_ = kStateNone;
    int displayFlags_ = 0;
    bool reportTransitionClicks_ = false;
    bool pickMode_ = false;
    int lineHeight_ = 0;
};

// The open child of a menu or popup item, or null.
CMenuItemKav* OpenChildOf(const CWindowKav* owner);
