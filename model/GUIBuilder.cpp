#include "model/GUIBuilder.h"

#include "platform/UniqueId.h"

CGUIBuilder::CGUIBuilder(std::string name, int guiId, int preDef)
    : CKavroObj(kKindGuiBuilder), id_(MakeUniqueId()), name_(std::move(name)), guiId_(guiId), preDef_(preDef) {}
