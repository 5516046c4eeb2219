#pragma once
// The run-wide settings of the satisfying-value search (CConditionTree::FindSatisfyingValues):
// how many candidate values a node tries per choice, and the number of steps after which a
// run gives up.
inline constexpr int kSearchStepLimit = 100000;

// 1 at program start; the satisfiability check raises it for its own run.
int GetSearchCandidateCount();
void SetSearchCandidateCount(int count);
