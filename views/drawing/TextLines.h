#pragma once
// Breaking a text into lines as the views measure and draw it, shared by every surface so that a
// measured height and a drawn text agree.
#include <functional>
#include <string>
#include <vector>

// One line per line feed; with a wrap width above 0 each line is broken at blanks so that it
// fits the width as widthOf measures it, and a word wider than the width stands alone.
std::vector<std::string> BreakIntoLines(const std::string& text, int wrapWidth,
                                        const std::function<int(const std::string&)>& widthOf);
