#include "views/window/DialogLayout.h"

void DialogLayout::SetWindow(CWindowKav* displayed) {
    displayed_ = displayed;
    if (!displayed) {
        titleRect_ = boxAnchor_ = {};
        extent_ = {};
        return;
    }
    const int width = displayed->GetRect().right - displayed->GetRect().left;
    const int height = displayed->GetRect().bottom - displayed->GetRect().top;
    titleRect_ = ViewRect{0, 0, width, kTitleHeight / 2}.Offset(kLeftMargin, kTopMargin);
    boxAnchor_ = {width + 15, height + 75, width + 30, height + 90};
    const ViewRect view = GetViewRect(displayed);
    extent_ = {kLeftMargin + view.right, kTopMargin + view.bottom};
}

ViewRect DialogLayout::GetViewRect(const CWindowKav* window) const {
    if (!window) return {};
    const WindowRect& model = window->GetRect();
    ViewRect rect = window == displayed_ ? ViewRect{0, 0, model.right - model.left, model.bottom - model.top}
                                         : ViewRect{model.left, model.top, model.right, model.bottom};
    if (window != displayed_)
        for (const CWindowKav* parent = window->GetParent(); parent && parent != displayed_; parent = parent->GetParent())
            rect = rect.Offset(parent->GetRect().left, parent->GetRect().top);
    return rect.Offset(kLeftMargin, kTopMargin + kTitleHeight);
}

WindowRect DialogLayout::ToModel(const ViewRect& rect, const CWindowKav* parent) const {
    ViewRect origin{kLeftMargin, kTopMargin + kTitleHeight, 0, 0};
    if (parent && parent != displayed_) origin = GetViewRect(parent);
    const ViewRect model = rect.Offset(-origin.left, -origin.top);
    return {model.left, model.top, model.right, model.bottom};
}
