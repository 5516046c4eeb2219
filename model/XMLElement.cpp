#include "model/XMLElement.h"

#include "platform/TextUtil.h"

namespace {

// Removes and deletes the children for which decide says Remove, searches those for which it
// says Search, and leaves the others; TRUE when anything was removed at any depth.
enum class Verdict { Remove, Search, Keep };

template <class Decide>
bool RemoveBelow(OwningList<CXMLElement>& children, Decide decide) {
    bool removed = false;
    for (CXMLElement* child : children.Snapshot()) {
        switch (decide(*child)) {
            case Verdict::Remove:
                children.Delete(child);
                removed = true;
                break;
            case Verdict::Search:
                removed = RemoveBelow(child->GetChildren(), decide) || removed;
                break;
            case Verdict::Keep:
                break;
        }
    }
    return removed;
}

template <class Matches>
CXMLElement* FindDepthFirst(CXMLElement* element, Matches matches) {
    if (matches(*element)) return element;
    for (CXMLElement* child : element->GetChildren())
        if (CXMLElement* found = FindDepthFirst(child, matches)) return found;
    return nullptr;
}

}  // namespace

CXMLAttribute* CXMLElement::FindAttribute(const std::string& name) const {
    return attributes_.FindIf([&](const CXMLAttribute* a) { return EqualsNoCase(a->GetName(), name); });
}

std::string CXMLElement::GetAttributeValue(const std::string& name) const {
    const CXMLAttribute* attribute = FindAttribute(name);
    return attribute ? attribute->GetValue() : std::string();
}

bool CXMLElement::SetAttributeValue(const std::string& name, const std::string& value) {
    CXMLAttribute* attribute = FindAttribute(name);
    if (!attribute) return false;
    attribute->SetValue(value);
    return true;
}

bool CXMLElement::HasAttribute(const std::string& name, const std::string& value) const {
    return attributes_.FindIf([&](const CXMLAttribute* a) {
        return EqualsNoCase(a->GetName(), name) && EqualsNoCase(a->GetValue(), value);
    }) != nullptr;
}

CXMLElement* CXMLElement::FindChild(const std::string& name) const {
    return children_.FindIf([&](const CXMLElement* e) { return EqualsNoCase(e->name_, name); });
}

CXMLElement* CXMLElement::FindByName(const std::string& name) {
    return FindDepthFirst(this, [&](const CXMLElement& e) { return EqualsNoCase(e.name_, name); });
}

CXMLElement* CXMLElement::FindNamedValue(const std::string& name, const std::string& value) {
    return FindDepthFirst(
        this, [&](const CXMLElement& e) { return EqualsNoCase(e.name_, name) && EqualsNoCase(e.value_, value); });
}

CXMLElement* CXMLElement::FindByAttribute(const std::string& elementName, const std::string& attributeName,
                                          const std::string& attributeValue) {
    return FindDepthFirst(this, [&](const CXMLElement& e) {
        return EqualsNoCase(e.name_, elementName) && e.HasAttribute(attributeName, attributeValue);
    });
}

bool CXMLElement::RemoveByName(const std::string& name) {
    return RemoveBelow(children_, [&](const CXMLElement& e) {
        return EqualsNoCase(e.name_, name) ? Verdict::Remove : Verdict::Search;
    });
}

bool CXMLElement::RemoveByNameAndValue(const std::string& name, const std::string& value) {
    return RemoveBelow(children_, [&](const CXMLElement& e) {
        return EqualsNoCase(e.name_, name) && EqualsNoCase(e.value_, value) ? Verdict::Remove : Verdict::Search;
    });
}

bool CXMLElement::RemoveByAttribute(const std::string& elementName, const std::string& attributeName,
                                    const std::string& attributeValue) {
    return RemoveBelow(children_, [&](const CXMLElement& e) {
        if (!EqualsNoCase(e.name_, elementName)) return Verdict::Search;
        return e.HasAttribute(attributeName, attributeValue) ? Verdict::Remove : Verdict::Keep;
    });
}

bool CXMLElement::IsEqual(const CXMLElement* other) const {
    if (!other || name_ != other->name_ || value_ != other->value_) return false;
    if (attributes_.size() != other->attributes_.size() || children_.size() != other->children_.size()) return false;
    for (size_t i = 0; i < attributes_.size(); ++i) {
        const CXMLAttribute* mine = attributes_[i];
        const CXMLAttribute* theirs = other->attributes_[i];
        if (mine->GetName() != theirs->GetName() || mine->GetValue() != theirs->GetValue()) return false;
    }
    for (size_t i = 0; i < children_.size(); ++i)
        if (!children_[i]->IsEqual(other->children_[i])) return false;
    return true;
}

CXMLElement* CXMLElement::Clone() const {
    auto* copy = new CXMLElement(name_);
    copy->value_ = value_;
    for (const CXMLAttribute* attribute : attributes_)
        copy->attributes_.Add(new CXMLAttribute(attribute->GetName(), attribute->GetValue()));
    for (const CXMLElement* child : children_) copy->children_.Add(child->Clone());
    return copy;
}
