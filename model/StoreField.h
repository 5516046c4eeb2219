#pragma once
// The plain setters of the model store the value and report TRUE.
template <class T, class V>
bool StoreField(T& field, const V& value) {
    field = value;
    return true;
}
