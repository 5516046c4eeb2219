#pragma once
// Windows and window trees for tests, built in a line each.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/XMLElement.h"

// A tool-data element with its value, attributes and children (which it takes over).
CXMLElement* MakeElement(const std::string& name, const std::string& value = {},
                         const std::vector<std::pair<std::string, std::string>>& attributes = {},
                         const std::vector<CXMLElement*>& children = {});
