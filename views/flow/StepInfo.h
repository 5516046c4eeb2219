#pragma once
// The information that the flow views show in a box under the pointer when it rests on a step:
// what the step does, its conditions and actions, in lines ended by "\r\n"; and where the box
// stands.
#include <optional>
#include <string>

#include "views/drawing/TextSurface.h"
#include "views/drawing/ViewGeometry.h"

class CStepKav;

// One line: the step's commands ("S: "), else its event ("E: "), else its description ("I: ");
// nothing when all are empty.
std::string DescribeStepAction(const CStepKav& step);
// One line per condition ("C: ") and per action ("A: name(values)") of the step.
std::string DescribeConditionsAndActions(const CStepKav& step);

// The client rectangle of the box showing the text in the font, for a pointer at the client
// point: below the pointer, above it where the room below is short, kept inside the client
// width. None for an empty text.
std::optional<ViewRect> PlaceStepInfo(const std::string& text, ViewPoint pointer, ViewSize clientSize,
                                      const TextSurface& surface, const TextFont& font);
