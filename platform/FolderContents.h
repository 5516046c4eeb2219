#pragma once
// Emptying an output folder before a converter writes into it.
#include <string_view>

// Deletes every file and sub-folder below the folder and keeps the folder itself; trailing
// separators of the argument are ignored. Symbolic links below it are removed, never
// followed. An empty or relative path deletes nothing: no folder is emptied by accident of
// the working directory. Failures are ignored; the result is 1.
int DeleteFolderContents(std::string_view folder);
