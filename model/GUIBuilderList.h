#pragma once
// The GUI builder database: one list of the process that owns its builders (the predefined
// ones from the installation, then those of the open project). The builder editor keeps a
// second list of its own. Lookups take the first match in list order.
#include <string_view>

#include "model/GUIBuilder.h"
#include "platform/ObjectList.h"

class CGUIBuilderList : public OwningList<CGUIBuilder> {
public:
    // Deletes the user-defined builders and the user-defined classes of the predefined ones:
    // what the open project brought.
    void RemoveUserDefined();
    // One more than the largest GuiID, which counts as at least 1.
    int GetNextGuiID() const;
    // byUniqueId: the builder with that unique identifier (exact); else with that name
    // (without case).
    CGUIBuilder* FindBuilder(std::string_view key, bool byUniqueId) const;
    CGUIBuilder* FindByGuiID(int guiId) const;
    // The first class, over the builders in order, whose pattern matches the class name, with
    // its builder; false (both null) when none does.
    bool FindWindowClass(std::string_view className, CGUIBuilder*& builder, CWindowClass*& windowClass) const;
};

// The database of the process.
CGUIBuilderList& GetGuiBuilderDatabase();
