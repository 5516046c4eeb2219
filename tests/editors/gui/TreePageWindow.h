#pragma once
// GUI tests of a workspace page with a model tree: the page alone in a frame of its own, the
// pointer on it, choosing items and pointing at them.
#include <functional>

#include <wx/frame.h>
#include <wx/uiaction.h>

#include "tests/editors/gui/EditorWindowTest.h"

template <class PageUi, class Base>
class TreePageWindowTest : public Base {
protected:
    using TreeUi = std::remove_reference_t<decltype(std::declval<PageUi&>().TreeWindow())>;

    // The page in a frame of its own with the current project, the pointer on it; the frame
    // carries out the commands the page sends with frameCommand.
    void ShowPage(const wxString& title, std::function<void(int)> frameCommand) {
        frame = new wxFrame(nullptr, wxID_ANY, title, wxDefaultPosition, wxSize(320, 420));
        content = new PageUi(frame, host);
        host.onCommand = std::move(frameCommand);
        content->Page().EnableTree(true);
        content->Page().RebuildTree();
        tree = &content->TreeWindow();
        frame->Show();
        ASSERT_TRUE(WaitUntil([&] { return frame->IsShownOnScreen(); }));
        const wxRect area = frame->GetScreenRect();
        wxUIActionSimulator().MouseMove(area.GetPosition() + area.GetSize() / 2);
        ASSERT_TRUE(WaitUntil([&] { return frame->IsActive(); }));
    }

    void Choose(const wxTreeItemId& item) {
        tree->SetFocus();
        tree->SelectItem(item);
        ASSERT_TRUE(WaitUntil([&] { return wxWindow::FindFocus() == tree && tree->GetFocusedItem() == item; }));
    }

    // Moves the pointer onto the item's label.
    void PointAt(const wxTreeItemId& item) {
        // The tree places its items when it has handled its events.
        DrainEvents();
        wxRect rect;
        ASSERT_TRUE(tree->GetBoundingRect(item, rect, true));
        wxUIActionSimulator().MouseMove(tree->ClientToScreen(rect.GetPosition() + wxPoint(4, rect.height / 2)));
        ASSERT_TRUE(WaitUntil([&] { return frame->IsActive(); }));
    }

    // Double-clicks the item, collapsed and then expanded, and expects each double click to
    // open one dialog (counted by opened) and to leave the item as it was.
    void ExpectDoubleClicksOpenAndKeepTheExpansion(const wxTreeItemId& item, const wxTreeItemId& another,
                                                   const std::function<int()>& opened) {
        for (bool expanded : {false, true}) {
            if (expanded) tree->Expand(item);
            else tree->Collapse(item);
            // Another item has the caret, so that the first click does not begin a rename, and
            // the last double click is over, so that the display counts the clicks afresh.
            Choose(another);
            wxMilliSleep(1000);
            const int before = opened();
            PointAt(item);
            wxUIActionSimulator().MouseDblClick();
            ASSERT_TRUE(WaitUntil([&] { return opened() == before + 1; })) << expanded;
            DrainEvents();
            EXPECT_EQ(tree->IsExpanded(item), expanded);
        }
    }

    WindowHost host;
    wxFrame* frame = nullptr;
    PageUi* content = nullptr;
    TreeUi* tree = nullptr;
};
