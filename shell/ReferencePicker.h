#pragma once
// The reference picker through which editors choose the designator to insert: the views install
// it at start-up; without it every choice ends as a cancelled one.
#include <functional>
#include <string>

#include "platform/ObjectList.h"

class CDataEffect;
class CDataSet;
class CTaskKav;

// Content flags (1 windows, 2 attributes and parts, 4 the task's parameters, 8 only the data
// set, 16 further parts of data sets), the context task, data set and effects: the designator
// text without the enclosing "#", or "" when cancelled.
using ReferencePicker =
    std::function<std::string(int kinds, CTaskKav* task, CDataSet* dataSet, const OwningList<CDataEffect>* effects)>;

void InstallReferencePicker(ReferencePicker picker);
std::string PickReference(int kinds, CTaskKav* task, CDataSet* dataSet, const OwningList<CDataEffect>* effects);
