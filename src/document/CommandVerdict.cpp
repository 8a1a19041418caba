#include "CommandVerdict.h"

#include "base/StringTable.h"
#include "model/DataItem.h"

CommandVerdict hookRefusal(const HookVerdict &verdict)
{
    return CommandVerdict::refused(
        verdict.msgId != 0 ? StringTable::text(verdict.msgId) : QString(), unsigned(verdict.style));
}
