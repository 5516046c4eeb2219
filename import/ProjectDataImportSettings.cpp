// The import dialog's options in the user's settings.
#include "import/ProjectDataImportDlg.h"
#include "model/ApplicationKav.h"
#include "model/ShellServices.h"
#include "platform/Registry.h"
#include "platform/TextUtil.h"

namespace {

constexpr const char* kNewStateNames[] = {"Import_Select_New_Tasks", "Import_Select_New_Reqs",
                                          "Import_Select_New_Wnds", "Import_Select_New_Data"};
constexpr const char* kChangedStateNames[] = {"Import_Select_Dup_Tasks", "Import_Select_Dup_Reqs",
                                              "Import_Select_Dup_Wnds", "Import_Select_Dup_Data"};

std::string Read(const char* name) {
    return ReadRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name);
}

void Write(const char* name, const std::string& value) {
    WriteRegistryString(SettingsHive::CurrentUser, std::string(kProductKey), name, value, kRegistryText);
}

// A box that is on unless the setting says otherwise.
int ReadOnByDefault(const char* name) {
    const std::string value = Read(name);
    return value.empty() || value == "1" ? 1 : 0;
}

int ReadOffByDefault(const char* name) { return Read(name) == "1" ? 1 : 0; }

int ReadNumber(const char* name) { return ParseLeadingInt(Read(name)); }

void WriteFlag(const char* name, int value) { Write(name, value ? "1" : "0"); }

// Both projects have a master project, and not the same file.
bool OffersMasterSync(const CApplicationKav* open, const CApplicationKav* other) {
    const CFileKav* openMaster = open ? open->GetMasterFile() : nullptr;
    const CFileKav* otherMaster = other ? other->GetMasterFile() : nullptr;
    return openMaster && otherMaster && !EqualsNoCase(openMaster->GetFullPath(), otherMaster->GetFullPath());
}

}  // namespace

void CProjectDataImportDlg::ReadSettings() {
    for (size_t page = 0; page < options_.newState.size(); ++page) {
        options_.newState[page] = ReadOnByDefault(kNewStateNames[page]);
        options_.changedState[page] = ReadOffByDefault(kChangedStateNames[page]);
    }
    options_.autoselectBlocks = ReadOnByDefault("Import_Autoselect_BB");
    options_.autoselectRequirements = ReadOnByDefault("Import_Autoselect_Req");
    options_.autoselectWindows = ReadOnByDefault("Import_Autoselect_Wnd");
    options_.requirementRule = ReadNumber("Import_DupReqID");
    options_.dataSetRule = ReadNumber("Import_DataAppend");
    options_.otherElementsRule = ReadNumber("Import_New");
    options_.importAttributes = ReadOnByDefault("Import_Attributes");
    options_.importConditions = ReadOnByDefault("Import_Conditions");
    options_.importStepFields = ReadOnByDefault("Import_UserdefFields");
    syncOffered_ = OffersMasterSync(CurrentApplication, other_);
    options_.syncMasters = syncOffered_ ? ReadOffByDefault("Import_SyncMaster") : 0;
}

void CProjectDataImportDlg::WriteSettings() const {
    for (size_t page = 0; page < options_.newState.size(); ++page) {
        WriteFlag(kNewStateNames[page], options_.newState[page]);
        WriteFlag(kChangedStateNames[page], options_.changedState[page]);
    }
    WriteFlag("Import_Autoselect_BB", options_.autoselectBlocks);
    WriteFlag("Import_Autoselect_Req", options_.autoselectRequirements);
    WriteFlag("Import_Autoselect_Wnd", options_.autoselectWindows);
    Write("Import_DupReqID", std::to_string(options_.requirementRule));
    Write("Import_DataAppend", std::to_string(options_.dataSetRule));
    Write("Import_New", std::to_string(options_.otherElementsRule));
    WriteFlag("Import_Attributes", options_.importAttributes);
    WriteFlag("Import_Conditions", options_.importConditions);
    WriteFlag("Import_UserdefFields", options_.importStepFields);
    WriteFlag("Import_SyncMaster", options_.syncMasters);
}
