#include "CliCommand.h"
#include "CliSession.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/TextFile.h"
#include "document/ProfileDocument.h"
#include "document/ProfileFileCheck.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

int decode(const QCommandLineParser &arguments)
{
    const QStringList args = arguments.positionalArguments();
    QString text;
    if (!ReadTextFile(args[0], text)) {
        showMessage(QStringLiteral("Cannot read \"%1\".").arg(args[0]), MsgStyle::IconError);
        return CliExit::Failed;
    }
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
    return CliExit::Success;
}

int encode(const QCommandLineParser &arguments)
{
    const QStringList args = arguments.positionalArguments();
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

int check(const QCommandLineParser &arguments)
{
    const QStringList args = arguments.positionalArguments();
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
int rules(const QCommandLineParser &arguments)
{
    const QStringList args = arguments.positionalArguments();
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
    return CConfigStore::installFilePath(
        QStringLiteral("profiletemplate"), nameOrPath + QStringLiteral(".kv9"));
}

int newProfile(const QCommandLineParser &arguments)
{
    const QStringList args = arguments.positionalArguments();
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
        { "decode", "decode FILE", "Prints the text of a profile file (plain or scrambled) as UTF-8.", {}, 1,
            1, decode },
        { "encode", "encode TEXTFILE OUT", "Writes a UTF-8 text file as a profile file.", {}, 2, 2, encode },
        { "check", "check FILE", "Whether FILE may be opened: frequencies, schema, region, codeplug version.",
            {}, 1, 1, check },
        { "rules", "rules FILE OUT",
            "Opens FILE, runs the rules that showing a profile runs and saves it to OUT.", {}, 2, 2, rules },
        { "new", "new TEMPLATE OUT", "A new profile from a template (its name or a path), saved to OUT.", {},
            2, 2, newProfile },
    };
}
