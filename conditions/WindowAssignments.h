#pragma once
// The assignments that windows accept: their own value where they have one, their common and
// type-specific properties and their user attributes, each with its check and action.
#include <string>
#include <string_view>

#include "platform/MessageBuffer.h"

class CCombination;
class CWindowKav;

// One assignment under examination; recorded under the designator as passed.
struct DesignatorAssignment {
    std::string designator;
    std::string value;
    CCombination& combination;
    const void* source;

    // RecordDesignatorVariable for the designator and the value.
    int Record(int type, const std::string& action) const;
};

// Sets the message and gives the refusal result 0.
template <class... A>
int RefuseAssignment(int message, const A&... args) {
    SetMessage(message, args...);
    return 0;
}

// The value must be "TRUE" or "FALSE" in any case; otherwise the message is set.
bool RequireBool(std::string_view value, int message);

// The assignment to the window's value, property (attribute part beginning with "$") or user
// attribute. 1 accepted, 0 refused with a message.
int CheckWindowAssignment(const CWindowKav& window, std::string_view attribute, const DesignatorAssignment& assignment);
