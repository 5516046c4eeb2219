#include "views/window/DialogViewPrint.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/Format.h"
#include "resources/MessageCatalogue.h"
#include "views/print/PrintPage.h"
#include "views/print/TransitionPrinter.h"
#include "views/window/DialogView.h"

namespace {

constexpr int kPageFooter = 49156;
constexpr int kPointsPerInch = 72;

const TextFont& LabelFont() {
    static const TextFont font{"Arial", 10, 400};
    return font;
}

// The label's box centred on the place, grown by the margin on each side.
ViewRect LabelBox(ViewPoint place, ViewSize text, int margin) {
    const int left = place.x - text.width / 2, top = place.y - text.height / 2;
    return ViewRect{left, top, left + text.width, top + text.height}.Inflated(margin, margin);
}

// Along the loop's top segment from its middle outward, alternately right and left, the first
// place whose label meets no kept label; the last place tried when none is free.
ViewPoint PlaceOnLoop(const CCorner& corner, ViewSize text, const std::vector<ViewRect>& kept) {
    const ViewPoint a = corner.GetPoint(1), b = corner.GetPoint(2);
    const int low = std::min(a.x, b.x), high = std::max(a.x, b.x);
    const int middle = (a.x + b.x) / 2;
    ViewPoint place{middle, a.y};
    for (int step = 0; middle + step <= high || middle - step >= low; ++step) {
        for (const int x : {middle + step, middle - step}) {
            if (x < low || x > high) continue;
            place = {x, a.y};
            const ViewRect box = LabelBox(place, text, 2);
            if (std::none_of(kept.begin(), kept.end(), [&](const ViewRect& k) { return !Intersection(box, k).IsEmpty(); }))
                return place;
        }
    }
    return place;
}

}  // namespace

void DrawTransitionLabels(const CDialogView& view, TextSurface& surface) {
    std::vector<ViewRect> kept;
    int number = 1;
    for (const auto& arrow : view.Arrows().GetArrows()) {
        const std::string label = std::to_string(number++);
        const ViewSize text = surface.Measure(label, LabelFont(), 0);
        ViewPoint place;
        if (arrow->corner && arrow->corner->GetPoints().size() == 4) {
            place = PlaceOnLoop(*arrow->corner, text, kept);
        } else {
            const ViewPoint start = arrow->shape.GetStart(), fourth = arrow->shape.GetOutline()[3];
            place = {(start.x + fourth.x) / 2, (start.y + fourth.y) / 2};
        }
        const ViewRect box = LabelBox(place, text, 1);
        surface.Draw(draw::Box{box, ViewPen{kBlack}, kWhite});
        surface.Draw(draw::Text{box, label, LabelFont(), kBlack, kTextCenter | kTextVCenter | kTextSingleLine});
        kept.push_back(box.Inflated(1, 1));
    }
}

int PrintDialogPage(CDialogView& view, TextSurface& surface, const ViewRect& page, int pageNumber) {
    view.RouteArrows();
    // The picture shrinks to the page's width, then to its height.
    double scale = 1.0;
    int height = view.GetScrollExtent().height;
    const int width = view.GetScrollExtent().width;
    if (page.Width() < width) {
        scale = static_cast<double>(width) / page.Width();
        height = static_cast<int>(height / scale);
    }
    if (page.Height() < height) {
        const double further = static_cast<double>(height) / page.Height();
        scale *= further;
        height = static_cast<int>(height / further);
    }
    if (pageNumber == 1) {
        surface.SetUnitsPerInch(static_cast<int>(scale * kPointsPerInch + 0.5));
        Replay(view.Paint(surface, true), surface);
        DrawTransitionLabels(view, surface);
        surface.SetUnitsPerInch(kPointsPerInch);
        surface.Draw(draw::Lines{{{page.left, height}, {page.right, height}}, ViewPen{kBlack}});
    }

    const ViewRect textRect = page.Inflated(-30, -30);
    CTransitionPrinter printer(height + 10, 1, textRect, pageNumber, surface, CurrentApplication->GetMetaConditions());
    printer.OutputLine("Transitions:", 0, true, CTransitionPrinter::kItalic);
    int number = 1;
    for (const auto& arrow : view.Arrows().GetArrows())
        if (arrow->transition) printer.PrintTransition(*arrow->transition, number++, arrow->source->GetName(), 0);
    if (pageNumber > 0) DrawPageFooter(surface, textRect, Fmt(LoadMessage(kPageFooter), pageNumber));
    return printer.GetPosition().page;
}
