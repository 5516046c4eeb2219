#pragma once
// The resource files of the IBM Rational Quality Manager, assembled from fixed fragments: a
// test script per test case and a test case per window or task that names its test scripts.
// References to the server carry placeholders ("[PROJEKTNAME]", "[RESOURCE FILE:<file>]") that
// the upload replaces.
#include <string>
#include <vector>

class CTestStep;

// The test script of a test case: its steps that have a description or an expected result;
// description only when it is not empty.
std::string BuildRqmTestScript(const std::string& title, const std::string& description,
                               const std::vector<const CTestStep*>& steps);

// The three planning sections of a test case.
struct RqmSections {
    std::string preconditions;
    std::string design;
    std::string expectedResults;
};

// The sections of a task description "§§§preconditions§§§description§§§expected result": each
// runs from its marker to the next one (or the end), line feeds kept. False when a marker is
// missing; the missing sections stay empty.
bool SplitRqmDescription(const std::string& text, RqmSections& sections);

// The test case of a window or task, attached to and running the test script files named.
std::string BuildRqmTestCase(const std::string& title, const std::vector<std::string>& scriptFiles,
                             const RqmSections& sections);
