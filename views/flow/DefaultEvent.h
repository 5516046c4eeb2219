#pragma once
// The event that a step gets when a window of that type is assigned to it and it has none.
#include <string>

std::string DefaultEventForWindowType(int windowType);
