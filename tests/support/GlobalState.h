#pragma once
// Every test of a program that links the test support starts and ends with the global state
// reset: no current project, empty message buffer and clipboard, VORNAK mode off, fresh
// settings, no user folders, a fresh scripted interaction, the system clock, a fixed random seed, no deletion hook,
// no receiver of changed tasks,
// the standard action catalogue and an empty GUI builder database.
#include "platform/Interaction.h"

void ResetGlobalState();

// The scripted interaction installed for the running test: queue answers, read the messages.
ScriptedInteraction& TestInteraction();
