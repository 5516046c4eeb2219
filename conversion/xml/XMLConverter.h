#pragma once
// The converter of the XML family. Unlike the script converters it is not driven package by
// package: each caller makes one on the stack with its mode, calls the one export operation of
// its format, which writes a whole file (or returns a text), and drops it. Every fragment is
// built in the converter's own document, so texts and attribute values are always escaped;
// files are UTF-8 without byte-order mark, the fixed lines of a format end in a bare LF and
// what the document lays out ends in CR LF.
//
// The core is here; each format's operations are defined in the format's own folder
// (conversion/vornak/, conversion/smurf/, conversion/esa/, conversion/ibmqm/). Exports return
// 1, or 0 with the message in the global buffer.
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/framework/TestcaseConverter.h"
#include "persistence/XMLInterface.h"

class CWindowKav;
class CTaskKav;
class CTestStep;
class CXMLElement;
class Progress;
class ScriptFile;

// Who made the converter; it selects nothing inside the writers (the caller selects the format
// by the operation it calls) but the tool whose event parser a repository writer asks.
enum class XmlConverterMode : int {
    VornakExchange = 0,    // output format 4; the test-management interface
    UftRepository = 1,     // the UFT converter
    RanorexRepository = 2, // the Ranorex converter
    QualityManager = 3,    // output format 12
    EsaDova = 4,           // output format 3
    EsaEudArt = 5,         // output format 14
    SmurfObjectMaps = 6,   // the SMURF export and the SMURF properties dialog
};

class CXMLConverter : public CTestcaseConverter {
public:
    explicit CXMLConverter(XmlConverterMode mode) : mode_(mode) {}

    XmlConverterMode GetMode() const { return mode_; }

    // XML formats make no replay check against the GUI model.
    int CheckTestCases(TestCaseList&) override { return 1; }

    // ---- Shared helpers

    // The text escaped as element text, each line break (CR LF or LF) closing one paragraph:
    // "a<b\r\nc" gives "<p>a&lt;b</p>\n<p>c</p>\n"; an empty text gives "".
    static std::string ToXhtmlParagraphs(std::string_view text);

    // The tree as XML text; with indent each element line is indented by three blanks per
    // level. Names that XML cannot carry are made legal (MakeXmlName). "" for null.
    std::string WriteElementTree(const CXMLElement* element, bool indent);
    // The tree of the XML text, or null with the reader's message in the global buffer.
    std::unique_ptr<CXMLElement> ParseElementTree(std::string_view text);

    // ---- The VORNAK exchange (conversion/vornak/)

    // The exchange file of the window, else the task, else (both null) the whole project.
    int ExportVornakExchange(const std::filesystem::path& path, CWindowKav* window, CTaskKav* task);
    // The fragment of the window's or the task's test packages and test items (exactly one of
    // them given). In package mode each task's package is looked up in the product's document
    // and what the product keeps of it is written back. force opens a package for a plain
    // task. 1 (out may be empty), or -1 when a package's items had no package to go into.
    int WriteVornakTestItems(CWindowKav* window, CTaskKav* task, bool packageMode, bool forcePackage,
                             CXMLInterface* productDocument, std::string& out);
    // 1 with the package of that ID the document's current element, else 0.
    static int FindTestPackage(CXMLInterface& document, const std::string& id);

    // ---- SMURF object maps (conversion/smurf/)

    // The TestObjects.xml of every application (or only of the one equal to the filter) in a
    // folder of its name below the base folder. count: the test objects written.
    int ExportSmurfObjectMaps(const std::filesystem::path& baseFolder, int& count, const std::string& filter);
    // The window's test object and those of its descendants; the number written, 0 when the
    // window carries no SMURF data (its children are then not visited).
    int WriteSmurfTestObject(const CWindowKav* window, ScriptFile& file);
    // Appends the element below the document's current element: a leaf with its text, an
    // element with children as an empty element holding them. 0 for null, else 1.
    int WriteSmurfElement(const CXMLElement* element);

    // ---- ESA test items (conversion/esa/)

    // The TESTITEM file of Test Commander (format 3: a STEP per test step) or of EUD-ART
    // (format 14: a STEP per building-block record, nested by depth), with a TESTDESIGN per
    // test design that has test cases; then, beside it, the SMURF maps of the applications
    // that the steps name. count: the test cases written. 1, or 0 with W0927 when the file
    // cannot be written, the message of a reference that does not split, or a map's.
    int ExportTestItemsWithSteps(const std::filesystem::path& path, int& count);
    int ExportTestItems(const std::filesystem::path& path, int& count);
    // Completes the document's current STEP with the test step's texts and its parameters, one
    // PARAMETER per name=value line of its commands; the step's application joins the list
    // when it is new. Returns 1.
    int WriteTestItemStep(const CTestStep& step, std::vector<std::string>& applications);

    // ---- IBM quality manager (conversion/ibmqm/)

    // In the folder of the project below the path: a test script file per test case and a
    // test case file per window and task, of the window, else the task, else every top-level
    // window and then the root task. 1, or 0 with the message of a folder or file that cannot
    // be written.
    int ExportRqm(const std::filesystem::path& path, CWindowKav* window, CTaskKav* task);
    // The files of the window's or the task's test cases, its test case file, then those of
    // its children. A child window without caption writes none of its own: its test cases are
    // its captioned ancestor's.
    int WriteRqmFiles(CWindowKav* window, CTaskKav* task);
    // Where an export logs what does not stop it; may be null.
    void SetLog(Progress* log) { log_ = log; }

    // ---- The Ranorex repository (conversion/ranorex/)

    // The object repository of every window that Ranorex can address, at the path: an app
    // folder per top-level window, a folder per window with children, an item per other window,
    // each with the RanoreXPath, capability and capability list of its tag. name: the project's.
    // 1, or 0 with W1178.
    int ExportRanorexRepository(const std::filesystem::path& path, const std::filesystem::path& resourceFolder,
                                const std::string& name);
    // The children of the window below the document's current element; their paths relative to
    // the window's.
    void WriteRanorexFolder(const CWindowKav& window, const std::string& path);
    void WriteRanorexItem(const std::string& name, const std::string& id, const std::string& path,
                          const std::string& capability, const std::string& capabilityList);
    // The extra items of compound controls: the text box of an input field, the two buttons of
    // an up-down control.
    void WriteRanorexSpecialItems(const CWindowKav& window, const std::string& path);

    // ---- The UFT object repository (conversion/uft/)

    // The object repository of every window's UFT description, at the path: a qtpRep:Object per
    // window, nested as the object paths of UFT statements nest them, so that a window UFT
    // reaches through another one is left out and its children go into the nearest window above
    // it. 1, or 0 with W1178, W1190 (a window without description) or W1195 (one without class).
    int ExportUftRepository(const std::filesystem::path& path);
    // The window's object, below the document's current element (top: as the document's top
    // element), with the objects below it. 1, or 0 with W1190 or W1195.
    int WriteUftObject(const CWindowKav& window, bool top);
    // The element's children below the document's current element: values as CDATA sections,
    // every attribute written, even an empty one.
    void WriteUftElement(const CXMLElement& element);
    // Removes from the object's descendant of the name the property references that name no
    // property of the object.
    static void PruneUftPropertyRefs(CXMLElement& object, const std::string& name);

protected:
    // The scratch document in which every fragment is built; reset before each one.
    CXMLInterface document_;

private:
    // Which elements of a tree carry their text and attributes: all of them, or (as object
    // maps want) only the leaves' texts.
    enum class TreeText { AllElements, LeafTextsOnly };
    // Appends the tree as the document's top element, or below its current element (which
    // stays current).
    void AppendElementTree(const CXMLElement& root, bool top, TreeText content);

    int ExportTestItemFile(const std::filesystem::path& path, int& count, bool eudArt);

    XmlConverterMode mode_;
    Progress* log_ = nullptr;
};

// The name as an XML name: each character a name may not hold becomes "_", and "_" leads a
// name whose first character may not begin one; an empty name becomes "_".
std::string MakeXmlName(std::string_view name);
