#pragma once
// Where the steps of a task flow stand: on a grid whose levels follow the flow (a step's level
// is the length of the longest path to it from the start step) and whose columns hold the steps
// of one level side by side. Steps that the start step does not reach stand in one more column
// after the others.
#include "views/drawing/ViewGeometry.h"
#include "views/flow/FlowBoxes.h"

class CTaskKav;

struct FlowGrid {
    int levels = 0;
    int columns = 0;
    bool operator==(const FlowGrid&) const = default;
};

// Gives every step of the task its grid place and its box position. The place goes into the
// step's grid indexes as its arrows read them: left to right the column index holds the level
// and the row index the column; top to bottom the reverse. The counts are at least 3 each.
FlowGrid LayOutFlow(CTaskKav& task, const FlowBoxes& boxes, bool topToBottom);

// The extent of the grid's boxes and the gaps between them.
ViewSize FlowContentSize(FlowGrid grid, const FlowBoxes& boxes, bool topToBottom);
