#pragma once
// The string table: every user-visible text of the program by its numeric id.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct MessageEntry {
    int id;
    const char* text;
};

// The text of a message id, or nullptr when the catalogue has none. A translation installed
// for the id stands in place of the built-in text.
const char* FindMessageText(int id);

// The text of a message id; an unknown id gives a text that names the id, so a missing
// entry shows up in the output rather than as an empty message.
std::string LoadMessage(int id);

// The code that ends a message of that id ("[F0037]" for 41037), or "" for ids that carry none.
// Fatal errors 41xxx, information 42xxx, questions 43xxx, warnings 44xxx and 45xxx.
std::string MessageCode(int id);

// Every built-in entry of the catalogue, in the order of the source files (for consistency
// checks); translations are not among them.
std::vector<MessageEntry> AllMessageEntries();

// Texts of another language by id, which take the place of the built-in ones from then on (the
// language module of start-up). An empty map goes back to the built-in texts. Installed once,
// before anything reads a text; not safe against concurrent reads.
void InstallMessageTranslations(std::unordered_map<int, std::string> translations);
