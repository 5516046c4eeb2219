#pragma once
// The condition services as the GUI simulation uses them: designators of the current project,
// values read from a combination, and assignments recorded in it.
#include <string>
#include <string_view>

class CCombination;
class CEventParser;
class CKavroObj;
class CStepKav;
class CWindowKav;

// How designators and messages name the object in the current project.
std::string PathText(const CKavroObj* object);

// The designator's value in the combination, else the model's. 1, or 0 with a message.
int ReadDesignator(std::string_view designator, const CCombination& combination, std::string& value);
// Whether the designator reads "TRUE" (or "FALSE"), without case: 1 yes, 0 no, -1 unreadable.
int ReadsTrue(std::string_view designator, const CCombination& combination);
int ReadsFalse(std::string_view designator, const CCombination& combination);

// Records the value as the designator's, when the model allows it. 1, or 0 with a message.
int AssignDesignator(std::string_view designator, const std::string& value, CCombination& combination);

// Every precondition of the step evaluates to TRUE: 1; 0 when one does not; -1 with a message
// when one does not parse or evaluate.
int PreconditionsHold(CStepKav& step, const CCombination& combination);

// Records the value that the event gives the window ("<window>:<attribute>"): 1 (also when the
// event sets none), 0 when the model refuses the value, -1 with a message for an event that
// does not read.
int AssignEventValue(const CEventParser& parser, const std::string& event, const CWindowKav& window,
                     CCombination& combination);
