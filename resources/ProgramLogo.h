#pragma once
// The program's logo: a PNG file of 256 x 256 pixels in 24-bit colour, as the documentation
// writes it next to its title page.
#include <string_view>

std::string_view ProgramLogoPng();
