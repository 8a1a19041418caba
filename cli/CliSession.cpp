#include "CliSession.h"

#include "CliCommand.h"
#include "CliFiles.h"
#include "CliReporter.h"
#include "base/VelaException.h"
#include "document/ProfileFileCheck.h"

bool CliSession::checkProfileFile(const QString &path) const
{
    CliReporter::setInputFile(path);
    // A file that cannot be read is named in the tool's own words.
    QString text;
    return readInputText(path, text) && ProfileFileCheck::CheckProfileFile(path, m_context.settings());
}

std::unique_ptr<CProfileDocument> CliSession::openDocument(const QString &path) const
{
    if (!checkProfileFile(path))
        return nullptr;
    auto document = newDocument();
    return document->Open(path) ? std::move(document) : nullptr;
}

bool CliSession::loadsAsProfile(const QString &path, const QString &text) const
{
    CliReporter::setInputFile(path);
    try {
        CRadioDataModel model(m_context.versionRules());
        return model.LoadProfile(text, false);
    } catch (const CVelaCPSException &exception) {
        showMessage(exception.text(), MsgStyle::IconError);
        return false;
    }
}

std::unique_ptr<CProfileDocument> CliSession::newDocument() const
{
    return std::make_unique<CProfileDocument>(m_context.versionRules());
}

int CliSession::showAndSave(CProfileDocument &document, const QString &path)
{
    return document.loadTimeRulesPassed() && document.Save(path) ? CliExit::Success : CliExit::Failed;
}
