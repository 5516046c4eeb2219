#pragma once
// Names in the files of a Ranorex solution: the ids that tie the files together, and the C#
// names that Ranorex generates code under.
#include <string>
#include <string_view>

// The id of a text in GUID form, the same on every run. A short Latin-1 text gives its
// character codes (MakeGuidText), so that the ids of well-known entries stay readable;
// any other text gives its 128-bit FNV-1a hash, so that texts that share their first or last
// 16 characters keep apart.
std::string MakeRanorexId(std::string_view text);

// A C# identifier made from a name: letters, digits and "_" are kept, every other character
// becomes "_"; "_" goes in front of a leading digit or a keyword, and an empty name is "_".
std::string MakeCSharpIdentifier(std::string_view name);
