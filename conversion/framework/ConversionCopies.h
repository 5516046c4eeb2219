#pragma once
// Copies of generated test cases and steps that a conversion may change freely. They keep
// identifiers, the owning file and every reference, and the texts that generation wrote into
// the steps: a plain step copy would take its task step's texts again (names, events with their
// values, expanded designators).
class CTestCase;
class CTestStep;

CTestCase* CopyTestCaseForConversion(const CTestCase& testCase);
CTestStep* CopyTestStepForConversion(const CTestStep& step);
