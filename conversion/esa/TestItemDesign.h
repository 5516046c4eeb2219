#pragma once
// One TESTDESIGN of an ESA TESTITEM file: a test design with its requirements and test cases,
// built in the converter's scratch document. The writer collects the applications that the
// steps name, for the object maps that go beside the file.
#include <string>
#include <vector>

class CTaskKav;
class CTestCase;
class CTestStep;
class CXMLConverter;
class CXMLInterface;

class TestItemDesignWriter {
public:
    // eudArt: the EUD-ART outline (a STEP per building-block record); else Test Commander's.
    TestItemDesignWriter(CXMLConverter& converter, CXMLInterface& document, bool eudArt, std::string projectName)
        : converter_(converter), document_(document), eudArt_(eudArt), projectName_(std::move(projectName)) {}

    // The TESTDESIGN's text; 0 with the splitter's message when a building-block reference
    // does not split.
    int Write(const CTaskKav& design, const std::vector<CTestCase*>& testCases, std::string& text);

    // In the order first named.
    std::vector<std::string>& Applications() { return applications_; }

private:
    // Appends the TESTCASE with its attributes and requirements and enters it.
    void BeginTestCase(const CTestCase& testCase);
    void AppendCommanderStep(const CTestStep& step);
    int AppendEudArtSteps(const CTestCase& testCase);

    CXMLConverter& converter_;
    CXMLInterface& document_;
    bool eudArt_;
    std::string projectName_;
    std::vector<std::string> applications_;
};
