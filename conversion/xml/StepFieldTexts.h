#pragma once
// How the exchange formats and the sheets read two fields of a test step: the commands as a
// headed list of name=value lines, and the criticality code as its name.
#include <string>
#include <string_view>
#include <vector>

// Cuts the text into lines (ended by LF or CR LF; the last needs no end). The first line goes
// to first; when it is empty nothing else is read. Otherwise the second line goes to second,
// and every further line that holds "=" is split at its first "=" into a name and a value,
// appended to the parallel lists; lines without "=" are skipped. All four outputs are emptied
// first. Returns 1.
int ParseNameValueList(std::string_view text, std::string& first, std::string& second,
                       std::vector<std::string>& names, std::vector<std::string>& values);

// 0 "NEGLIGIBLE", 1 "SIGNIFICANT", 3 "CRITICAL", 4 "CATASTROPHIC"; 2 and any other code "MAJOR".
std::string GetCriticalityName(int code);
