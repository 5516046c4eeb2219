#include "conversion/plaintext/PlainTextConverter.h"

#include "conversion/framework/OutputFormats.h"
#include "model/ApplicationKav.h"
#include "model/DisplayTexts.h"
#include "model/ShellServices.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "platform/Clock.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

// The banner: "#" and 68 "*".
const std::string kBanner = "#" + std::string(68, '*');

// Each line of the text (LF or CR LF) as a comment line.
void WriteCommentLines(ScriptFile& file, const std::string& text) {
    std::string rest = text;
    bool last = false;
    while (!last) file.WriteLine("# " + SplitFirstLine(rest, last));
}

// The user's script code as typed, every line ended as the file ends its lines.
void WriteCommandLines(ScriptFile& file, const std::string& commands) {
    std::string rest = commands;
    bool last = false;
    while (!last) file.WriteLine(SplitFirstLine(rest, last));
}

// The description of the folder above the first test case's task: what a "Universal File"
// reader shows for the whole package.
std::string PackageDescription(const TestCaseList& list) {
    if (list.empty() || !list.front()->GetTask()) return {};
    const CTaskKav* parent = list.front()->GetTask()->GetParent();
    return parent ? parent->GetDescription() : std::string();
}

void WriteTestStep(ScriptFile& file, const CTestStep& step) {
    if (!step.GetComment().empty()) {
        file.WriteLine();
        file.WriteLine("# " + step.GetComment());
    }
    if (!step.GetDescription().empty()) {
        file.WriteLine("# Instruction:");
        WriteCommentLines(file, step.GetDescription());
    }
    if (!step.GetInput().empty()) {
        file.WriteLine("# Input:");
        file.WriteLine("# " + step.GetInput());
    }
    if (!step.GetExpectedResult().empty()) {
        file.WriteLine("# Result:");
        WriteCommentLines(file, step.GetExpectedResult());
    }
    if (!step.GetCommands().empty()) WriteCommandLines(file, step.GetCommands());
}

}  // namespace

std::unique_ptr<CTestcaseConverter> CreatePlainTextConverter(const ConverterSettings& settings) {
    return std::make_unique<CPlainTextConverter>(settings.format);
}

std::string_view CPlainTextConverter::Extension() const {
    return mode_ == kFormatAlmSheet || mode_ == kFormatBlockInfoSheet ? ".csv" : ".txt";
}

std::vector<std::filesystem::path> CPlainTextConverter::PlannedFiles(const TestCaseList&,
                                                                     const std::string& name) const {
    return {PackageFilePath(name, Extension())};
}

int CPlainTextConverter::Convert(TestCaseList& list, std::string name, int& count, std::string& path) {
    count = 0;
    packageName_ = std::move(name);
    ScriptFile file(ClaimPackageFile(packageName_, Extension()), ScriptEncoding::Utf16LeWithBom, LineEnd::CrLf);
    int written = 0;
    int result;
    switch (mode_) {
        case kFormatAlmSheet: result = WriteAlmSheet(file, list, written); break;
        case kFormatBlockInfoSheet:
            result = CurrentApplication->IsEsaOutputFormat() ? WriteEsaBlockInfoSheet(file, list, written)
                                                             : WriteBlockInfoSheet(file, list, written);
            break;
        default: result = WriteTextFile(file, list, written); break;
    }
    if (result != 1) return 0;
    if (!file.Commit()) {
        SetMessage(44772, packageName_);
        return 0;
    }
    count = written;
    path = file.Path().string();
    return 1;
}

int CPlainTextConverter::WriteTextFile(ScriptFile& file, const TestCaseList& list, int& count) const {
    file.WriteLine(kBanner);
    file.WriteLine("# Project:\t\t" + GetProjectName());
    file.WriteLine("# Testpackage:\t" + packageName_);
    file.WriteLine(kBanner);
    if (mode_ == kFormatPlainText) {
        file.WriteLine("# Creation date:\t" + FormatCTime(GetClock().LocalNow()));
        file.WriteLine(kBanner);
    } else if (const std::string description = PackageDescription(list); !description.empty()) {
        WriteCommentLines(file, description);
        file.WriteLine(kBanner);
    }
    file.WriteLine();

    for (const CTestCase* testCase : list) {
        ++count;
        file.WriteLine(kBanner);
        file.WriteLine("# Test case: " + testCase->GetDisplayName());
        file.WriteLine("# Type: " + GetTestCaseKindName(testCase->GetType()) +
                       (testCase->GetErrorCase() ? " (Error Case)" : " (Normal Case)"));
        for (const CTestStep* step : testCase->GetSteps()) WriteTestStep(file, *step);
        file.WriteLine(kBanner);
        file.WriteLine();
        file.WriteLine();
    }
    return 1;
}
