#include "MessageReporter.h"

#include <cstdio>

namespace {
MessageReporter *g_installed = nullptr;
}

MessageReporter &MessageReporter::current()
{
    static StderrReporter fallback;
    return g_installed ? *g_installed : fallback;
}

void MessageReporter::install(MessageReporter *reporter)
{
    g_installed = reporter;
}

int StderrReporter::show(const QString &text, unsigned style)
{
    // The exact text, ended by one line break.
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
    switch (style & MsgStyle::ButtonMask) {
    case MsgStyle::YesNo:
    case MsgStyle::YesNoCancel:
        return m_answerYes ? MsgAnswer::Yes : MsgAnswer::No;
    case MsgStyle::OkCancel:
        return m_answerYes ? MsgAnswer::Ok : MsgAnswer::Cancel;
    default:
        return MsgAnswer::Ok;
    }
}
