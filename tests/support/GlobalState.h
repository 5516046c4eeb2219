#pragma once
// Every test of a program that links the test support starts and ends with the global state
// reset: no current project, empty message buffer and clipboard, no file fault injector, VORNAK
// mode off, fresh settings, no command-line values, no user folders, a fresh scripted
// interaction, the system clock, the real tool runner, a fixed random seed, no deletion or undo
// hook, no receiver of changed tasks, the standard action catalogue, an empty GUI builder
// database and one candidate per choice for the satisfying-value search.
#include "platform/Interaction.h"

void ResetGlobalState();

// The scripted interaction installed for the running test: queue answers, read the messages.
ScriptedInteraction& TestInteraction();
