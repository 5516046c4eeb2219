#pragma once
// The text of a test data import file from its bytes: a byte-order mark chooses UTF-16
// little-endian or UTF-8; a file without one is UTF-8 when it is valid UTF-8, and Windows-1252
// otherwise (what such files from Windows hold). The result is always valid UTF-8: broken
// sequences become U+FFFD.
#include <string>

std::string DecodeImportText(std::string bytes);
