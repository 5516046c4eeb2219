// What the task-flow view draws: each step's box, coloured by what the step does, with its
// wrapped name, then the arrows.
#include "model/TransitionKav.h"
#include "views/flow/StepNameWrap.h"
#include "views/flow/TaskflowView.h"

namespace {

constexpr ViewColour kStartBrush = ViewColour::Rgb(0, 215, 18);
constexpr ViewColour kDefinedBrush = ViewColour::Rgb(115, 245, 255);
constexpr ViewColour kTransitionBrush = ViewColour::Rgb(29, 189, 255);
constexpr ViewColour kSubTaskBrush = ViewColour::Rgb(255, 255, 0);
constexpr ViewColour kEmptySubTaskBrush = ViewColour::Rgb(255, 255, 175);
constexpr ViewColour kBlankBrush = ViewColour::Rgb(198, 195, 198);
constexpr ViewPen kThinPen{kBlack, 1};
constexpr ViewPen kSelectedPen{ViewColour::Rgb(255, 0, 0), 2};
constexpr unsigned kBoxText = kTextCenter | kTextVCenter | kTextWordBreak;

}  // namespace

const TextFont& CTaskflowView::Font() {
    static const TextFont font{"Arial", 14, 400};
    return font;
}

DrawList CTaskflowView::Draw() const {
    DrawList list;
    if (!task_) return list;
    const FlowBoxes& boxes = Boxes();
    for (const CTaskStep* step : task_->GetSteps()) {
        std::string name = step->GetName();
        ViewColour brush = kBlankBrush;
        if (step == task_->GetStartStep()) {
            brush = kStartBrush;
        } else if (const CTaskKav* called = step->GetSubTask()) {
            brush = called->GetSteps().size() == 1 ? kEmptySubTaskBrush : kSubTaskBrush;
        } else if (const CTransitionKav* transition = step->GetTransition()) {
            brush = kTransitionBrush;
            name = transition->GetName();
        } else if (step->IsDefined()) {
            brush = kDefinedBrush;
        }
        const ViewRect box = BoxOf(*step);
        const bool selected = IsSelected(step);
        const ViewRect outline = selected ? ViewRect{box.left, box.top, box.right + 1, box.bottom + 1} : box;
        list.push_back(draw::Box{outline, selected ? kSelectedPen : kThinPen, brush});
        // A step that repeats has a double frame.
        if (step->GetLoopMode() != 0) list.push_back(draw::Box{outline.Inflated(-2, -2), kThinPen, brush});
        list.push_back(draw::Text(box.Inflated(-1, -1), WrapStepName(name, boxes.nameWidth), Font(), kBlack, kBoxText));
    }
    for (const auto& connection : connections_) {
        const CArrow& arrow = connection->GetArrow();
        const auto& outline = arrow.GetOutline();
        list.push_back(draw::Lines{{outline.begin(), outline.begin() + arrow.GetOutlineCount()},
                                   connection.get() == selectedConnection_ ? kSelectedPen : kThinPen});
    }
    return list;
}
