#pragma once
// The limits and switches that every generator reads. The generation dialog sets them before
// each run; batch mode keeps the start values (the shell sets the building-block switch from
// its command line).
struct GenerationSettings {
    bool detailedLog = false;
    // Generated test steps record the building blocks they come from.
    bool buildingBlockInfo = false;
    int maxRecursionDepth = 10;
    int maxTraversals = 1;

    bool operator==(const GenerationSettings&) const = default;
};

GenerationSettings& GetGenerationSettings();
// Back to the start values (tests).
void ResetGenerationSettings();
