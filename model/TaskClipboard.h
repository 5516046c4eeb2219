#pragma once
// The task objects that this process holds on the clipboard: a copied task (with copies of its
// child tasks) and a list of copied task steps. The reference passes keep them up to date, so
// that a later paste brings back no stale reference.
#include "model/TaskKav.h"
#include "platform/ObjectList.h"

inline constexpr char kTaskCopyFormat[] = "CF_KAVRO_TASK_COPY";
inline constexpr char kTaskStepsCopyFormat[] = "CF_KAVRO_TASKSTEPS_COPY";

// What is put on the clipboard under kTaskStepsCopyFormat.
using TaskStepClipboardList = OwningList<CTaskStep>;

// The task this process copied, or null.
CTaskKav* GetClipboardTask();
// The steps this process copied, or null.
TaskStepClipboardList* GetClipboardTaskSteps();
