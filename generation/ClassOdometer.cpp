#include "generation/ClassOdometer.h"

#include "generation/EqClassValues.h"
#include "model/DataSet.h"
#include "platform/MessageBuffer.h"
#include "platform/Progress.h"

namespace {

class Walker {
public:
    Walker(const CDataSet& dataSet, int mode, const Progress* progress, const ClassWalk& walk)
        : fields_(dataSet.GetFields()), mode_(mode), progress_(progress), walk_(walk) {
        choice_.classes.resize(fields_.size());
        choice_.positions.resize(fields_.size());
        // Whether a field from here on has an invalid class.
        invalidFrom_.assign(fields_.size() + 1, false);
        for (std::size_t i = fields_.size(); i-- > 0;) {
            const OwningList<CDataEqClass>& classes = fields_[i]->GetEqClasses();
            invalidFrom_[i] =
                invalidFrom_[i + 1] || classes.FindIf([](const CDataEqClass* c) { return !c->IsValid(); });
        }
    }

    // Chooses a class for the field at depth, with `invalid` invalid classes chosen before it.
    void Descend(std::size_t depth, int invalid) {
        if (stopped_ || (progress_ && progress_->ShouldStop())) {
            stopped_ = true;
            return;
        }
        if (depth == fields_.size()) {
            walk_.offer(choice_);
            return;
        }
        const OwningList<CDataEqClass>& classes = fields_[depth]->GetEqClasses();
        for (std::size_t position = 0; position < classes.size() && !stopped_; ++position) {
            CDataEqClass* eqClass = classes[position];
            const int invalidNow = invalid + (eqClass->IsValid() ? 0 : 1);
            if (!MayFitMode(depth + 1, invalidNow)) continue;
            choice_.classes[depth] = eqClass;
            choice_.positions[depth] = position;
            if (walk_.mayKeep && !walk_.mayKeep(choice_, depth + 1, invalidNow > 0)) continue;
            Descend(depth + 1, invalidNow);
        }
    }

private:
    // Valid records hold no invalid class; invalid ones exactly one, so a prefix without one
    // needs a later field that has one.
    bool MayFitMode(std::size_t length, int invalid) const {
        if (mode_ == kValidMode) return invalid == 0;
        return invalid == 1 || (invalid == 0 && invalidFrom_[length]);
    }

    const OwningList<CDataField>& fields_;
    int mode_;
    const Progress* progress_;
    const ClassWalk& walk_;
    ClassChoice choice_;
    std::vector<bool> invalidFrom_;
    bool stopped_ = false;
};

}  // namespace

int WalkClassChoices(const CDataSet& dataSet, int mode, int noClassMessageId, const Progress* progress,
                     const ClassWalk& walk) {
    if (!CheckHasFields(dataSet)) return 0;
    for (const CDataField* field : dataSet.GetFields()) {
        if (field->GetEqClasses().empty()) {
            SetMessage(noClassMessageId, field->GetName());
            return 0;
        }
    }
    Walker(dataSet, mode, progress, walk).Descend(0, 0);
    return 1;
}

void TakeChoice(const ClassChoice& choice, EqCombinationList& combinations) {
    bool valid = true;
    for (CDataEqClass* eqClass : choice.classes) {
        eqClass->SetWorkValue(eqClass->GetWorkValue() + 1);
        if (!eqClass->IsValid()) valid = false;
    }
    combinations.Add(choice.positions, valid);
}
