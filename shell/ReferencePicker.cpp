#include "shell/ReferencePicker.h"

namespace {

ReferencePicker& InstalledPicker() {
    static ReferencePicker picker;
    return picker;
}

}  // namespace

void InstallReferencePicker(ReferencePicker picker) { InstalledPicker() = std::move(picker); }

std::string PickReference(int kinds, CTaskKav* task, CDataSet* dataSet, const OwningList<CDataEffect>* effects) {
    const ReferencePicker& picker = InstalledPicker();
    return picker ? picker(kinds, task, dataSet, effects) : std::string();
}
