#pragma once
// Every test of a program that links the test support starts and ends with the global state
// reset: no current project, empty message buffer and clipboard, VORNAK mode off, fresh
// settings, no user folders, a fresh scripted interaction, the system clock, a fixed random seed, no deletion hook,
// no receiver of changed tasks,
// the standard action catalogue, an empty GUI builder database and one candidate per choice
// for the satisfying-value search.
#include "platform/Interaction.h"

void ResetGlobalState();

// The scripted interaction installed for the running test: queue answers, read the messages.
ScriptedInteraction& TestInteraction();
