#pragma once
// The comma-separated definition of an equivalence class's representative values.
#include <string>
#include <vector>

// Splits the definition into values: a value in double quotes may hold commas, "" is the
// empty value, a backslash takes the next character as it is, blanks after a comma are
// skipped. Leading blanks of the definition are dropped; a blank definition gives no values.
// FALSE with W0941 to W0945 for a malformed definition.
bool ParseRepresentativeDefinition(const std::string& definition, std::vector<std::string>& values);

// The definition that gives the values back: in each value a backslash before every ",", '"'
// and "\"; double quotes around a value that is empty or begins or ends with white space (the
// parse keeps neither); the values joined by ", ".
std::string JoinRepresentativeValues(const std::vector<std::string>& values);
