// Exchange data of VORNAK: the messages of the interface are parsed into a project of their
// own, and each test package of the test structure becomes a folder task of the interface's
// project, under the package it stands in.
#include "model/ApplicationKav.h"
#include "persistence/ElementDispatch.h"
#include "persistence/VornakInterface.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "platform/TextUtil.h"

namespace {

constexpr int kVornakParseError = 44889;    // [W0889]
constexpr int kMisplacedPackage = 45100;    // [W1100]
constexpr int kIllegalPackageName = 45122;  // [W1122]

// The interface has received the test structure; a message then belongs to its first task.
constexpr int kTestStructureReceived = 4;
// The read error of a package that could not become a task.
constexpr int kPackageRefused = 5;

}  // namespace

bool CXMLDataManager::ParseVornakFile(std::string_view text, std::unique_ptr<CApplicationKav>& project) {
    versionText_.clear();
    project = std::make_unique<CApplicationKav>();
    auto file = std::make_unique<CFileKav>();
    if (VornakInterface* vornak = GetVornakInterface(); vornak && vornak->GetState() == kTestStructureReceived) {
        CApplicationKav* own = vornak->GetProject();
        if (!own || own->GetTasks().empty()) return false;
        file->SetID(own->GetTasks().front()->GetID());
    }
    currentFile_ = project->GetFiles().Add(file.release());
    CurrentProjectScope scope(*this, project.get());
    projectMode_ = true;
    ClearGlobalMessage();
    const ParseOutcome outcome =
        ParseText(text.substr(0, text.find('\0')), "UTF-8", StandardHandlers());
    if (outcome.status != ParseStatus::Failed) return true;
    if (GetGlobalMessageBuffer().empty()) SetMessage(kVornakParseError, outcome.line, outcome.errorText);
    return false;
}

std::unique_ptr<CTaskKav> CXMLDataManager::ReadVornakTestPackage(const std::string& elementName) {
    const std::string name = GetAttribute("name", "");
    if (!EqualsNoCase(elementName, "TP")) return nullptr;
    auto task = std::make_unique<CTaskKav>(name, kTaskFolder);
    if (!task->SetName(name)) {
        const std::string reason = GetGlobalMessageBuffer();
        SetMessage(kIllegalPackageName, name, reason);
        return nullptr;
    }
    task->SetDocPath(GetAttribute("document", ""));
    task->SetTestType(GetAttribute("test_category", ""));
    // A package without identifier keeps the fresh one of its task.
    if (const std::string id = GetAttribute("user_defined_id", ""); !id.empty()) task->SetID(id);
    task->SetParentId(exchangeTaskIds_.empty() ? std::string() : exchangeTaskIds_.back());
    task->SetStartId({});
    task->SetDataSetId({});
    VornakInterface* vornak = GetVornakInterface();
    CFileKav* ownFile = vornak && vornak->GetProject() ? vornak->GetProject()->GetMainFile() : nullptr;
    task->SetFile(ownFile);
    task->SetFileId(ownFile ? ownFile->GetID() : CurrentFileId());
    task->SetFlagRecursive(1, false);
    exchangeTaskIds_.push_back(task->GetID());
    return task;
}

// A package needs the interface's project to receive its task; without the interface it is an
// element the file may not hold.
bool ElementDispatch::TestPackage() {
    VornakInterface* vornak = GetVornakInterface();
    CApplicationKav* exchangeProject = vornak ? vornak->GetProject() : nullptr;
    if (!exchangeProject) return Unknown();
    if (!Under("TS") && !Under("TP")) return FailAsStructureError(kMisplacedPackage);
    std::unique_ptr<CTaskKav> task = reader_.ReadVornakTestPackage(writtenName_);
    if (!task) {
        vornak->SetReadError(kPackageRefused);
        return false;
    }
    current_.task = exchangeProject->GetTasks().Add(task.release());
    return true;
}
