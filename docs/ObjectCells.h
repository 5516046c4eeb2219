#pragma once
// The pieces of markup that the tables of the window, task and test case pages put into their
// cells. Model texts in them are escaped (HtmlText).
#include <string>

class CActionKav;
class CAttributeKav;
class CStepKav;
class CTaskStep;
template <class T>
class OwningList;

// "Y" or "N".
std::string BoolToYN(bool value);

// The labels of a step's five texts in the order event, commands, description, input, result.
struct StepLabels {
    const char* event;
    const char* commands;
    const char* description;
    const char* input;
    const char* result;
};
inline constexpr StepLabels kTransitionLabels{"E", "C", "D", "I", "R"};
inline constexpr StepLabels kStepLabels{"Ev", "Cmd", "Ins", "Inp", "Res"};

// One line under its label; nothing for an empty text.
std::string LabelledLine(const char* label, const std::string& markup);
// The five texts, each under its label; the event keeps its line breaks, the other four break
// with "<BR>".
std::string StepTextLines(const CStepKav& step, const StepLabels& labels);
// A "U" line per user-defined attribute, or with another label (the "P" lines of a call).
std::string TypedAttributeLines(const OwningList<CAttributeKav>& attributes, const char* label = "U");
// "Close()", "Set(a, b)".
std::string ActionCall(const CActionKav& action);
// "<B>S: </B>" and the window, when the step has one, then "<BR><B>D: </B>" and the delay, when
// it is above 0.
std::string StartWindowAndDelay(const CStepKav& step);
// How often a call of a sub-task runs, or nothing.
std::string LoopText(const CTaskStep& step);
