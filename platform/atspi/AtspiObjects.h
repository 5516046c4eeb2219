#pragma once
// Small helpers over the objects of the AT-SPI library, shared by the readers of windows and of
// web pages.
#include <atspi/atspi.h>

#include <string>
#include <unordered_set>

#include "platform/WindowSource.h"

// Owns a reference of an AT-SPI object.
template <class T>
class AtspiRef {
public:
    explicit AtspiRef(T* object) : object_(object) {}
    AtspiRef(const AtspiRef&) = delete;
    AtspiRef& operator=(const AtspiRef&) = delete;
    ~AtspiRef() {
        if (object_) g_object_unref(object_);
    }
    T* get() const { return object_; }

private:
    T* object_;
};

// Takes a string the library allocated; "" for none.
std::string TakeAtspiString(gchar* text);
int AtspiChildCount(AtspiAccessible* accessible);
std::string AtspiName(AtspiAccessible* accessible);
// Screen coordinates; empty when the object has no extents.
ScreenRect AtspiExtents(AtspiAccessible* accessible);
bool HasAtspiState(AtspiAccessible* accessible, AtspiStateType state);

// The objects met by one read. A faulty program's tree may lead back to an object already read;
// each is held, with a reference, until the read ends, so that no other object takes its address.
class AtspiVisits {
public:
    AtspiVisits() = default;
    AtspiVisits(const AtspiVisits&) = delete;
    AtspiVisits& operator=(const AtspiVisits&) = delete;
    ~AtspiVisits();
    // True the first time the object is met.
    bool FirstVisit(AtspiAccessible* accessible);

private:
    std::unordered_set<AtspiAccessible*> visited_;
};
