#pragma once
// A named, typed value: global attributes, step field definitions, and the attributes of
// windows, steps, task parameters, data sets and effects.
#include <string>

#include "model/KavroObj.h"

class CAttributeKav : public CKavroObj {
public:
    CAttributeKav(std::string name, int type, std::string value);

    std::string GetId() const { return id_; }
    void SetId(const std::string& id) { id_ = id; }
    std::string GetName() const { return name_; }
    bool SetName(const std::string& name) {
        name_ = name;
        return true;
    }
    int GetType() const { return type_; }
    bool SetType(int type) {
        type_ = type;
        return true;
    }
    std::string GetValue() const { return value_; }
    bool SetValue(const std::string& value) {
        value_ = value;
        return true;
    }

    // Carried with the object but never stored; the note survives a clone, the link does not.
    void* GetLink() const { return link_; }
    void SetLink(void* link) { link_ = link; }
    std::string GetNote() const { return note_; }
    void SetNote(const std::string& note) { note_ = note; }

    // Marks of the editors' working copies: the name when the copy was made, and whether the
    // editor changed the copy. Neither is copied by Clone.
    std::string GetNameAtOpen() const { return nameAtOpen_; }
    void SetNameAtOpen(const std::string& name) { nameAtOpen_ = name; }
    bool IsEdited() const { return edited_; }
    void SetEdited(bool edited) { edited_ = edited; }

    // A new attribute with this name, type, value and note, by the model's clone flags.
    CAttributeKav* Clone(int flags) const;

private:
    void* link_ = nullptr;
    std::string note_;
    std::string id_;
    std::string name_;
    int type_;
    std::string value_;
    std::string nameAtOpen_;
    bool edited_ = false;
};
