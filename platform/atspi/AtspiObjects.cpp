#include "platform/atspi/AtspiObjects.h"

std::string TakeAtspiString(gchar* text) {
    std::string result = text ? text : "";
    g_free(text);
    return result;
}

int AtspiChildCount(AtspiAccessible* accessible) {
    const gint count = atspi_accessible_get_child_count(accessible, nullptr);
    return count < 0 ? 0 : count;
}

std::string AtspiName(AtspiAccessible* accessible) {
    return TakeAtspiString(atspi_accessible_get_name(accessible, nullptr));
}

ScreenRect AtspiExtents(AtspiAccessible* accessible) {
    AtspiRef<AtspiComponent> component(atspi_accessible_get_component_iface(accessible));
    if (!component.get()) return {};
    AtspiRect* extents = atspi_component_get_extents(component.get(), ATSPI_COORD_TYPE_SCREEN, nullptr);
    if (!extents) return {};
    const ScreenRect rect{extents->x, extents->y, extents->x + extents->width, extents->y + extents->height};
    g_free(extents);
    return rect;
}

bool HasAtspiState(AtspiAccessible* accessible, AtspiStateType state) {
    AtspiRef<AtspiStateSet> states(atspi_accessible_get_state_set(accessible));
    return states.get() && atspi_state_set_contains(states.get(), state);
}

AtspiVisits::~AtspiVisits() {
    for (AtspiAccessible* object : visited_) g_object_unref(object);
}

bool AtspiVisits::FirstVisit(AtspiAccessible* accessible) {
    if (!visited_.insert(accessible).second) return false;
    g_object_ref(accessible);
    return true;
}
