#include "shell/Help.h"

void ShowHelp(int /*context*/) {}
