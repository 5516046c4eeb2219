#pragma once
// Pieces of the deep equality tests of the model: lists compared pairwise in order, texts with
// case.
#include <cstddef>

#include "platform/ObjectList.h"

class CAttributeKav;
class CConditionKav;

// Equal counts, and each pair in list order equal by the predicate.
template <class T, class Equal>
bool ListsEqual(const OwningList<T>& a, const OwningList<T>& b, Equal equal) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!equal(*a[i], *b[i])) return false;
    return true;
}

// Name, type and value.
bool AttributesEqual(const CAttributeKav& a, const CAttributeKav& b);
bool AttributeListsEqual(const OwningList<CAttributeKav>& a, const OwningList<CAttributeKav>& b);
// ID and text.
bool ConditionsEqual(const CConditionKav& a, const CConditionKav& b);
