#pragma once

#include "document/CommandVerdict.h"

// Shows what a profile command made of an action: each warning and notice, then the
// reason of a refusal (a refusal without one was shown where it arose).
void ShowVerdict(const CommandVerdict &verdict);

// Asks a command's question in a message box.
bool AskInMessageBox(const CommandQuestion &question);
