// Which windows a simulated test can use at a point of its path.
#include "generation/GuiSimulation.h"
#include "generation/SimulationSupport.h"
#include "generation/TCGNode.h"
#include "model/WindowKav.h"
#include "platform/MessageBuffer.h"

CWindowKav* CTCGNode::GetOpeningWindow(CWindowKav* window) {
    CWindowKav* last = window;
    for (CWindowKav* w = window; w; w = w->GetParent()) {
        if (w->GetMethod() != 0) return w;
        last = w;
    }
    SetMessage(44508, PathText(last));
    return nullptr;
}

CWindowKav* CTCGNode::FindSystemModalDialog(CWindowKav* window, const CCombination& combination) {
    for (CWindowKav* w = window; w; w = w->GetParent()) {
        if (w->GetType() != kWndDialogBox) continue;
        const int modal = ReadsTrue(PathText(w) + ":$systemmodal", combination);
        if (modal < 0) return nullptr;
        if (modal) return w;
    }
    return nullptr;
}

int IsWindowUsable(const CWindowKav& window, const CCombination& combination, bool existAndVisibleOnly) {
    // 1 while the property does not read FALSE.
    auto holds = [&](const std::string& designator) {
        const int off = ReadsFalse(designator, combination);
        return off < 0 ? -1 : off ? 0 : 1;
    };
    CWindowKav* opening = CTCGNode::GetOpeningWindow(const_cast<CWindowKav*>(&window));
    if (!opening) return -1;
    // A window opened with its parent exists as long as its opening window does.
    if (int exists = holds(PathText(opening) + ":$Exist"); exists != 1) return exists;
    for (const CWindowKav* w = &window; w; w = w->GetParent()) {
        const std::string path = PathText(w);
        if (!existAndVisibleOnly)
            if (int enabled = holds(path + ":$enabled"); enabled != 1) return enabled;
        if (int visible = holds(path + ":$visible"); visible != 1) return visible;
    }
    return 1;
}
