#pragma once
// The predefined properties of windows ("$Enabled", "$Caption", "$3" ...) per window type, as
// the designator selection offers them. Checks and values of window designators go through
// CheckDesignator and GetDesignatorValue.
#include "model/AttributeKav.h"
#include "platform/ObjectList.h"

// The properties that the selection offers for the window type, each an attribute with the
// property name, its value type and an empty value: none for a menu bar, else "$Exist",
// "$Caption", "$Enabled", "$Tag", "$Visible" (not for menu items) and the type's own. Rows and
// cells of lists and tables are not listed.
OwningList<CAttributeKav> BuildAttributeCatalogue(int windowType);
