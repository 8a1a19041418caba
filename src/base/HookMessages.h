#pragma once

#include <span>

// String-table entries for the message ids that DataProfile.js returns from
// its hooks. The ids are part of the contract between the program and the
// hook script: a script names a message by id, the program shows its text.
struct HookMessage {
    int id;
    const char *text; // English source text, translated in "StringTable"
};

std::span<const HookMessage> hookMessages();
