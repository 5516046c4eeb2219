#pragma once
// The GUI builder database: one list of the process that owns its builders (the predefined
// ones and those of the open project). The builder editor keeps a second list of its own.
#include "model/GUIBuilder.h"
#include "platform/ObjectList.h"

class CGUIBuilderList : public OwningList<CGUIBuilder> {};

// The database of the process.
CGUIBuilderList& GetGuiBuilderDatabase();
