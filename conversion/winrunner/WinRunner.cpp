// The WinRunner project's folders and its GUI maps: one file per top-level or captioned window
// with an entry per window below it, each the window's logical name and its stored tag.
#include "conversion/winrunner/WinRunner.h"

#include "conversion/winrunner/WinRunnerFormat.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowList.h"
#include "model/windows/WindowTypes.h"
#include "platform/Format.h"
#include "platform/Interaction.h"
#include "platform/TextUtil.h"

namespace {

constexpr const char* kGuiMapList = "Gui_Maps_All.txt";

// A tag as lines that the file's line ends end, whatever breaks it holds.
std::string TagLines(const std::string& tag) {
    return ReplaceSeparators(ReplaceSeparators(tag, "\n", "\n"), "\r", "\n");
}

// "Window"."Entry": the logical name of a window in the GUI map of its top window.
std::string LogicalName(const CWindowKav& mapWindow, const std::string& entry) {
    return Fmt("\"%s\".\"%s\":\n", mapWindow.GetName(), entry);
}

// Web page parts that WinRunner finds through the page, never on their own.
bool IsLeftOutOfGuiMaps(const CWindowKav& window) {
    return EqualsNoCase(window.GetClass(), "html_area") || EqualsNoCase(window.GetClass(), "html_group");
}

}  // namespace

std::unique_ptr<CTestcaseConverter> CreateWinRunnerConverter(const ConverterSettings& settings) {
    return std::make_unique<CWinRunner>(settings.webTest, settings.progress);
}

CWinRunner::CWinRunner(int webTest, Progress* progress) : webTest_(webTest), progress_(progress) {
    if (CurrentApplication) parser_.LoadKeyboardLayout(CurrentApplication->GetKeyboard());
}

ScriptFile CWinRunner::NewFile(const std::filesystem::path& path) const {
    return ScriptFile(path, kWinRunnerEncoding, kWinRunnerLineEnd);
}

int CWinRunner::Init(std::string projectName, std::string scriptFolder, std::string exePath, std::string workingFolder,
                     std::string parameters) {
    if (!InitProjectFolder(std::move(projectName), std::move(scriptFolder), std::move(exePath),
                           std::move(workingFolder), std::move(parameters), {44782, 44783, 44784, 44785}))
        return 0;
    if (!MakeFolder(GuiMaps())) return Fail(44786);
    if (!MakeFolder(Suite())) return Fail(44787, kSuiteFolder);
    if (!IsFolder(GuiMaps())) return Fail(44554);
    return WriteGuiMaps();
}

int CWinRunner::WriteGuiMaps() {
    guiMapFiles_.clear();
    std::vector<std::string> fileNames;
    bool written = true;
    for (const CWindowKav* window : CurrentApplication->GetWindowList().Snapshot()) {
        if (window->GetParent() && !window->HasCaption()) continue;
        // Windows of two files may share a name; each keeps a file of its own.
        const std::string fileName = ClaimPackageFile(window->GetName(), ".gui").filename().string();
        guiMapFiles_[window] = fileName;
        written = WriteGuiMapFile(*window, fileName) && written;
        fileNames.push_back(fileName);
    }
    if (!written) return Fail(44555);

    ScriptFile list = NewFile(GuiMaps() / kGuiMapList);
    list.WriteText("#// All Included GUI-Map Files created for " + GetProjectName() + "\n#");
    for (const std::string& name : fileNames) list.WriteText(name + "\n");
    return CommitFile(list) || Fail(44461, kGuiMapList);
}

bool CWinRunner::WriteGuiMapFile(const CWindowKav& window, const std::string& fileName) {
    ScriptFile file = NewFile(GuiMaps() / fileName);
    file.WriteText(Fmt("\"%s\":\n\t%s\n\n", window.GetName(), TagLines(window.GetTag())));
    WriteGuiMapChildren(file, window, window, 1);
    file.WriteText(" \n");
    if (CommitFile(file)) return true;
    GetInteraction().ShowMessage({fileName, "Cannot open file"});
    return false;
}

// Windows with a title bar have GUI maps of their own.
void CWinRunner::WriteGuiMapChildren(ScriptFile& file, const CWindowKav& mapWindow, const CWindowKav& window,
                                     int level) {
    for (const CWindowKav* child : window.GetChildren())
        if (!child->HasCaption()) WriteGuiMapEntry(file, mapWindow, *child, level);
}

void CWinRunner::WriteGuiMapEntry(ScriptFile& file, const CWindowKav& mapWindow, const CWindowKav& window, int level) {
    if (IsLeftOutOfGuiMaps(window)) return;
    const std::string indent = MakeTabs(level);
    switch (window.GetType()) {
        // A menu bar has no entry; its menus stand in its place.
        case kWndMenu: WriteGuiMapChildren(file, mapWindow, window, level); return;
        case kWndMenuItem:
            if (static_cast<const CMenuItemKav&>(window).IsSeparator()) return;
            break;
        case kWndComboBox: {
            // The list's description, and the edit field's on the line after it.
            const std::string tag = TagLines(window.GetTag());
            const size_t lineFeed = tag.find('\n');
            file.WriteText(indent + LogicalName(mapWindow, window.GetName() + "_list") + indent +
                           tag.substr(0, lineFeed) + "\n\n");
            if (lineFeed != std::string::npos)
                file.WriteText(indent + LogicalName(mapWindow, window.GetName() + "_edit") + indent +
                               tag.substr(lineFeed + 1) + "\n\n");
            WriteGuiMapChildren(file, mapWindow, window, level + 1);
            return;
        }
        default: break;
    }
    file.WriteText(indent + LogicalName(mapWindow, window.GetName()) + indent + TagLines(window.GetTag()) + "\n\n");
    WriteGuiMapChildren(file, mapWindow, window, level + 1);
}
