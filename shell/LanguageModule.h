#pragma once
// The language of the program's texts. English is built in; with the setting "Language" exactly
// "German" the texts of a German catalogue file beside the program take the place of the
// English ones, for the whole run.
//
// A catalogue file holds lines as the built-in catalogue writes them, `{44874, "text"},` (UTF-8,
// C escapes \n \r \t \" \' \\), so a translator copies a line of resources/messages and
// translates its text. Blank lines and lines that begin with "//" are skipped. Ids that the file
// leaves out keep their English text.
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>

inline constexpr std::string_view kGermanCatalogueName = "KavroDEU.cat";

struct CatalogueReading {
    std::unordered_map<int, std::string> texts;
    // 0 when every line was read; else the first line at fault, and nothing is kept.
    int faultLine = 0;
};

// Every text must belong to an id of the built-in catalogue, keep its placeholders in their order
// (with the same flags, width and precision) and end in the same code; an id may appear once. Otherwise the line is at fault, since a text
// with other placeholders would show other values than the message means.
CatalogueReading ParseMessageCatalogue(std::string_view text);

// Step 6 of start-up: reads "Language"; when it is exactly "German", reads the catalogue file of
// that name in the program's folder and makes its texts current. 1, also when no language
// module is asked for. 0 with "Failed to load language DLL %s! [W1114]" in the global message
// buffer (the file, and the line at fault) when the file cannot be read or has a fault; the
// built-in texts then stay.
int LoadLanguageModule(const std::filesystem::path& programFolder);
