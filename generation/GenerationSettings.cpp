#include "generation/GenerationSettings.h"

namespace {
GenerationSettings g_settings;
}

GenerationSettings& GetGenerationSettings() { return g_settings; }

void ResetGenerationSettings() { g_settings = GenerationSettings(); }
