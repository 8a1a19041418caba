#include "CliCommand.h"
#include "CliSession.h"
#include "base/MessageReporter.h"
#include "document/ProfileDocument.h"
#include "base/TextFile.h"
#include "document/ProfileFileCheck.h"
#include "base/ConfigStore.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

int decode(const QStringList &args)
{
    QString text;
    if (!ReadTextFile(args[0], text)) {
        showMessage(QStringLiteral("Cannot read \"%1\".").arg(args[0]), MsgStyle::IconError);
        return CliExit::Failed;
    }
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    return CliExit::Success;
}

int encode(const QStringList &args)
{
    QFile input(args[0]);
    if (!input.open(QIODevice::ReadOnly)) {
        showMessage(QStringLiteral("Cannot read \"%1\".").arg(args[0]), MsgStyle::IconError);
        return CliExit::Failed;
    }
    const QString text = QString::fromUtf8(input.readAll());
    QString error;
    if (!WriteFileSafely(args[1], EncodeProfileFile(text), &error)) {
        showMessage(QStringLiteral("Cannot write \"%1\": %2").arg(args[1], error), MsgStyle::IconError);
        return CliExit::Failed;
    }
    return CliExit::Success;
}

int check(const QStringList &args)
{
    // The check refuses a file it cannot read without a word; say why here.
    QString text;
    if (!ReadTextFile(args[0], text)) {
        showMessage(QStringLiteral("Cannot read \"%1\".").arg(args[0]), MsgStyle::IconError);
        return CliExit::Failed;
    }
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    return session.checkProfileFile(args[0]) ? CliExit::Success : CliExit::Failed;
}

// Opens FILE as the Open command does, runs the load-time rules as showing
// the profile does, and saves as the Save command does.
int rules(const QStringList &args)
{
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    const auto document = session.newDocument();
    if (!document->Open(args[0]))
        return CliExit::Failed;
    return CliSession::showAndSave(*document, args[1]);
}

// A template named as the New Profile dialog lists it, or a path.
QString templatePath(const QString &nameOrPath)
{
    if (QFileInfo::exists(nameOrPath))
        return nameOrPath;
    return CConfigStore::installFilePath(QStringLiteral("profiletemplate"), nameOrPath + QStringLiteral(".kv9"));
}

int newProfile(const QStringList &args)
{
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    const QString path = templatePath(args[0]);
    if (!QFileInfo::exists(path)) {
        showMessage(QStringLiteral("There is no profile template \"%1\".").arg(args[0]), MsgStyle::IconError);
        return CliExit::Failed;
    }
    if (!ProfileFileCheck::CheckProfileFile(path, session.context().settings()))
        return CliExit::Failed;
    const auto document = session.newDocument();
    if (!document->NewFromTemplate(path))
        return CliExit::Failed;
    return CliSession::showAndSave(*document, args[1]);
}

} // namespace

QList<CliCommand> profileFileCommands()
{
    return {
        makeCommand("decode", "decode FILE", 1, 1, decode),
        makeCommand("encode", "encode TEXTFILE OUT", 2, 2, encode),
        makeCommand("check", "check FILE", 1, 1, check),
        makeCommand("rules", "rules FILE OUT", 2, 2, rules),
        makeCommand("new", "new TEMPLATE OUT", 2, 2, newProfile),
    };
}
