#pragma once
// Fixed display texts of codes that dialogs and reports show; an unlisted code gives "".
#include <string>

// Keyboard layouts: 0 "German", 1 "US", 99 "None".
std::string GetLanguageName(int keyboard);
// Test case kinds (1 has no text).
std::string GetTestCaseKindName(int kind);
// Output format codes 0 to 14.
std::string GetConverterName(int outputFormat);
// Window type codes 0 to 21.
std::string GetWindowTypeName(int windowType);
