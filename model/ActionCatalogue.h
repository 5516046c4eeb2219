#pragma once
// The catalogue of the predefined actions: every action a step can carry, with its number,
// name and typed arguments. Generation, batch mode and the action editor look actions up in
// it; the project check gives loaded actions their names and types from it.
#include <string>
#include <vector>

#include "model/ActionlistKav.h"

// The catalogue of the process, filled with the predefined actions on first use.
CActionlistKav& GetActionCatalogue();

// Appends the sixteen predefined actions, in catalogue order, to an empty list.
void InitPredefinedActions(CActionlistKav& catalogue);
// The first entry with that number, or null.
const CActionKav* FindPredefinedAction(const CActionlistKav& catalogue, int number);
// The first entry whose name equals the text without case, or null.
const CActionKav* FindPredefinedActionByName(const CActionlistKav& catalogue, const std::string& name);
// The entries' names in catalogue order.
std::vector<std::string> GetPredefinedActionNames(const CActionlistKav& catalogue);
