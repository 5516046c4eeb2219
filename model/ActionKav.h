#pragma once
// One action of a step: a predefined operation, identified by its action number, with its
// arguments in order. Names and argument types come from the action catalogue.
#include <string>

#include "model/ArgumentKav.h"
#include "platform/ObjectList.h"

class CActionKav {
public:
    // A new action with a new unique id, named after the catalogue's entry for the number; a
    // number the catalogue lacks leaves the name empty and shows F0017 in a stop box.
    explicit CActionKav(int number);
    // A catalogue entry: no unique id, no catalogue lookup.
    CActionKav(int number, std::string name);
    CActionKav(const CActionKav&) = delete;
    CActionKav& operator=(const CActionKav&) = delete;
    virtual ~CActionKav() = default;

    std::string GetId() const { return id_; }
    void SetId(const std::string& id) { id_ = id; }
    int GetNumber() const { return number_; }
    std::string GetName() const { return name_; }
    bool SetName(const std::string& name) {
        name_ = name;
        return true;
    }

    OwningList<CArgumentKav>& GetArguments() { return arguments_; }
    const OwningList<CArgumentKav>& GetArguments() const { return arguments_; }
    // The first argument whose name equals the text without case, or null.
    CArgumentKav* FindArgument(const std::string& name) const;

    // Set by an editor on a working copy that it changed; not copied by Clone.
    bool IsEdited() const { return edited_; }
    void SetEdited(bool edited) { edited_ = edited; }

    // A new action for this number (named by the catalogue, not after this action) with copies
    // of the arguments; flag 1 keeps the unique id.
    CActionKav* Clone(int flags) const;

private:
    OwningList<CArgumentKav> arguments_;
    std::string id_;
    int number_;
    std::string name_;
    bool edited_ = false;
};
