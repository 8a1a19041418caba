#include "CliSession.h"

#include "CliCommand.h"
#include "CliFiles.h"
#include "CliReporter.h"
#include "document/ProfileFileCheck.h"

bool CliSession::checkProfileFile(const QString &path) const
{
    CliReporter::setInputFile(path);
    // The check refuses a file it cannot read without a word.
    QString text;
    return readInputText(path, text) && ProfileFileCheck::CheckProfileFile(path, m_context.settings());
}

std::unique_ptr<CProfileDocument> CliSession::openDocument(const QString &path) const
{
    CliReporter::setInputFile(path);
    QString text;
    if (!readInputText(path, text))
        return nullptr;
    auto document = newDocument();
    return document->Open(path) ? std::move(document) : nullptr;
}

std::unique_ptr<CProfileDocument> CliSession::newDocument() const
{
    return std::make_unique<CProfileDocument>(m_context.versionRules());
}

int CliSession::showAndSave(CProfileDocument &document, const QString &path)
{
    return document.RunLoadTimeRules() && document.Save(path) ? CliExit::Success : CliExit::Failed;
}
