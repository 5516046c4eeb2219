#pragma once
// The rules by which tasks that belong to the test-management product (VORNAK) are arranged:
// each use case task stands alone in a folder of its own, whose name it carries, and such
// folders hold no building blocks.
#include <functional>

class CApplicationKav;
class CTaskKav;

// Whether no task below the task (itself included) holds a use case task (type 0) beside other
// children.
bool CheckUseCaseFolders(const CTaskKav& task);

// The warning id that refuses moving the task into the new parent, or 0 when the product's rules
// allow it; the rules are tested in a fixed order and the first that refuses names the warning.
int RefuseUseCaseMove(const CTaskKav& task, const CTaskKav& newParent);

// Every use case task below the folder, folders below it included, takes the name of the folder
// it stands in, made a valid task name, unless it has that name but for case. Each change is
// reported with the folder.
void SyncUseCaseNames(CTaskKav& folder, const CApplicationKav& project, const std::function<void(CTaskKav*)>& changed);
