#pragma once
// The one walk from a designator to what it names, shared by the check (value type and
// action) and the value operation (current value and type). The two differ in their message
// codes and in a few rules, chosen by the use.
#include <string>
#include <string_view>

#include "conditions/ConditionContext.h"
#include "conditions/Designator.h"

class CKavroObj;
class CWindowKav;

enum class DesignatorUse { kCheck, kValue };

inline int ByUse(DesignatorUse use, int checkMessage, int valueMessage) {
    return use == DesignatorUse::kCheck ? checkMessage : valueMessage;
}

struct DesignatorInfo {
    int type = 0;
    std::string action = "SetAttribute";
    std::string value;  // filled for DesignatorUse::kValue only
};

// 1 described; 0 refused with a message (or silently where a value has no text); -1 for an
// effect condition without its data set.
int DescribeDesignator(const CConditionContext& context, std::string_view designator, DesignatorUse use,
                       DesignatorInfo& info);
// The same for a window and an attribute part that is empty or begins with "$".
int DescribeWindowProperty(const CWindowKav& window, std::string_view attribute, DesignatorUse use,
                           DesignatorInfo& info);

// The text that names the window in messages and variable names: its object path text on the
// current application, its name without one.
std::string WindowPathText(const CWindowKav& window);

// ResolveDesignatorObject for a designator already split.
CKavroObj* ResolveDesignatorParts(const DesignatorParts& parts);

// "$%d" and "$%d,%d" as the runtime's scanner reads them: blanks and a sign before each number,
// anything after the last one ignored.
bool ReadListRow(std::string_view property, int& row);
bool ReadTableCell(std::string_view property, int& row, int& column);
