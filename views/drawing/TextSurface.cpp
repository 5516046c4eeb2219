#include "views/drawing/TextSurface.h"

void Replay(const DrawList& list, TextSurface& surface) {
    for (const DrawPrimitive& primitive : list) surface.Draw(primitive);
}
