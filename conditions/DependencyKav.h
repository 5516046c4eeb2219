#pragma once
// One reference that the search for references of the editors found: a transition of a window
// whose texts name the searched object. The result dialog keeps and deletes them.
class CTransitionKav;
class CWindowKav;

class CDependencyKav {
public:
    CDependencyKav(CWindowKav* window, CTransitionKav* transition) : window_(window), transition_(transition) {}
    virtual ~CDependencyKav() = default;

    // Neither is owned.
    CWindowKav* GetWindow() const { return window_; }
    CTransitionKav* GetTransition() const { return transition_; }

private:
    CWindowKav* window_;
    CTransitionKav* transition_;
};
