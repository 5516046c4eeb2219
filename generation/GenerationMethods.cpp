#include "generation/GenerationMethods.h"

#include "generation/MethodCodes.h"

namespace {

constexpr const char* kTaskCount = "%d TASK Test Case(s) Generated!";

constexpr GenerationMethod kMethods[] = {
    {kMethodSingleTestCase, GeneratorFamily::TaskBased, "Generating a single test case", true, kTaskCount, nullptr},
    {kMethodStepCoverage, GeneratorFamily::TaskBased, "Step coverage selected", true, kTaskCount, nullptr},
    {kMethodConnectionCoverage, GeneratorFamily::TaskBased, "Connection coverage selected", true, kTaskCount,
     nullptr},
    {kMethodValidRecords, GeneratorFamily::TaskBased, "Covering all valid data records", false, kTaskCount,
     nullptr},
    {kMethodInvalidRecords, GeneratorFamily::TaskBased, "Covering all invalid data records", false, kTaskCount,
     nullptr},
    {kMethodValidRecords | kMethodInvalidRecords, GeneratorFamily::TaskBased,
     "Covering all valid and invalid data records", false, kTaskCount, nullptr},
    {kMethodTransitionTest, GeneratorFamily::Transition, nullptr, false, "%d TRANSITION Test Case(s) Generated!",
     nullptr},
    {kMethodRandomTest, GeneratorFamily::Random, nullptr, false, "%d Random Test Case(s) Generated!",
     "Random Test Generation failed"},
};

}  // namespace

const GenerationMethod* FindGenerationMethod(int code) {
    for (const GenerationMethod& method : kMethods)
        if (method.code == code) return &method;
    return nullptr;
}
