#pragma once
// A GUI builder: one GUI technology of applications under test, referred to by its GuiID.
// Predefined builders come from the installation; user-defined ones belong to a project file.
#include <string>

#include "model/KavroObj.h"
#include "model/StoreField.h"

class CGUIBuilder : public CKavroObj {
public:
    CGUIBuilder(std::string name, int guiId, int preDef);

    std::string GetId() const { return id_; }
    bool SetId(const std::string& id) { return StoreField(id_, id); }
    std::string GetName() const { return name_; }
    bool SetName(const std::string& name) { return StoreField(name_, name); }
    int GetGuiID() const { return guiId_; }
    bool SetGuiID(int guiId) { return StoreField(guiId_, guiId); }
    bool IsPreDef() const { return preDef_ != 0; }

private:
    std::string id_;
    std::string name_;
    int guiId_;
    int preDef_;
};
