#pragma once
// The product's name and version as the splash and about windows show them.
#include <string>

// "KAVRO Version <major>.<minor>".
std::string ProductNameAndVersion();
