#pragma once
// What one generation run covers and how: the element (all null for the whole project), the
// run's method code and the random-test settings.
#include "generation/RandomTestSettings.h"

class CApplicationKav;
class CTaskKav;
class CTransitionKav;
class CWindowKav;

struct GenerationRequest {
    CApplicationKav* project = nullptr;
    CWindowKav* window = nullptr;
    CTransitionKav* transition = nullptr;
    CTaskKav* task = nullptr;
    int methodCode = 0;
    RandomTestSettings random;
};
