#pragma once
// Step names in flow boxes are long identifiers without blanks; the box's word-breaking text
// output can only break them where a blank stands.
#include <string>

// The name with a blank before each piece that starts a new line of at most width characters:
// cut before the last underscore, else the last capital, else after width - 1 characters.
std::string WrapStepName(const std::string& name, int width);
