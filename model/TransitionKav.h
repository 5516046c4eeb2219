#pragma once
// What using a window does: owned by the window it starts from.
#include <optional>
#include <vector>

#include "model/Arrow.h"
#include "model/StepKav.h"
#include "model/WindowRect.h"

class CTransitionKav : public CStepKav {
public:
    CTransitionKav(std::string name, std::string event, std::string commands, std::string description,
                   std::string input, std::string expectedResult, CWindowKav* startWindow, CWindowKav* destWindow,
                   int delay, const OwningList<CAttributeKav>* attributeSource, int criticality,
                   std::string resultValue, int errorCase);

    // The transition describes an error case.
    int GetErrorCase() const { return errorCase_; }
    bool SetErrorCase(int errorCase) { return StoreField(errorCase_, errorCase); }
    // The window view draws a marked transition with another pen.
    int GetMark() const { return mark_; }
    void SetMark(int mark) { mark_ = mark; }

    // Drawing data of the window view; the model only keeps and copies them.
    const CArrow& GetArrow() const { return arrow_; }
    void SetArrow(const CArrow& arrow) { arrow_ = arrow; }
    const HitRegion* GetHitRegion() const { return hitRegion_ ? &*hitRegion_ : nullptr; }
    void SetHitRegion(std::optional<HitRegion> region) { hitRegion_ = std::move(region); }
    // Drawing data of the menu view: a line through up to 9 points (an arrow's outline, led
    // around for a loop) and the rectangle of the destination's name.
    static constexpr int kMaxPolylinePoints = 9;
    const std::vector<ArrowPoint>& GetPolyline() const { return polyline_; }
    void SetPolyline(std::vector<ArrowPoint> points) {
        if (points.size() > kMaxPolylinePoints) points.resize(kMaxPolylinePoints);
        polyline_ = std::move(points);
    }
    const WindowRect& GetLabelRect() const { return labelRect_; }
    void SetLabelRect(const WindowRect& rect) { labelRect_ = rect; }
    int GetFurtherWord() const { return furtherWord_; }
    void SetFurtherWord(int word) { furtherWord_ = word; }

    // A copy by the model's clone flags (1 identifiers, 8 references, 16 or 32 reference
    // texts); the drawing data (polyline and label rectangle too), the mark and the further word are copied, a hit region into a
    // region of the copy's own.
    CTransitionKav* Clone(int flags) const;

private:
    CArrow arrow_;
    std::optional<HitRegion> hitRegion_;
    std::vector<ArrowPoint> polyline_;
    WindowRect labelRect_;
    int furtherWord_ = 0;
    int mark_ = 0;
    int errorCase_;
};
