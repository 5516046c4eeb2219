#pragma once
// The items of the Requirements page's tree, kept without a window: a root item per project
// file ("Project " or "Library " and the file's name), below it the file's top-level
// requirements, each with its children. A requirement's item reads its ID and title, and its
// colour tells whether it may be changed and whether a task covers it. Each requirement keeps
// the number of its item.
#include <string>
#include <unordered_set>

#include "editors/framework/ModelTree.h"

class CApplicationKav;
class CFileKav;
class CRequirement;

enum ReqTreeImage : int { kImageReqProject = 0, kImageRequirement = 1, kImageReqLibrary = 2 };

class CReqTree : public CModelTree {
public:
    // ---- Building

    // Deletes every item, then adds the project's files: the libraries sorted, the main file
    // first and expanded. Which requirements tasks cover is read once for the whole fill.
    void FillTree(CApplicationKav& project);
    // The requirement's item under the parent item with the items of its children, the
    // parent's children sorted again.
    int AddRequirementItem(CRequirement& requirement, int parent);
    // The items of the requirement's children (and theirs) under its item.
    void AddChildRequirements(CRequirement& requirement);
    // Sets the item's text, image and colour from what it shows; with ancestors, those of the
    // requirements above it too.
    void UpdateItem(int item, bool withAncestors);
    // Moves the dragged requirement under the target's requirement (the project root: to the
    // top level), checked as the user is told; true when it moved. Its new item is chosen.
    bool DropItem(int dragged, int target);

    // ---- Reading

    // The requirement of the item; null for a root item and for none.
    CRequirement* RequirementOf(int item) const;
    // The item that shows the requirement; kNoItem when none does.
    int ItemOf(const CRequirement& requirement) const;
    // Taken when the caret moves, so that it holds when the requirement is gone: the unique id
    // of the caret's requirement, empty for a root item or none.
    const std::string& GetCaretUniqueId() const { return caretUniqueId_; }

private:
    void Dress(int item) override;
    // The items of the file's top-level requirements, with theirs, below its item.
    void AddFileRequirements(int root);
    void CaretMoved() override;
    bool IsCovered(const CRequirement& requirement) const;

    CApplicationKav* project_ = nullptr;
    // While filling: the requirements that some task covers.
    const std::unordered_set<const CRequirement*>* coveredWhileFilling_ = nullptr;
    std::string caretUniqueId_;
};
