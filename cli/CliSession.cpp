#include "CliSession.h"

#include "CliCommand.h"
#include "document/ProfileFileCheck.h"

bool CliSession::checkProfileFile(const QString &path) const
{
    return ProfileFileCheck::CheckProfileFile(path, m_context.settings());
}

std::unique_ptr<CProfileDocument> CliSession::newDocument() const
{
    return std::make_unique<CProfileDocument>(m_context.versionRules());
}

int CliSession::showAndSave(CProfileDocument &document, const QString &path)
{
    // A range failure is shown but does not stop here: the save refuses it.
    document.RunLoadTimeRules();
    return document.Save(path) ? CliExit::Success : CliExit::Failed;
}
