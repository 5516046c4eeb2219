// The root element, the project header and the small elements that also serve inside other
// elements: included files, conditions, attributes and step fields.
#include <memory>

#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "model/WindowKav.h"
#include "persistence/XMLDataManager.h"
#include "platform/MessageBuffer.h"
#include "platform/Paths.h"

namespace {

constexpr int kMissingFileId = 44564;     // [W0564]
constexpr int kMissingProjectId = 44800;  // [W0800]
constexpr int kMissingFilePath = 44801;   // [W0801]
constexpr int kMissingAttributeId = 44831;  // [W0831]
constexpr int kMissingConditionId = 44832;  // [W0832]
constexpr int kMissingStepFieldId = 44837;  // [W0837]
constexpr int kNewerVersion = 44861;        // [W0861]

// Files written before this version had no identifier on their FILE elements.
constexpr std::string_view kFirstVersionWithFileIds = "11.3";

constexpr int kDefaultGuiId = 999;
constexpr int kDefaultTimeout = 20;
constexpr std::string_view kDefaultWinRunnerVariables = "help2, help3";
constexpr int kStringType = 4;
// A file that names no converter target was made for WinRunner.
constexpr int kWinRunnerFormat = 8;

}  // namespace

// Versions compare as plain text, as every version check of the project files does.
bool CXMLDataManager::ReadRoot() {
    const std::string version = FindAttribute("Version");
    if (versionText_.empty() || version < versionText_) versionText_ = version;
    if (version > kProjectFileVersion) {
        SetMessage(kNewerVersion, currentFile_ ? currentFile_->GetFullPath() : std::string());
        return false;
    }
    return true;
}

bool CXMLDataManager::ReadProject() {
    const std::string id = RequiredAttribute("ID", kMissingProjectId);
    CApplicationKav* project = GetCurrentProject();
    if (id.empty() || !project) return false;
    project->SetId(id);
    project->SetName(GetAttribute("Name", ""));
    project->SetDescription(GetAttribute("Descr", ""));
    project->SetGuiId(GetAttributeInt("GuiID", kDefaultGuiId));
    project->SetMainWndId(GetAttribute("MainWndID", ""));
    project->SetMasterProjectId(GetAttribute("MasterProjectID", ""));
    project->SetSaveDistributed(GetAttributeBool("SaveDistributed", 0));
    project->SetOldTaskMode(GetAttributeBool("OldTaskMode", 1));
    const int outputFormat = GetAttributeInt("OutputFormat", 0);
    project->SetOutputFormat(outputFormat == 0 ? kWinRunnerFormat : outputFormat);
    project->SetKeyboard(GetAttributeInt("Keyboard", 0));
    project->SetTimeout(GetAttributeInt("Timeout", kDefaultTimeout));
    project->SetOptimizeWait(GetAttributeBool("OptimizeWait", 1));
    project->SetWinRunnerVariables(GetAttribute("WinRunnerVariables", kDefaultWinRunnerVariables));
    project->SetWebTest(GetAttributeBool("WebTest", 0));
    project->SetScriptPath(GetAttribute("ScriptPath", ""));
    project->SetHtmlPath(GetAttribute("HtmlPath", ""));
    project->SetVornakPath(GetAttribute("VornakPath", ""));
    project->SetRootPath(GetAttribute("RootPath", ""));
    project->SetExePath(GetAttribute("ExePath", ""));
    project->SetExeParams(GetAttribute("ExeParams", ""));
    project->SetExeDir(GetAttribute("ExeDir", ""));
    return true;
}

std::unique_ptr<CFileKav> CXMLDataManager::ReadFileEntry() {
    const std::string id = FindAttribute("ID");
    if (id.empty() && versionText_ > kFirstVersionWithFileIds) {
        SetMessage(kMissingFileId);
        return nullptr;
    }
    const std::string path = RequiredAttribute("Path", kMissingFilePath);
    if (path.empty()) return nullptr;
    // VORNAK hands over paths that are already complete; any other relative path is relative
    // to the file that includes it.
    std::string name;
    std::string fullPath = path;
    if (VornakMode)
        name = path;
    else
        fullPath = ResolveStoredPath(path, currentFile_ ? currentFile_->GetFullPath() : std::string()).string();
    auto entry = std::make_unique<CFileKav>(name, path, fullPath, GetAttributeBool("ReadOnly", 0) == 1);
    if (!id.empty()) entry->SetID(id);
    return entry;
}

std::unique_ptr<CConditionKav> CXMLDataManager::ReadCondition() {
    const std::string id = RequiredAttribute("ID", kMissingConditionId);
    if (id.empty()) return nullptr;
    auto condition = MakeWithFileId<CConditionKav>(GetAttribute("Name", ""), GetAttribute("Text", ""));
    condition->SetUniqueId(id);
    condition->SetFileId(CurrentFileId());
    return condition;
}

std::unique_ptr<CAttributeKav> CXMLDataManager::ReadAttribute() { return ReadAttributeElement(kMissingAttributeId); }

std::unique_ptr<CAttributeKav> CXMLDataManager::ReadStepField() { return ReadAttributeElement(kMissingStepFieldId); }

std::unique_ptr<CAttributeKav> CXMLDataManager::ReadAttributeElement(int missingIdMessage) {
    const std::string id = RequiredAttribute("ID", missingIdMessage);
    if (id.empty()) return nullptr;
    auto attribute = MakeWithFileId<CAttributeKav>(GetAttribute("Name", ""), GetAttributeInt("Type", kStringType),
                                                     GetAttribute("Value", ""));
    attribute->SetId(id);
    attribute->SetFileId(CurrentFileId());
    return attribute;
}

int CXMLDataManager::WriteProject(CApplicationKav& project) {
    CXMLInterface& xml = builder_;
    if (!xml.AppendElement("PROJECT", "")) return 0;
    xml.SetStringAttribute("ID", project.GetId(), "");
    xml.SetStringAttribute("Name", project.GetName(), "");
    xml.SetStringAttribute("Descr", project.GetDescription(), "");
    xml.SetIntAttribute("GuiID", project.GetGuiId(), kDefaultGuiId);
    if (const CWindowKav* start = project.GetStartWindow()) xml.SetStringAttribute("MainWndID", start->GetInternalID(), "");
    if (const CFileKav* master = project.GetMasterFile()) xml.SetStringAttribute("MasterProjectID", master->GetID(), "");
    // SaveDistributed is still read from older files but never written.
    xml.SetBoolAttribute("OldTaskMode", project.GetOldTaskMode() != 0, true);
    xml.SetIntAttribute("OutputFormat", project.GetOutputFormat(), 0);
    xml.SetIntAttribute("Keyboard", project.GetKeyboard(), 0);
    xml.SetIntAttribute("Timeout", project.GetTimeout(), kDefaultTimeout);
    xml.SetBoolAttribute("OptimizeWait", project.GetOptimizeWait() != 0, true);
    xml.SetStringAttribute("WinRunnerVariables", project.GetWinRunnerVariables(), kDefaultWinRunnerVariables);
    xml.SetBoolAttribute("WebTest", project.GetWebTest() != 0, false);
    xml.SetStringAttribute("ScriptPath", project.GetScriptPath(), "");
    xml.SetStringAttribute("HtmlPath", project.GetHtmlPath(), "");
    xml.SetStringAttribute("VornakPath", project.GetVornakPath(), "");
    xml.SetStringAttribute("RootPath", project.GetRootPath(), "");
    xml.SetStringAttribute("ExePath", project.GetExePath(), "");
    xml.SetStringAttribute("ExeParams", project.GetExeParams(), "");
    xml.SetStringAttribute("ExeDir", project.GetExeDir(), "");

    for (const CConditionKav* condition : project.GetMetaConditions())
        if (condition->IsEditable(false)) WriteCondition(*condition);
    for (const CAttributeKav* attribute : project.GetAttributes())
        if (attribute->IsEditable(false)) WriteAttribute(*attribute);
    for (const CAttributeKav* field : project.GetStepFields())
        if (field->IsEditable(false)) WriteStepField(*field);
    const CFileKav* mainFile = project.GetMainFile();
    for (const CFileKav* file : project.GetFiles())
        if (file != mainFile && mainFile->UsesFile(file->GetID())) WriteFileEntry(*file);
    return 1;
}

int CXMLDataManager::WriteFileEntry(const CFileKav& file) {
    if (!EnterNewChild("FILE")) return 0;
    builder_.SetStringAttribute("ID", file.GetID(), "");
    builder_.SetStringAttribute("Path", file.GetPath(), "");
    builder_.SetBoolAttribute("ReadOnly", file.IsReadOnly(), false);
    builder_.LeaveElement();
    return 1;
}

int CXMLDataManager::WriteCondition(const CConditionKav& condition) {
    if (!EnterNewChild("CND")) return 0;
    builder_.SetStringAttribute("ID", condition.GetUniqueId(), "");
    builder_.SetStringAttribute("Name", condition.GetId(), "");
    builder_.SetStringAttribute("Text", condition.GetTextRef(), "");
    builder_.LeaveElement();
    return 1;
}

int CXMLDataManager::WriteAttribute(const CAttributeKav& attribute) { return WriteAttributeElement("ATT", attribute); }

int CXMLDataManager::WriteStepField(const CAttributeKav& field) { return WriteAttributeElement("USR_FIELD", field); }

int CXMLDataManager::WriteAttributeElement(std::string_view element, const CAttributeKav& attribute) {
    if (!EnterNewChild(element)) return 0;
    builder_.SetStringAttribute("ID", attribute.GetId(), "");
    builder_.SetStringAttribute("Name", attribute.GetName(), "");
    builder_.SetIntAttribute("Type", attribute.GetType(), kStringType);
    builder_.SetStringAttribute("Value", attribute.GetValue(), "");
    builder_.LeaveElement();
    return 1;
}
