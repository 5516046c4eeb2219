#pragma once
// How the model tells the test-management interface which tasks a pass changed. The interface
// installs the receiver at start-up (it adds the task's identifier to its list of changed
// tasks, without duplicates); reports are made only in VORNAK mode.
#include <functional>

class CTaskKav;

using ChangedTaskReceiver = std::function<void(const CTaskKav*)>;
// Null removes the receiver.
void SetChangedTaskReceiver(ChangedTaskReceiver receiver);
// Hands the task to the receiver while VornakMode is set; nothing otherwise.
void ReportChangedTask(const CTaskKav* task);
