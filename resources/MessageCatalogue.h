#pragma once
// The string table: every user-visible text of the program by its numeric id.
#include <string>
#include <string_view>
#include <vector>

struct MessageEntry {
    int id;
    const char* text;
};

// The text of a message id, or nullptr when the catalogue has none.
const char* FindMessageText(int id);

// The text of a message id; an unknown id gives a text that names the id, so a missing
// entry shows up in the output rather than as an empty message.
std::string LoadMessage(int id);

// The code that ends a message of that id ("[F0037]" for 41037), or "" for ids that carry none.
// Fatal errors 41xxx, information 42xxx, questions 43xxx, warnings 44xxx and 45xxx.
std::string MessageCode(int id);

// Every entry of the catalogue, in the order of the source files (for consistency checks).
std::vector<MessageEntry> AllMessageEntries();
