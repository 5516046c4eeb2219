#pragma once
// What the screen shows, read from the X server (the toolkit's own picture of the screen may be
// older).
#include <wx/image.h>

wxImage GrabScreen();
