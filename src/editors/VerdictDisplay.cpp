#include "VerdictDisplay.h"

#include "base/MessageReporter.h"

void ShowVerdict(const CommandVerdict &verdict)
{
    for (const QString &warning : verdict.warnings)
        showMessage(warning, MsgStyle::IconWarning);
    for (const QString &notice : verdict.notices)
        showMessage(notice, MsgStyle::IconInformation);
    if (verdict.kind == CommandVerdict::Refused && !verdict.message.isEmpty())
        showMessage(verdict.message, verdict.style);
}

bool AskInMessageBox(const CommandQuestion &question)
{
    const int answer = showMessage(question.text, question.style);
    return answer == MsgAnswer::Yes || answer == MsgAnswer::Ok;
}
