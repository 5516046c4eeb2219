#pragma once
// Turning a simulated path through a task graph into a test case: one test step per node
// (the start steps of tasks left out), with the node's texts and, when the building-block
// setting is on, the records of the blocks the step lies in, numbered per test case.
#include <memory>

#include "generation/GuiSimulation.h"
#include "model/TestCase.h"

class CTCGTask;
class CTaskKav;

// A test case of the kind (graph or data coverage) for the task, or null with a message: W0878
// for a path of fewer than two nodes.
std::unique_ptr<CTestCase> CreateTestCase(CTCGTask& graph, CTaskKav& task, int number, int kind,
                                          const TaskPath& path);
// The test step of the node, or null with a message. Takes the node's building-block records.
std::unique_ptr<CTestStep> CreateTestStep(CTCGTask& graph, CTaskNode& node);
