#pragma once
// Windows by their internal ID, for passes that look many windows up at once.
#include <string>
#include <unordered_map>

class CWindowKav;

using WindowsByInternalId = std::unordered_map<std::string, const CWindowKav*>;
