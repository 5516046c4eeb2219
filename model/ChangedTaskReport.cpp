#include "model/ChangedTaskReport.h"

#include "model/ShellServices.h"

namespace {

ChangedTaskReceiver& Receiver() {
    static ChangedTaskReceiver receiver;
    return receiver;
}

}  // namespace

void SetChangedTaskReceiver(ChangedTaskReceiver receiver) { Receiver() = std::move(receiver); }

void ReportChangedTask(const CTaskKav* task) {
    if (VornakMode && task && Receiver()) Receiver()(task);
}
