#include "conversion/framework/ConversionCopies.h"

#include "model/CloneFlags.h"
#include "model/TestCase.h"

namespace {
constexpr int kConversionCopy = kCloneKeepId | kCloneKeepFile | kCloneKeepReferences;
}  // namespace

CTestCase* CopyTestCaseForConversion(const CTestCase& testCase) {
    CTestCase* copy = testCase.Clone(kConversionCopy);
    for (size_t i = 0; i < copy->GetSteps().size(); ++i) copy->GetSteps()[i]->CopyFieldsFrom(testCase.GetSteps()[i]);
    return copy;
}

CTestStep* CopyTestStepForConversion(const CTestStep& step) {
    CTestStep* copy = step.Clone(kConversionCopy);
    copy->CopyFieldsFrom(&step);
    return copy;
}
