// What the test case view draws: the boxes with their wrapped names, then the arrows.
#include "model/TaskKav.h"
#include "model/TaskStep.h"
#include "model/TestCase.h"
#include "views/flow/StepNameWrap.h"
#include "views/testcase/TestCaseView.h"

namespace {

constexpr ViewColour kStartGreen = ViewColour::Rgb(0, 215, 18);
constexpr ViewColour kPink = ViewColour::Rgb(246, 148, 245);
constexpr ViewColour kGrey = ViewColour::Rgb(198, 195, 198);
constexpr ViewPen kThinPen{kBlack, 1};
constexpr ViewPen kSelectedPen{ViewColour::Rgb(255, 0, 0), 2};
constexpr unsigned kBoxText = kTextCenter | kTextVCenter | kTextWordBreak;

// Pink when the step does something, grey while it is still blank.
ViewColour BoxColour(const CTestStep& step) {
    if (const CTaskStep* base = step.GetBaseStep()) return base->IsDefined() ? kPink : kGrey;
    if (step.GetTransition()) return kPink;
    const bool acts = (step.GetStartWindow() && !step.GetEvent().empty()) || !step.GetCommands().empty() ||
                      !step.GetDescription().empty();
    return acts ? kPink : kGrey;
}

}  // namespace

const TextFont& CTestCaseView::Font() {
    static const TextFont font{"Arial", 14, 400};
    return font;
}

DrawList CTestCaseView::Draw() const {
    DrawList list;
    if (!startStep_ || !testCase_) return list;
    const bool vertical = displayFlags_ & kVertical;
    const int wrapWidth = vertical ? 20 : 15;
    const auto drawBox = [&](const CTestStep& step, ViewColour colour) {
        const ViewRect box = BoxOf(step);
        if (IsSelected(&step)) {
            list.push_back(draw::Box{{box.left, box.top, box.right + 1, box.bottom + 1}, kSelectedPen, colour});
        } else {
            list.push_back(draw::Box{box, kThinPen, colour});
        }
        list.push_back(draw::Text(box.Inflated(-1, -1), WrapStepName(step.GetName(), wrapWidth), Font(), kBlack,
                                  kBoxText));
        if (const CTaskKav* task = step.GetTask()) {
            const BoxLayout& boxes = Boxes();
            const ViewRect beside = vertical ? box.Offset(boxes.width + 15, 5) : box.Offset(0, boxes.height);
            const unsigned format = vertical ? kTextLeft | kTextVCenter | kTextWordBreak : kTextCenter;
            list.push_back(draw::Text(beside, WrapStepName(task->GetName(), wrapWidth), Font(), kBlack, format));
        }
    };
    drawBox(*startStep_, kStartGreen);
    for (const CTestStep* step : testCase_->GetSteps()) drawBox(*step, BoxColour(*step));
    for (const auto& connection : connections_) {
        const CArrow& arrow = connection->GetArrow();
        const auto& outline = arrow.GetOutline();
        list.push_back(draw::Lines{{outline.begin(), outline.begin() + arrow.GetOutlineCount()},
                                   connection.get() == selectedConnection_ ? kSelectedPen : kThinPen});
    }
    return list;
}
