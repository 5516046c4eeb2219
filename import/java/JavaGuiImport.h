#pragma once
// Recorded Java GUI descriptions (.kvj), as the Java GUI spy writes them: after a header line,
// one line per object of the application under test, its depth in the window tree given by
// leading TABs and its fields separated by the byte 0xB6, in 8-bit text. Each finished
// top-level tree joins the open project's window table.
#include <functional>
#include <string>

class CWindowKav;

// What the program does with each committed tree: recognition tags for the project's output
// format (1, else the message in the global buffer) and the main frame's notice of the new
// window. Unset hooks are skipped.
struct JavaImportHooks {
    std::function<int(CWindowKav& root)> generateTags;
    std::function<void(CWindowKav& root)> announceWindow;
};
void SetJavaImportHooks(JavaImportHooks hooks);

// Reads the file into the current project: true when the whole file was read (also when it held
// only the header line); false when an error stopped it, with the message in the global buffer.
// The trees read before the error are added all the same.
bool ImportJavaGuiFile(const std::string& path);

// Adds the window with its subtree to the current project: 1 added (named, in the window
// table, ancestors grown to fit, a tab control's pages paired with its children), 0 dropped
// (empty rectangle or hidden; deleted without a message), -1 refused (deleted, the message in
// the global buffer). A refused window inside a tree takes its parent's unhandled children with
// it, so that every child of a window in the table is in the table too.
int AddWindowTree(CWindowKav* window);

// Cuts the first field off the line: true when a separator followed it.
bool SplitField(std::string& line, std::string& field);

// Detaches the window from its parent and deletes it with all its descendants; nothing for null.
void DeleteWindowTree(CWindowKav* window);
