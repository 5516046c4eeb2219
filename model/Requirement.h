#pragma once
// A requirement of the application under test that tasks and test cases are traced to.
// Requirements form a hierarchy through parent pointers and child lists that do not own; the
// application root's requirement list owns every requirement.
#include <string>
#include <vector>

#include "model/KavroObj.h"
#include "model/StoreField.h"

class CRequirement : public CKavroObj {
public:
    // A refused ID leaves the ID empty (the message stays in the buffer).
    CRequirement(const std::string& id, std::string title = {}, std::string description = {},
                 std::string docPath = {});

    std::vector<CRequirement*>& GetChildren() { return children_; }
    const std::vector<CRequirement*>& GetChildren() const { return children_; }

    // The identifier by which tasks and test cases refer to the requirement.
    std::string GetUniqueId() const { return uniqueId_; }
    bool SetUniqueId(const std::string& id) { return StoreField(uniqueId_, id); }
    // Unique id of the parent as read from a project file.
    std::string GetParentId() const { return parentId_; }
    bool SetParentId(const std::string& id) { return StoreField(parentId_, id); }
    // The identifier shown to the user: not empty (W0793), at most 50 characters (W0794).
    std::string GetID() const { return id_; }
    bool SetID(const std::string& id);
    // The ID as a project file holds it, without the checks of SetID.
    bool SetLoadedID(const std::string& id) { return StoreField(id_, id); }
    std::string GetTitle() const { return title_; }
    bool SetTitle(const std::string& title) { return StoreField(title_, title); }
    std::string GetDescription() const { return description_; }
    bool SetDescription(const std::string& description) { return StoreField(description_, description); }
    std::string GetDocPath() const { return docPath_; }
    bool SetDocPath(const std::string& docPath) { return StoreField(docPath_, docPath); }
    // The requirement's item in the requirement tree of the views.
    void* GetTreeItem() const { return treeItem_; }
    bool SetTreeItem(void* item) { return StoreField(treeItem_, item); }
    CRequirement* GetParent() const { return parent_; }

    // Appends a child, moving it from a former parent; refuses a second entry (W1058) and a
    // cycle (W0997). The child's parent ID text is not changed.
    bool AddChild(CRequirement* child);
    // The same without the walk up the tree, for a caller that knows the child is neither this
    // requirement nor one of its ancestors (the loader, which keeps the top of every tree it
    // links).
    bool AddChildNoCycleCheck(CRequirement* child);
    // FALSE with W0998 when the requirement is not a child.
    bool RemoveChild(CRequirement* child);

    // ID, title, description and document path, with case; not the unique ID, the parent or
    // the children.
    bool IsEqual(const CKavroObj* other) const override;
    // A copy by the model's clone flags (1 unique ID, 2 owning file, 4 the subtree, 16 or 32
    // the reference texts). The copy has no parent; the caller owns it and its copied subtree.
    CRequirement* Clone(int flags) const;

private:
    std::vector<CRequirement*> children_;
    std::string uniqueId_;
    std::string parentId_;
    std::string id_;
    std::string title_;
    std::string description_;
    std::string docPath_;
    void* treeItem_ = nullptr;
    CRequirement* parent_ = nullptr;
};
