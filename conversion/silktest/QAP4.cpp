// The SilkTest project's folders and its include files: the window declarations, the list of
// includes and the library.
#include "conversion/silktest/QAP4.h"

#include "conversion/silktest/SilkTestFormat.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowList.h"
#include "model/windows/WindowTypes.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr const char* kTestFrame = "MainWin.inc";
constexpr const char* kIncludeList = "Incl.inc";
constexpr const char* kLibrary = "Kavrolib.inc";

// The helper of the Wait statements; the user adds functions of the project below it.
constexpr const char* kLibraryText =
    "[ ] // Wait until the specified property of win reaches a certain value\n"
    "[-] public WaitForObjectProperty(WINDOW win, REAL timeout, STRING prop, ANYTYPE value)\n"
    "\t[ ] BOOLEAN match = FALSE\n"
    "\t[ ] REAL elapsedTime = 0\n"
    "\t[ ] HTIMER timer = TimerCreate()\n"
    "\t[ ] TimerStart(timer)\n"
    "\t[-] while (!match)\n"
    "\t\t[-] if (win.GetProperty(prop) == value)\n"
    "\t\t\t[ ] match = TRUE\n"
    "\t\t[ ] TimerPause(timer)\n"
    "\t\t[ ] elapsedTime = TimerValue(timer)\n"
    "\t\t[ ] TimerResume(timer)\n"
    "\t\t[-] if (elapsedTime > timeout)\n"
    "\t\t\t[ ] TimerStop(timer)\n"
    "\t\t\t[ ] TimerDestroy(timer)\n"
    "\t\t\t[ ] raise 1, \"Timeout when waiting for object property\"\n"
    "\t[ ] TimerStop(timer)\n"
    "\t[ ] TimerDestroy(timer)\n"
    "\n"
    "\n"
    "[ ] // Add project-specific functions for setting the application\u00B4s base-state and recovery from errors "
    "here";

}  // namespace

std::unique_ptr<CTestcaseConverter> CreateSilkTestConverter(const ConverterSettings& settings) {
    return std::make_unique<CQAP4>(settings.progress);
}

int CQAP4::Init(std::string projectName, std::string scriptFolder, std::string exePath, std::string workingFolder,
                std::string parameters) {
    if (!CTestcaseConverter::Init(std::move(projectName), std::move(scriptFolder), std::move(exePath),
                                  std::move(workingFolder), std::move(parameters)) ||
        !MakeFolder(Includes()) || !MakeFolder(Suite()))
        return Fail(44455);
    if (!IsFolder(Includes())) return Fail(44457);
    // Window includes are named after the three files of the frame, so that none takes their place.
    ClaimPackageFile(kTestFrame, "");
    ClaimPackageFile(kIncludeList, "");
    ClaimPackageFile(kLibrary, "");
    if (!WriteTestFrame()) return Fail(44458);

    std::vector<std::string> includes = {kTestFrame};
    bool declared = true;
    CApplicationKav& app = *CurrentApplication;
    for (const CWindowKav* window : app.GetWindowList().Snapshot()) {
        if ((window->GetParent() && !window->HasCaption()) || window == app.GetStartWindow()) continue;
        std::string fileName;
        declared = WriteWindowInclude(*window, fileName) && declared;
        includes.push_back(fileName);
    }
    if (!declared) return Fail(44459);
    return WriteIncludeList(includes) && WriteLibraryInclude();
}

bool CQAP4::CommitFile(const ScriptFile& file) const { return CommitReportingReplacements(file, progress_); }

void CQAP4::WriteHeader(ScriptFile& file, const std::string& first, const std::string& second) const {
    file.WriteLine(kOutlineSeparator);
    file.WriteLine(kOutlineSeparator);
    file.WriteLine("[ ] // " + first);
    file.WriteLine(kOutlineSeparator);
    file.WriteLine("[ ] // " + second);
    file.WriteLine(kOutlineSeparator);
}

int CQAP4::WriteTestFrame() {
    const CApplicationKav& app = *CurrentApplication;
    const CWindowKav* start = app.GetStartWindow();
    if (!start) {
        GetInteraction().Inform(FormatMessageId(44491), MessageIcon::Warning);
        return 0;
    }
    const std::string name = start->GetName();
    ScriptFile file(Includes() / kTestFrame, kSilkTestEncoding, LineEnd::CrLf);
    WriteHeader(file, kTestFrame, "MainWin for Project " + GetProjectName());
    file.WriteLine(kOutlineSeparator);
    file.WriteLine("[ ]");
    const int builder = start->GetGuiID();
    if (builder == kJavaGuiBuilderId && app.GetWebTest()) {
        file.WriteLine("[+] window MainWin " + name);
        WriteTagLines(file, *start);
    } else {
        // A web page starts in the browser, any other application from its command line.
        const bool page = builder == kHtmlGui;
        file.WriteLine("[ ] const wMainWindow = " + name);
        file.WriteLine("[ ]");
        file.WriteLine((page ? "[+] window BrowserChild " : "[+] window MainWin ") + name);
        WriteTagLines(file, *start);
        file.WriteLine("\t[ ]");
        if (page) {
            file.WriteLine("\t[ ] // the URL of the start page");
            file.WriteLine("\t[ ] const sLocation = \"" + GetExePath() + "\"");
        } else {
            WriteStartCommand(file, *start);
        }
    }
    file.WriteLine("\t[ ] ");
    WriteChildDeclarations(file, *start);
    file.WriteLine("\t[ ]");
    if (CommitFile(file)) return 1;
    SetMessage(44581, kTestFrame);
    GetInteraction().Inform(GetGlobalMessageBuffer(), MessageIcon::Warning);
    return 0;
}

void CQAP4::WriteStartCommand(ScriptFile& file, const CWindowKav& start) const {
    file.WriteLine("\t[ ] // The working directory of the application, when it is invoked");
    file.WriteLine("\t[ ] const sDir = \"" + GetWorkingFolder() + "\"");
    file.WriteLine("\t[ ] ");
    file.WriteLine("\t[ ] // The command line used to invoke the application");
    file.WriteLine("\t[ ] const sCmdLine = \"" + GetExePath() + " " + GetParameters() + "\"");
    file.WriteLine("\t[ ] ");
    file.WriteLine("\t[ ] // The first window to appear when the application is invoked");
    file.WriteLine("\t[ ] // const wStartup = ?");
    file.WriteLine("\t[ ] ");
    file.WriteLine("\t[ ] // The list of windows the recovery system is to leave open");
    file.WriteLine(EqualsNoCase(start.GetTag(), "[DialogBox]Program Manager") ? "\t[ ] const lwLeaveOpen = {Taskbar}"
                                                                              : "\t[ ] // const lwLeaveOpen = {?}");
}

int CQAP4::WriteWindowInclude(const CWindowKav& window, std::string& fileName) {
    const std::filesystem::path claimed = ClaimPackageFile(window.GetName(), ".inc");
    fileName = claimed.filename().string();
    ScriptFile file(Includes() / fileName, kSilkTestEncoding, LineEnd::CrLf);
    WriteHeader(file, fileName, "window declaration for window  " + window.GetName());
    file.WriteLine(kOutlineSeparator);
    file.WriteLine("[ ]");
    file.WriteLine("[+] window " + GetWindowClassName(&window, 0) + " " + window.GetName());
    WriteTagLines(file, window);
    WriteChildDeclarations(file, window);
    if (CommitFile(file)) return 1;
    SetMessage(44428, claimed.stem().string());
    GetInteraction().Inform(GetGlobalMessageBuffer(), MessageIcon::Warning);
    return 0;
}

int CQAP4::WriteIncludeList(const std::vector<std::string>& fileNames) {
    ScriptFile file(Includes() / kIncludeList, kSilkTestEncoding, LineEnd::CrLf);
    file.WriteLine("[ ] // All Include Files created for " + GetProjectName());
    file.WriteLine("[ ]");
    for (const std::string& name : fileNames) file.WriteLine("[ ] use \"" + name + "\"");
    file.WriteLine("[ ] use \"kavrolib.inc\"");
    return CommitFile(file) || Fail(44460, kIncludeList);
}

int CQAP4::WriteLibraryInclude() {
    const std::filesystem::path path = Includes() / kLibrary;
    std::error_code error;
    if (std::filesystem::exists(path, error)) return 1;
    ScriptFile file(path, kSilkTestEncoding, LineEnd::CrLf);
    file.WriteText(kLibraryText);
    return CommitFile(file) || Fail(44462);
}

void CQAP4::WriteChildDeclarations(ScriptFile& file, const CWindowKav& window) {
    if (const CWindowKav* menu = window.FindMenu()) {
        file.WriteLine("\t[ ] // Menues");
        for (const CWindowKav* item : menu->GetChildren()) WriteWindowDeclaration(file, *item);
    }
    for (const CWindowKav* child : window.GetChildren())
        if (child->GetType() != kWndMenu && !child->HasCaption()) WriteWindowDeclaration(file, *child);
}

// Every declaration of a top-level window stands one tab deep; the tag paths carry the nesting.
void CQAP4::WriteWindowDeclaration(ScriptFile& file, const CWindowKav& window) {
    if (!IsSkipped(window)) {
        file.WriteLine("\t[ ] " + GetWindowClassName(&window, 0) + " " + window.GetName());
        WriteTagLines(file, window);
    }
    for (const CWindowKav* child : window.GetChildren())
        if (child->GetType() != kWndMenu && !child->HasCaption()) WriteWindowDeclaration(file, *child);
}

// One outline line per line of the stored tag, one deeper below a control's declaration.
void CQAP4::WriteTagLines(ScriptFile& file, const CWindowKav& window) const {
    const std::string prefix = window.HasCaption() || !window.GetParent() ? "\t[ ] " : "\t\t[ ] ";
    std::string rest = window.GetTag();
    for (bool last = false; !last;) file.WriteLine(prefix + SplitFirstLine(rest, last));
}
