#pragma once
// Where a web test's start statement finds Internet Explorer: the folder in front of the
// program's name in its registered open command.
#include <string>

// The registered open command up to "iexplore" (found without case) and without leading double
// quotes; the whole command when it does not name the program; empty when none is registered.
std::string InternetExplorerFolder();
