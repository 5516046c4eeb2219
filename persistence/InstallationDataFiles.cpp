// The installation's data files, read once at start-up: the predefined GUI builders and the
// API-step templates. Nothing of them belongs to a project: they are read into a project of
// their own, which is dropped afterwards.
#include "model/ApplicationKav.h"
#include "model/DovaTemplate.h"
#include "model/GUIBuilderList.h"
#include "persistence/ElementDispatch.h"
#include "persistence/XMLDataManager.h"
#include "platform/InstallationData.h"
#include "platform/Interaction.h"
#include "platform/MessageBuffer.h"

namespace {

constexpr std::string_view kBuildersFile = "Predefined_GUI_Builders.xml";
constexpr std::string_view kTemplatesFile = "DovaDriverData.xml";
constexpr std::string_view kTemplateFileVersion = "1.0";

constexpr int kOtherTemplateVersion = 44456;        // [W0456]
constexpr int kMisplacedDriverData = 44911;         // [W0911]
constexpr int kMisplacedTemplate = 44912;           // [W0912]
constexpr int kMisplacedParameter = 44913;          // [W0913]
constexpr int kTemplateWithoutName = 44914;         // [W0914]
constexpr int kParameterWithoutName = 44915;        // [W0915]
constexpr int kTemplateWithoutInstruction = 44938;  // [W0938]

}  // namespace

bool CXMLDataManager::LoadPredefinedGuiBuilders() {
    GetGuiBuilderDatabase().DeleteAll();
    // Predefined builders and classes are kept only while the database is read.
    projectMode_ = false;
    const bool read = ReadInstallationFile(kBuildersFile);
    projectMode_ = true;
    return read;
}

bool CXMLDataManager::LoadDriverTemplates() { return ReadInstallationFile(kTemplatesFile); }

bool CXMLDataManager::ReadInstallationFile(std::string_view fileName) {
    const std::string path = GetInstallationDataFile(fileName).string();
    CFileKav file("", path, path, true);
    CApplicationKav scratch;
    CurrentProjectScope scope(*this, &scratch);
    return ParseFile(&file, "UTF-8", StandardHandlers());
}

std::unique_ptr<CDovaTemplate> CXMLDataManager::ReadDovaTemplate() {
    const std::string name = GetAttribute("Name", "");
    const std::string instruction = GetAttribute("Instruction", "");
    const int missing = name.empty() ? kTemplateWithoutName : instruction.empty() ? kTemplateWithoutInstruction : 0;
    if (missing) {
        SetMessage(missing, currentFile_ ? currentFile_->GetFullPath() : std::string());
        return nullptr;
    }
    return std::make_unique<CDovaTemplate>(name, instruction, GetAttributeBool("AllowNewParameters", 0) == 1,
                                           GetAttribute("HelpText", ""));
}

std::unique_ptr<CDovaParameter> CXMLDataManager::ReadDovaParameter() {
    const std::string name = GetAttribute("Name", "");
    if (name.empty()) {
        SetMessage(kParameterWithoutName, currentFile_ ? currentFile_->GetFullPath() : std::string());
        return nullptr;
    }
    return std::make_unique<CDovaParameter>(name, GetAttribute("DefaultValue", ""), GetAttributeBool("Optional", 0) == 1,
                                            GetAttributeBool("FixedValue", 0) == 1, GetAttribute("HelpText", ""));
}

// Another version of the file is shown and read all the same.
bool ElementDispatch::DriverDataRoot() {
    if (!Under("")) {
        SetMessage(kMisplacedDriverData, FilePath());
        return false;
    }
    if (reader_.GetAttribute("version", "") != kTemplateFileVersion)
        GetInteraction().Inform(FormatMessageId(kOtherTemplateVersion, FilePath(), kTemplateFileVersion),
                                MessageIcon::Warning);
    return true;
}

bool ElementDispatch::DriverTemplate() {
    std::unique_ptr<CDovaTemplate> dovaTemplate = reader_.ReadDovaTemplate();
    if (!dovaTemplate) return false;
    if (!Under("DOVA_DRIVER_DATA")) {
        SetMessage(kMisplacedTemplate, FilePath());
        return false;
    }
    current_.dovaTemplate = GetDovaTemplateList().Add(dovaTemplate.release());
    return true;
}

bool ElementDispatch::DriverParameter() {
    std::unique_ptr<CDovaParameter> parameter = reader_.ReadDovaParameter();
    if (!parameter) return false;
    CDovaTemplate* dovaTemplate = Under("DOVA_TEMPLATE", current_.dovaTemplate);
    if (!dovaTemplate) {
        SetMessage(kMisplacedParameter, FilePath());
        return false;
    }
    dovaTemplate->GetParameters().Add(parameter.release());
    return true;
}
