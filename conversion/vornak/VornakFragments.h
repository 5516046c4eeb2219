#pragma once
// The pieces of the VORNAK exchange text, each built in the converter's scratch document (which
// they reset): a test package split where its contents go, and one test item.
#include <optional>
#include <string>

class CTaskKav;
class CTestCase;
class CTestScript;
class CWindowKav;
class CXMLInterface;

// A test package's text before and after its contents (test items and sub-packages).
struct VornakPackageText {
    std::string head;
    std::string tail;
};

VornakPackageText BuildWindowPackage(CXMLInterface& scratch, const CWindowKav& window);
// In package mode the package is marked as the task's; product is the product's document with
// the task's package as its current element, or null when the product has none for it.
VornakPackageText BuildTaskPackage(CXMLInterface& scratch, const CTaskKav& task, bool packageMode,
                                   CXMLInterface* product);

// The test item of a test case of the task (null: of a window), with the automation of the
// window's or task's test script (may be null).
std::string BuildTestItem(CXMLInterface& scratch, const CTestCase& testCase, const CTaskKav* task,
                          const CTestScript* script);

// How the test tool of a test script runs a test case.
struct VornakAutomation {
    std::string tool;
    std::string file;
    std::string data;
};

// Of the script formats that VORNAK can run (SilkTest, TestPartner, UniversalFile, UFT,
// WinRunner, Ranorex); none for the others.
std::optional<VornakAutomation> GetVornakAutomation(int scriptFormat, const std::string& scriptPath,
                                                    const std::string& testCaseName, const std::string& projectName,
                                                    const std::string& exePath);
