#pragma once
// The test designs of an ESA project: the folders right below the root task that hold a plain
// task somewhere below them, in task list order.
#include <vector>

class CApplicationKav;
class CTaskKav;

std::vector<CTaskKav*> GetEsaTestDesigns(CApplicationKav& app);
