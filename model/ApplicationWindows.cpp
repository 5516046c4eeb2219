// The application root's naming of windows.
#include "model/ApplicationKav.h"
#include "model/WindowKav.h"

namespace {

constexpr int kNoLabel = 10000;

bool IsLabel(const CWindowKav* window) {
    const int type = window->GetType();
    return (type == kWndStaticText || type == kWndGroupBox || type == kWndLink) && !window->GetCaption().empty();
}

// How far a label is from the window: the gap to a label on its left, or the gap to a label
// above it when that is smaller; kNoLabel for a label in neither place. Overlapping rectangles
// give negative gaps.
int LabelDistance(const WindowRect& window, const WindowRect& label) {
    int distance = kNoLabel;
    if (label.left <= window.left && label.top <= window.bottom && label.bottom >= window.top)
        distance = window.left - label.right;
    const int verticalGap = window.top - label.bottom;
    if (verticalGap < distance && label.top <= window.top && label.left <= window.right && label.right >= window.left)
        distance = verticalGap;
    return distance;
}

// The caption of the sibling label nearest to the window; the first in child order on a tie.
std::string NearestLabelCaption(const CWindowKav& window) {
    std::string caption;
    int nearest = kNoLabel - 1;
    for (const CWindowKav* sibling : window.GetParent()->GetChildren()) {
        if (sibling == &window || !IsLabel(sibling)) continue;
        const int distance = LabelDistance(window.GetRect(), sibling->GetRect());
        if (distance < nearest) {
            nearest = distance;
            caption = sibling->GetCaption();
        }
    }
    return caption;
}

}  // namespace

std::string CApplicationKav::MakeWindowIdFromCaption(const CWindowKav* window) const {
    std::string text = window->GetCaption();
    if (text.empty() && window->GetType() == kWndMenu) text = "Menu";
    if (text.empty() && window->GetParent() && window->GetType() != kWndMenuItem) text = NearestLabelCaption(*window);
    if (text.empty()) text = window->GetClass();
    return MakeValidObjectName(text, kKindWindow, window->GetType());
}
