#include "HookMessages.h"

#include <QtGlobal>

namespace {
constexpr HookMessage kHookMessages[] = {
    {3000, QT_TRANSLATE_NOOP("StringTable", "The value is not valid.")},
};
}

std::span<const HookMessage> hookMessages()
{
    return kHookMessages;
}
