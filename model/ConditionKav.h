#pragma once
// One condition of the model as text: of a step, a transition, an effect's cause, or a named
// meta-condition of the project.
#include <memory>
#include <string>

#include "model/KavroObj.h"

class CConditionTree;

class CConditionKav : public CKavroObj {
public:
    CConditionKav(std::string id, std::string text);
    ~CConditionKav() override;

    std::string GetUniqueId() const { return uniqueId_; }
    void SetUniqueId(const std::string& uniqueId) { uniqueId_ = uniqueId; }
    // The condition's name; meta-conditions are referred to by it ("%" + ID).
    std::string GetId() const { return id_; }
    bool SetId(const std::string& id) {
        id_ = id;
        return true;
    }
    std::string GetText() const { return text_; }
    // The text without a copy, for passes over every condition.
    const std::string& GetTextRef() const { return text_; }
    // Drops the cached tree.
    bool SetText(const std::string& text);

    // Parses the text with the project's meta-conditions expanded; the tree is cached and stays
    // owned by the condition. Null with a message (W0055 for a meta reference that cannot be
    // resolved, else the parser's), and no cached tree then.
    CConditionTree* Parse();
    // The tree of the last successful parse, or null. It does not follow later changes of the
    // meta-conditions: parse again before use.
    CConditionTree* GetCachedTree() const { return tree_.get(); }

    // The text as the parser reads it: every meta-condition reference replaced by the current
    // project's meta-conditions. FALSE with W0055 naming this condition's text when a
    // reference cannot be resolved.
    bool ExpandMetaIds(std::string& expanded) const;

    // Set by an editor on a working copy that it changed; not copied by Clone.
    bool IsEdited() const { return edited_; }
    void SetEdited(bool edited) { edited_ = edited; }

    // A new condition with this ID and text, by the model's clone flags.
    CConditionKav* Clone(int flags) const;

private:
    std::string uniqueId_;
    std::string id_;
    std::string text_;
    std::unique_ptr<CConditionTree> tree_;
    bool edited_ = false;
};
