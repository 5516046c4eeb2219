#include "conversion/framework/EsaTestDesigns.h"

#include "model/ApplicationKav.h"
#include "model/TaskKav.h"

std::vector<CTaskKav*> GetEsaTestDesigns(CApplicationKav& app) {
    std::vector<CTaskKav*> designs;
    const CTaskKav* root = app.GetRootTask();
    for (CTaskKav* folder : app.GetTasks())
        if (folder->IsFolder() && root && folder->GetParent() == root && folder->CountTasks() > 0)
            designs.push_back(folder);
    return designs;
}
