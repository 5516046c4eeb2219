#include "model/ProjectSettings.h"

#include "platform/UserFolders.h"

ProjectSettings DefaultProjectSettings() {
    ProjectSettings settings;
    settings.scriptPath = GetUserFolders().scripts.string();
    settings.htmlPath = GetUserFolders().html.string();
    return settings;
}
