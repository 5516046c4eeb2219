#include <gtest/gtest.h>

#include <memory>

#include "model/CloneFlags.h"
#include "tests/support/ProjectBuilder.h"

class TransitionKav : public ProjectTest {
protected:
    CWindowKav* main = project.AddWindow("Main");
    CWindowKav* dialog = project.AddWindow("Dlg");

    std::unique_ptr<CTransitionKav> Make(int errorCase = 0) {
        return std::make_unique<CTransitionKav>("Open", "{Click}", "", "", "", "", nullptr, nullptr, 0, nullptr, 2,
                                                "", errorCase);
    }
};

TEST_F(TransitionKav, ANewTransitionHasNoDrawingState) {
    auto transition = Make(1);
    EXPECT_EQ(transition->GetStepType(), kStepTransition);
    EXPECT_EQ(transition->GetErrorCase(), 1);
    EXPECT_EQ(transition->GetHitRegion(), nullptr);
    EXPECT_EQ(transition->GetMark(), 0);
    EXPECT_EQ(transition->GetFurtherWord(), 0);
    EXPECT_EQ(transition->GetArrow(), CArrow());
}

TEST_F(TransitionKav, TheErrorCaseCountsForEqualityTheDrawingStateDoesNot) {
    auto a = Make(0), b = Make(0), error = Make(1);
    CArrow arrow;
    arrow.SetGeometry(1, 2, 3, 4, 8, 4, false);
    b->SetArrow(arrow);
    b->SetMark(1);
    EXPECT_TRUE(a->IsEqual(b.get()));
    EXPECT_FALSE(a->IsEqual(error.get()));
}

TEST_F(TransitionKav, ACloneOwnsCopiesOfEverything) {
    auto source = Make(1);
    source->SetStartWindow(main);
    source->SetDestWindow(dialog);
    source->SetStartWndId("stored-start");
    source->SetMark(1);
    source->SetFurtherWord(7);
    CArrow arrow;
    arrow.SetGeometry(1, 2, 3, 4, 8, 4, false);
    source->SetArrow(arrow);
    source->SetHitRegion(HitRegion{{{0, 0}, {5, 0}, {5, 5}}});
    source->SetPolyline(std::vector<ArrowPoint>(12, ArrowPoint{3, 4}));  // a loop holds at most 9
    source->SetLabelRect({10, 20, 10, 20});
    source->GetConditions().Add(new CConditionKav("C", "#Main# = 1"));
    source->GetActions().Add(new CActionKav(1));
    source->GetAttributes().Add(new CAttributeKav("F", 4, "v"));

    std::unique_ptr<CTransitionKav> copy(source->Clone(kCloneKeepId | kCloneTextsFromObjects));
    EXPECT_EQ(copy->GetId(), source->GetId());
    EXPECT_EQ(copy->GetErrorCase(), 1);
    EXPECT_EQ(copy->GetMark(), 1);
    EXPECT_EQ(copy->GetFurtherWord(), 7);
    EXPECT_EQ(copy->GetArrow(), arrow);
    EXPECT_EQ(copy->GetPolyline(), std::vector<ArrowPoint>(9, ArrowPoint{3, 4}));
    EXPECT_EQ(copy->GetLabelRect(), (WindowRect{10, 20, 10, 20}));
    EXPECT_EQ(copy->GetStartWindow(), nullptr);  // no flag 8
    EXPECT_EQ(copy->GetStartWndId(), main->GetInternalID());
    EXPECT_EQ(copy->GetDestWndId(), dialog->GetInternalID());
    ASSERT_NE(copy->GetHitRegion(), nullptr);
    EXPECT_NE(copy->GetHitRegion(), source->GetHitRegion());
    EXPECT_NE(copy->GetConditions()[0], source->GetConditions()[0]);
    EXPECT_NE(copy->GetActions()[0], source->GetActions()[0]);
    EXPECT_NE(copy->GetAttributes()[0], source->GetAttributes()[0]);
    EXPECT_TRUE(source->IsEqual(copy.get()));

    source.reset();  // the copy's parts survive the source
    EXPECT_EQ(copy->GetHitRegion()->polygon.size(), 3u);
    EXPECT_EQ(copy->GetConditions()[0]->GetText(), "#Main# = 1");
}

TEST_F(TransitionKav, CloneFlagsForReferences) {
    auto source = Make();
    source->SetStartWindow(main);
    source->SetStartWndId("stored");
    std::unique_ptr<CTransitionKav> stored(source->Clone(kCloneTextsAsStored));
    EXPECT_EQ(stored->GetStartWndId(), "stored");
    EXPECT_NE(stored->GetId(), source->GetId());
    std::unique_ptr<CTransitionKav> linked(source->Clone(kCloneKeepReferences));
    EXPECT_EQ(linked->GetStartWindow(), main);
    EXPECT_EQ(linked->GetStartWndId(), "");
}
