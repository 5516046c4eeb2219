#include "shell/CommandIds.h"

namespace {

// Each block of command numbers moves down by a fixed distance into ids that the toolkit keeps
// free (its own stock ids lie between 4999 and 5999).
struct IdBlock {
    int firstCommand;
    int lastCommand;
    int firstId;
};

constexpr IdBlock kBlocks[] = {
    {32768, 32999, 12768},  // the frame's commands
    {34001, 34010, 14001},  // the tab strip's keys
    {40001, 40099, 10001},  // Delete, Task Flow Editor
    {57344, 57699, 7344},   // the framework's commands: files, edit, windows, help
};

}  // namespace

int CommandToWindowId(int command) {
    for (const IdBlock& block : kBlocks)
        if (command >= block.firstCommand && command <= block.lastCommand)
            return block.firstId + (command - block.firstCommand);
    return 0;
}

int WindowIdToCommand(int id) {
    for (const IdBlock& block : kBlocks) {
        const int lastId = block.firstId + (block.lastCommand - block.firstCommand);
        if (id >= block.firstId && id <= lastId) return block.firstCommand + (id - block.firstId);
    }
    return 0;
}
