#pragma once
// TestPartner (output format 5): asset files of TestPartner's XML asset schema in the project
// folder, which each run empties first. Each package becomes <package>.xml with one script per
// test case; TESTSUITE.xml holds the shared module of the custom functions (Bin/TpIncludes.vb
// of the installation) and the main script that runs every script of the run. The scripts are
// Visual Basic, stored Base64-encoded as UTF-16LE.
//
// Every file is UTF-16LE with byte-order mark and line feeds alone. The attach statements copy
// each window's stored tag, its attach name, which GenerateTags computes beforehand (the tag
// generation, through the converter table); a conversion never recomputes tags.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "conversion/framework/ConverterTable.h"
#include "conversion/framework/ScriptFile.h"
#include "conversion/framework/TestcaseConverter.h"
#include "conversion/testpartner/TestPartnerEventParser.h"
#include "persistence/XMLInterface.h"

class CTestCase;
class CWindowKav;

// An asset file: UTF-16LE with byte-order mark, every line feed kept as it is.
class CTPUnicodeFile : public ScriptFile {
public:
    explicit CTPUnicodeFile(std::filesystem::path path)
        : ScriptFile(std::move(path), ScriptEncoding::Utf16LeWithBom, LineEnd::Lf) {}
};

class CTPBase64 {
public:
    virtual ~CTPBase64() = default;
    // The standard Base64 of the text's UTF-16LE code units, with a carriage return before the
    // characters at 76, 152, 228, ... of the growing text.
    std::string Encode(const std::string& text) const;
};

class CTestPartnerTCC : public CTestcaseConverter {
public:
    // The parser gets the key table of the project's keyboard layout; a web test starts the
    // browser at the start page.
    explicit CTestPartnerTCC(int webTest = 0);

    // The project folder, emptied. 1, or 0 with W0773 to W0776.
    int Init(std::string projectName, std::string scriptFolder, std::string exePath, std::string workingFolder,
             std::string parameters) override;
    // The package's asset file; path is the script folder. 1; 0 with W1031, or with W1117 or
    // W1033 when a test case could not be converted (the others are written).
    int Convert(TestCaseList& list, std::string name, int& count, std::string& path) override;
    // TESTSUITE.xml; 1, or 0 with W1050 (no file is written) or W1038.
    int Finish() override;
    std::vector<std::filesystem::path> PlannedFiles(const TestCaseList& list, const std::string& name) const override;

    // Stores the attach name of the window and of every window below it as their tags; equal
    // tags of one class below a captioned window get " Index=2", " Index=3", ... in reading
    // order. The flag changes nothing. 1; 0 for a header without parent, which keeps its tag.
    int GenerateTags(CWindowKav* window, int flag);

    // The name of a test case's script: a display name whose last "_" lies beyond 27 characters
    // keeps its first 27 characters and the text from that "_" on.
    static std::string ScriptName(const std::string& displayName);

private:
    enum class AssetKind { Script, SharedModule };

    // ---- Asset files (Convert, Finish)
    void WriteAssetsHeader(CTPUnicodeFile& file) const;
    // The Visual Basic text of the test case; 1, or 0 with W1117 or W1033.
    int BuildTestCaseScript(const CTestCase& testCase, std::string& text);
    void WriteAsset(CTPUnicodeFile& file, AssetKind kind, const std::string& name, const std::string& text);
    void AppendObjectProperties(int type, int flags, int schema);
    std::string AttachBlock(const CWindowKav& window) const;
    std::string StartStatement() const;
    // The project name with each blank as "_": the base of the shared module's and main
    // script's names.
    std::string ModulePrefix() const;

    // ---- Tags
    std::string MakeTag(const CWindowKav& window) const;
    void NumberDuplicateTags(CWindowKav& window);
    static void SortByPosition(std::vector<CWindowKav*>& windows);

    int webTest_;
    CTestPartnerEventParser parser_;
    CTPBase64 base64_;
    CXMLInterface document_;
    // The scripts written during the run, in order: the main script runs them.
    std::vector<std::string> scriptNames_;
    // Claimed by Init, so that no package takes its name.
    std::filesystem::path suitePath_;
};

std::unique_ptr<CTestcaseConverter> CreateTestPartnerConverter(const ConverterSettings& settings);
// The tag generator of the converter table.
int GenerateTestPartnerTags(CWindowKav& window, int preferCaption);
