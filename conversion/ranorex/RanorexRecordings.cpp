// A package as Ranorex files: a recording and a user code file per test case, the test suite,
// and their entries in the project file.
#include <algorithm>
#include <system_error>

#include "conversion/framework/ScriptFile.h"
#include "conversion/ranorex/Ranorex.h"
#include "conversion/ranorex/RanorexNames.h"
#include "conversion/ranorex/RecordingItems.h"
#include "model/TaskKav.h"
#include "model/TestCase.h"
#include "persistence/XMLInterface.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace items = recording_items;

namespace {

constexpr int kCannotEnterFolder = 44774;
constexpr int kStepNotTranslated = 45172;
constexpr int kUserCodeFileFailed = 45196;
constexpr int kTemplateMissing = 45197;
constexpr int kTestCaseFileFailed = 45199;

constexpr const char* kRxVersion = "3.3.2.19144";
constexpr std::string_view kUserItemStart = "<userrecorditem";
constexpr std::string_view kMethodAttribute = "methodname=\"";

const char* const kUsings[] = {"using System;",
                               "using System.Collections.Generic;",
                               "using System.Text;",
                               "using System.Text.RegularExpressions;",
                               "using System.Drawing;",
                               "using System.Threading;",
                               "using WinForms = System.Windows.Forms;",
                               "using Ranorex;",
                               "using Ranorex.Core;",
                               "using Ranorex.Core.Testing;"};

// The method that a user-code method calls in its turn, or null.
const char* SupportingMethod(const std::string& method) {
    static const std::pair<const char*, const char*> kSupport[] = {
        {"CheckListItem", "SelectListItem"},  {"ValidateListSelection", "SelectListItem"},
        {"CheckRow", "SelectRow"},            {"ClickTableCell", "SelectRow"},
        {"ValidateTableSelection", "SelectRow"}, {"ValidateTableValue", "ClickTableCell"},
        {"SelectTreeItem", "GetTreeItem"},    {"CheckTreeItem", "GetTreeItem"},
        {"WaitEnabled", "WaitForValue"},      {"WaitTextValue", "WaitForValue"},
        {"WaitComboBoxValue", "WaitForValue"},
    };
    for (const auto& [called, support] : kSupport)
        if (method == called) return support;
    return nullptr;
}

std::string Attribute(const std::string& value) { return CXMLInterface::EscapeText(value, true); }
std::string Text(const std::string& value) { return CXMLInterface::EscapeText(value, false); }

bool Holds(const std::vector<std::string>& methods, const std::string& method) {
    return std::find(methods.begin(), methods.end(), method) != methods.end();
}

// Every occurrence of the piece replaced.
std::string ReplaceEvery(std::string text, std::string_view piece, const std::string& replacement) {
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + replacement.size()))
        text.replace(at, piece.size(), replacement);
    return text;
}

}  // namespace

int CRanorex::Convert(TestCaseList& list, std::string name, int& count, std::string& path) {
    count = 0;
    packageName_ = std::move(name);
    std::error_code error;
    if (!std::filesystem::is_directory(RanorexFolder(), error)) return Fail(kCannotEnterFolder, GetProjectName());

    // Files written stay listed in the project file, whatever fails later.
    const auto stop = [this] {
        projectFile_.Commit();
        return 0;
    };
    std::string translationFailure;
    std::vector<SuiteModule> modules;
    for (const CTestCase* testCase : list) {
        std::string items;
        std::vector<std::string> methods;
        if (!TranslateSteps(*testCase, items, methods)) {
            translationFailure = GetGlobalMessageBuffer();
            continue;
        }
        const std::string stem = ClaimPackageFile(testCase->GetDisplayName(), ".rxrec").stem().string();
        const std::string className = ClaimClassName(stem);
        if (!WriteRecording(*testCase, stem, className, items, path) || !WriteUserCodeFile(stem, className, methods))
            return stop();
        ++count;
        AddTestCaseToProject(stem);
        modules.push_back(
            {className, MakeRanorexId(testCase->GetUniqueId()), MakeRanorexId("mod" + testCase->GetUniqueId())});
    }
    if (!WriteSuite(modules)) return stop();
    if (!projectFile_.Commit()) return Fail(kTemplateMissing, projectFile_.Path().string());
    if (translationFailure.empty()) return 1;
    SetGlobalMessage(translationFailure);
    return 0;
}

int CRanorex::TranslateSteps(const CTestCase& testCase, std::string& items, std::vector<std::string>& methods) {
    items.clear();
    methods.clear();
    int number = 1;
    for (const CTestStep* step : testCase.GetSteps()) {
        std::string item;
        if (const std::string commands = step->GetCommands(); !commands.empty()) {
            const std::string name = "UserMethod_" + std::to_string(number++);
            userMethods_[name] = "\t\tpublic void " + name + "()\n\t\t{\n\t\t\t" +
                                 ReplaceSeparators(commands, "\n", "\n\t\t\t") + "\n\t\t}\n\n\n";
            methods.push_back(name);
            item = items::UserMethod(name);
        } else {
            CWindowKav* window = step->GetStartWindow();
            const std::string event = step->GetEventWithoutLineFeeds();
            if (!window || event.empty()) continue;
            if (parser_.TranslateEventString(event, window, item) != 1) {
                const std::string reason = GetGlobalMessageBuffer();
                return Fail(kStepNotTranslated, step->GetName(), step->GetTask() ? step->GetTask()->GetName() : "",
                            reason);
            }
            AddCalledMethod(item, methods);
        }
        // A comment's CR LF is one line end, which the file writes as its own.
        const std::string comment = Text(ReplaceSeparators(step->GetComment(), "\n", "\n"));
        items += ReplaceEvery(item, "<comment/>", "<comment>" + comment + "</comment>");
    }
    return 1;
}

// The method of a user-code item joins the list, and the method it calls in its turn after it.
void CRanorex::AddCalledMethod(const std::string& item, std::vector<std::string>& methods) {
    if (item.size() < kUserItemStart.size() || !EqualsNoCase(item.substr(0, kUserItemStart.size()), kUserItemStart))
        return;
    const size_t start = item.find(kMethodAttribute);
    const size_t end = start == std::string::npos ? start : item.find('"', start + kMethodAttribute.size());
    if (end == std::string::npos) return;
    const std::string method = item.substr(start + kMethodAttribute.size(), end - start - kMethodAttribute.size());
    if (Holds(methods, method)) return;
    methods.push_back(method);
    if (const char* support = SupportingMethod(method); support && !Holds(methods, support)) methods.push_back(support);
}

std::string CRanorex::ClaimClassName(const std::string& stem) {
    const std::string base = MakeCSharpIdentifier("C" + stem);
    std::string name = base;
    for (int suffix = 2; !classNames_.insert(name).second; ++suffix) name = base + "_" + std::to_string(suffix);
    return name;
}

int CRanorex::WriteRecording(const CTestCase& testCase, const std::string& stem, const std::string& className,
                             const std::string& items, std::string& path) const {
    const std::string repositoryId = MakeRanorexId(GetProjectName());
    ScriptFile file(RanorexFolder() / (stem + ".rxrec"), ScriptEncoding::Utf8, LineEnd::CrLf);
    file.WriteLine("<?xml version=\"1.0\" encoding=\"utf-8\"?>");
    file.WriteLine("<recordtable rxversion=\"" + std::string(kRxVersion) + "\" id=\"" +
                   MakeRanorexId(testCase.GetUniqueId()) + "\" embeddedrepository=\"false\">");
    file.WriteLine("<name>" + Text(GetPackageName()) + "</name>");
    file.WriteLine("<repeatcount>1</repeatcount>");
    file.WriteLine("<turbomode>True</turbomode>");
    file.WriteLine("<genreport>True</genreport>");
    file.WriteLine("<speedfactor>1</speedfactor>");
    file.WriteLine("<useDefaultItemLogging>True</useDefaultItemLogging>");
    file.WriteLine("<codegen classname=\"" + className + "\" namespace=\"" + Namespace() + "\"/>");
    file.WriteLine("<variables/>");
    file.WriteLine("<recorditems>");
    if (webTest_) {
        file.WriteText(items::StartTag("openwebsiterecorditem", {{"enabled", "True"},
                                                                 {"optional", "False"},
                                                                 {"browser", "IE"},
                                                                 {"args", ""},
                                                                 {"maximized", "False"}}) +
                       "<comment/>\n<bindings/>\n" + items::TextElement("url", GetExePath()) +
                       "<args/>\n</openwebsiterecorditem>\n");
    } else {
        file.WriteText(items::StartTag("runapprecorditem",
                                       {{"enabled", "True"}, {"optional", "False"}, {"maximized", "False"}}) +
                       "<comment/>\n<bindings/>\n" + items::TextElement("filename", GetExePath()) +
                       items::TextElement("workingdir", GetWorkingFolder()) + "<args/>\n</runapprecorditem>\n");
    }
    file.WriteText(items);
    file.WriteLine("</recorditems>");
    file.WriteLine("<repository name=\"" + Attribute(GetProjectName()) + "Repository\" id=\"" + repositoryId +
                   "\" rxversion=\"" + kRxVersion + "\" relativepath=\"" + Attribute(FileStem()) +
                   "Repository.rxrep\">");
    file.WriteLine("\t<codegen classname=\"" + Namespace() + "_Repository\" namespace=\"" + Namespace() + "\"/>");
    file.WriteLine("\t<rootfolder name=\"_rootdummy_\" id=\"" + repositoryId + "\"/>");
    file.WriteLine("</repository>");
    file.WriteLine("<usercodefile lang=\"CSharp\">" + Text(stem) + ".UserCode.cs</usercodefile>");
    file.WriteLine("<references/>");
    file.Write("</recordtable>");
    if (!file.Commit()) return Fail(kTestCaseFileFailed, testCase.GetDisplayName());
    path = file.Path().string();
    return 1;
}

int CRanorex::WriteUserCodeFile(const std::string& stem, const std::string& className,
                                const std::vector<std::string>& methods) const {
    const auto method = [this](const std::string& name) {
        const auto entry = userMethods_.find(name);
        return entry == userMethods_.end() ? std::string() : entry->second;
    };
    ScriptFile file(RanorexFolder() / (stem + ".UserCode.cs"), ScriptEncoding::Utf8, LineEnd::CrLf);
    for (const char* line : kUsings) file.WriteLine(line);
    file.WriteLine();
    file.WriteLine("namespace " + Namespace());
    file.WriteLine("{");
    file.WriteLine("\tpublic partial class " + className);
    file.WriteLine("\t{");
    file.WriteText(method("Init"));
    for (const std::string& name : methods) file.WriteText(method(name));
    file.WriteText(method("Private"));
    file.WriteLine("\t}");
    file.WriteLine("}");
    return file.Commit() || Fail(kUserCodeFileFailed, file.Path().filename().string());
}

int CRanorex::WriteSuite(const std::vector<SuiteModule>& modules) {
    const std::string stem = ClaimPackageFile(GetPackageName(), ".rxtst").stem().string();
    const std::string suiteId = MakeRanorexId("suite" + stem);
    const std::string testCaseId = MakeRanorexId(stem);
    const std::string name = Attribute(GetPackageName());
    ScriptFile file(RanorexFolder() / (stem + ".rxtst"), ScriptEncoding::Utf8, LineEnd::CrLf);
    file.Write("\xEF\xBB\xBF");
    file.WriteLine("<testsuite name=\"" + name + "\" rxversion=\"" + kRxVersion + "\" id=\"" + suiteId +
                   "\" reportfilename=\"%S_%Y%M%D_%T.rxlog\" reportxslfilename=\"\" reportwriteinterval=\"30000ms\" "
                   "reportcompress=\"False\" enabletracingscreenshots=\"True\" description=\"\" "
                   "reportlevel=\"Info;20\">");
    file.WriteLine("\t<content>");
    file.WriteLine("\t\t<testcase name=\"" + name + "\" id=\"" + testCaseId + "\">");
    for (const SuiteModule& module : modules)
        file.WriteLine("\t\t\t<testmodule name=\"" + module.className + "\" id=\"" + module.moduleId + "\" ref=\"" +
                       module.recordingId + "\" type=\"Recording\"/>");
    file.WriteLine("\t\t</testcase>");
    file.WriteLine("\t</content>");
    file.WriteLine("\t<testconfigurations default=\"TestRun\">");
    file.WriteLine("\t\t<testconfiguration name=\"TestRun\">");
    file.WriteLine("\t\t\t<testcase id=\"" + testCaseId + "\"/>");
    file.WriteLine("\t\t</testconfiguration>");
    file.WriteLine("\t</testconfigurations>");
    file.WriteLine("\t<references/>");
    file.WriteLine("</testsuite>");
    if (!file.Commit()) return Fail(kTestCaseFileFailed, GetPackageName());
    projectFile_.Insert("<Content Include=\"" + Attribute(stem) + ".rxtst\">\n"
                        "<CopyToOutputDirectory>Always</CopyToOutputDirectory>\n<id>" + suiteId + "</id>\n</Content>\n");
    return 1;
}

void CRanorex::AddTestCaseToProject(const std::string& stem) {
    const std::string file = Attribute(stem);
    projectFile_.Insert("<None Include=\"" + file + ".rxrec\">\n<BoundTo>" + MakeRanorexId(GetProjectName()) +
                        "</BoundTo>\n</None>\n<Compile Include=\"" + file + ".UserCode.cs\">\n<DependentUpon>" +
                        Text(stem) + ".rxrec</DependentUpon>\n<UserCode>true</UserCode>\n<id>" +
                        MakeRanorexId(stem + ".UserCode.cs") + "</id>\n</Compile>\n");
}
