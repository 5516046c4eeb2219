#pragma once
// Data of outside test tools kept on a window as a small generic XML tree: object repository
// properties of UFT ("qtpRep:Property" ...) or a "smurfData" element of named values. The model
// only looks things up in it; readers, importers and converters fill and read it.
#include <string>

#include "platform/ObjectList.h"

class CXMLAttribute {
public:
    CXMLAttribute(std::string name, std::string value) : name_(std::move(name)), value_(std::move(value)) {}

    std::string GetName() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    std::string GetValue() const { return value_; }
    void SetValue(const std::string& value) { value_ = value; }

private:
    std::string name_;
    std::string value_;
};

// Lookups compare names and values without case; IsEqual compares with case and in order.
class CXMLElement {
public:
    explicit CXMLElement(std::string name) : name_(std::move(name)) {}
    CXMLElement(const CXMLElement&) = delete;
    CXMLElement& operator=(const CXMLElement&) = delete;

    std::string GetName() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    // The element's character data.
    std::string GetValue() const { return value_; }
    void SetValue(const std::string& value) { value_ = value; }
    // In document order; callers append directly.
    OwningList<CXMLAttribute>& GetAttributes() { return attributes_; }
    const OwningList<CXMLAttribute>& GetAttributes() const { return attributes_; }
    OwningList<CXMLElement>& GetChildren() { return children_; }
    const OwningList<CXMLElement>& GetChildren() const { return children_; }

    CXMLAttribute* FindAttribute(const std::string& name) const;
    // "" when the element has no such attribute.
    std::string GetAttributeValue(const std::string& name) const;
    // FALSE, and nothing added, when the element has no such attribute.
    bool SetAttributeValue(const std::string& name, const std::string& value);

    // The first direct child of that name.
    CXMLElement* FindChild(const std::string& name) const;
    // The searches below test the element itself first, then its children depth first.
    CXMLElement* FindByName(const std::string& name);
    CXMLElement* FindNamedValue(const std::string& name, const std::string& value);
    CXMLElement* FindByAttribute(const std::string& elementName, const std::string& attributeName,
                                 const std::string& attributeValue);

    // The removals search below the element (never removing the element itself) and delete
    // what they remove with its subtree; TRUE when anything was removed.
    // Every element of that name; matches inside a removed element go with it.
    bool RemoveByName(const std::string& name);
    // Every element of that name and value; an element of that name with another value is
    // searched further.
    bool RemoveByNameAndValue(const std::string& name, const std::string& value);
    // Every element of that name that carries the attribute with that value; an element of
    // that name without it is kept and not searched.
    bool RemoveByAttribute(const std::string& elementName, const std::string& attributeName,
                           const std::string& attributeValue);

    bool IsEqual(const CXMLElement* other) const;
    // A deep copy.
    CXMLElement* Clone() const;

private:
    bool HasAttribute(const std::string& name, const std::string& value) const;

    std::string name_;
    std::string value_;
    OwningList<CXMLAttribute> attributes_;
    OwningList<CXMLElement> children_;
};
