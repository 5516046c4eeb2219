#include "generation/TCGNode.h"

#include "generation/TCGState.h"

// Out of line: deleting the states needs their complete type.
CTCGNode::CTCGNode(Progress* progress) : progress(progress) {}
CTCGNode::~CTCGNode() = default;
