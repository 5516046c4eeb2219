#pragma once
// A rectangle of the model: a window's position relative to its parent's client origin, and
// the drawing data that views keep on model objects.

struct WindowRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const WindowRect&) const = default;
};
