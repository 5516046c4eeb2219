#pragma once
// Links a task that came over from another project, with its identifier texts, into the
// project that now holds it: parent (else the root task), data set, each step's windows,
// called task, transition, loop data set and successors, the start step and the covered
// requirements. 1, or 0 with the message in the global message buffer.
class CApplicationKav;
class CTaskKav;

int LinkMergedTask(CApplicationKav& project, CTaskKav& task);
