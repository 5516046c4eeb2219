// Saving a project: one top element at a time is built and moved out, so the builder never
// holds more than the largest single element.
#include "model/ApplicationKav.h"
#include "model/GUIBuilderList.h"
#include "model/WindowKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr int kCharactersReplaced = 49920;

// A predefined builder belongs to the installation and has no file of its own: it is saved
// only for the classes that the user added to it.
bool IsSavedWithProject(const CGUIBuilder& builder) {
    return builder.IsPreDef() ? builder.HasUserDefinedClasses() : builder.IsEditable(false);
}

}  // namespace

int CXMLDataManager::SaveProject(bool toFile, const std::string& path, CApplicationKav& application,
                                 std::string& out) {
    out.clear();
    std::string pathUsed;
    if (toFile && !OpenProjectFile(path, true, pathUsed)) return 0;
    builder_.SetDocument();

    // The builder counts what it replaced in the element it holds.
    int replaced = 0;
    const auto flush = [&] {
        replaced += builder_.ReplacedCharacterCount();
        FlushDocument(toFile, out);
    };
    WriteProject(application);
    flush();
    auto writeEach = [&](const auto& objects, auto isWritten, auto write) {
        for (const auto* object : objects) {
            if (!isWritten(*object)) continue;
            (this->*write)(*object);
            flush();
        }
    };
    const auto editable = [](const CKavroObj& object) { return object.IsEditable(false); };
    const auto always = [](const CKavroObj&) { return true; };
    writeEach(application.GetRequirements(), editable, &CXMLDataManager::WriteRequirement);
    // A snapshot: writing a tab page looks windows up, which moves the table's walk.
    writeEach(application.GetWindowList().Snapshot(), editable, &CXMLDataManager::WriteWindow);
    writeEach(application.GetTasks(), [](const CTaskKav& task) { return task.IsEditable(true); },
              &CXMLDataManager::WriteTask);
    writeEach(application.GetDataSets(), editable, &CXMLDataManager::WriteDataSet);
    writeEach(application.GetTestCases(), always, &CXMLDataManager::WriteTestCase);
    writeEach(application.GetTestScripts(), always, &CXMLDataManager::WriteTestScript);
    writeEach(GetGuiBuilderDatabase(), IsSavedWithProject, &CXMLDataManager::WriteGuiBuilder);

    if (toFile && !WriteFooter(true)) return 0;
    if (replaced > 0) LogMessage(FormatMessageId(kCharactersReplaced, replaced), true);
    return 1;
}
