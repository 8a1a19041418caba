#include "CliSession.h"

#include "settings/ProfileFileCheck.h"

bool CliSession::checkProfileFile(const QString &path) const
{
    return ProfileFileCheck::CheckProfileFile(path, m_context.settings());
}
