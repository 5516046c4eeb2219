#pragma once
// Task flows and test data built in a few lines.
#include <string>
#include <vector>

#include "model/DataSet.h"
#include "model/TaskKav.h"

// A task step with the name and nothing else set.
CTaskStep* MakeStep(const std::string& name);

// Appends a new step to the task; the first step of a task becomes its start step.
CTaskStep* AddStep(CTaskKav& task, const std::string& name);
// Appends a step and connects it from every given predecessor.
CTaskStep* AddStepAfter(CTaskKav& task, const std::string& name, const std::vector<CTaskStep*>& predecessors);

// The successor names of the step, in order.
std::vector<std::string> SuccessorNames(const CTaskStep& step);
// The predecessor names of the step, in order.
std::vector<std::string> PredecessorNames(const CTaskStep& step);

// A data set with an effect per (name, cause) pair, each referring to the set.
void AddEffects(CDataSet& dataSet, const std::vector<std::pair<std::string, std::string>>& causes);
