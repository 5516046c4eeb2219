#pragma once
// The reader of Ranorex repositories (".rxrep"): a window per "appfolder", "folder" and "item",
// typed by the item's role ("capname") and capabilities ("addcaps") through the role table,
// nested as the folders nest, and with the element and what lies inside it (without nested
// folders and items) as tool data; leaf texts lose their surrounding white space. Tool data is
// kept only inside app folders; elsewhere a window keeps just its own element. The log gets the
// role and name of each window, indented by its depth.
#include <string>
#include <vector>

#include "import/repository/XMLDataRepository.h"

struct CRanorexWndType {
    std::string role;          // the "capname" of the element
    std::string capabilities;  // comma-separated capabilities of the role's technology
    int windowType;
    int guiId;
    int topLevel;  // 1 for the roles of top-level objects
};

// The role table, in the order of lookup.
std::vector<CRanorexWndType> BuildRoleTable();

class CXMLDataRanorex : public CXMLDataRepository {
public:
    CXMLDataRanorex();

    void OnStartElement(const std::string& name, const XmlAttributeList& attributes) override;

    // The first entry of the role (letter case counts) that shares a whole capability token with
    // the list; null when none does. The first token of a list ends at a blank or comma; the
    // others run from there to the next comma, blanks included.
    const CRanorexWndType* FindRoleEntry(const std::string& role, const std::string& capabilities) const;
    // A window of the type and GUI builder of the entry found; none gives a custom window
    // [W1191] naming the role.
    CWindowKav* CreateWindowForRole(const std::string& role, const std::string& capabilities) const;

protected:
    bool OpensToolDataScope(const std::string& name) const override;
    bool IsStructuralElement(const std::string& name) const override;
    void CloseStructuralElement(const std::string& name) override;
    std::string ElementValue(const std::string& text) const override;

private:
    // The window of the folder or item being started, from its "name", "capname" and "addcaps".
    CWindowKav* CreateItemWindow() const;

    std::vector<CRanorexWndType> roleTable_;
};

// The program's one Ranorex repository reader.
CXMLDataRanorex& GetRanorexRepositoryReader();
