#pragma once
// One window class of a GUI builder: a toolkit window-class name, or a pattern of such names
// in which "*" stands for any run of characters, and the window type its windows get.
#include <string>
#include <string_view>

#include "model/StoreField.h"

class CWindowClass {
public:
    CWindowClass(std::string name, int baseType, int preDef, int isDefault);
    CWindowClass(const CWindowClass&) = delete;
    CWindowClass& operator=(const CWindowClass&) = delete;
    virtual ~CWindowClass() = default;

    std::string GetId() const { return id_; }
    bool SetId(const std::string& id) { return StoreField(id_, id); }
    std::string GetName() const { return name_; }
    bool SetName(const std::string& name) { return StoreField(name_, name); }
    // The window type code of windows of this class.
    int GetBaseType() const { return baseType_; }
    bool SetBaseType(int type) { return StoreField(baseType_, type); }
    bool IsPreDef() const { return preDef_ != 0; }
    // The builder's default class name for the base type.
    bool IsDefault() const { return default_ != 0; }
    bool SetDefault(int isDefault) { return StoreField(default_, isDefault); }

private:
    std::string id_;
    std::string name_;
    int baseType_;
    int preDef_;
    int default_;
};

// Whether the class name matches the pattern, without regard to case: the pieces between the
// "*" of the pattern occur in the name in order without overlapping, the first at its start
// unless the pattern begins with "*", the last at its end unless it ends with "*". Without a
// "*" the two must be equal.
bool MatchClassNamePattern(std::string_view name, std::string_view pattern);
