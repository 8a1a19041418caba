#include "CliCommand.h"
#include "CliFiles.h"
#include "CliSession.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/TextFile.h"

#include <QFileInfo>

namespace {

int decode(const QCommandLineParser &arguments)
{
    QString text;
    if (!readInputText(arguments.positionalArguments()[0], text) || !printToStandardOutput(text.toUtf8()))
        return CliExit::Failed;
    return CliExit::Success;
}

int encode(const QCommandLineParser &arguments)
{
    const QStringList args = arguments.positionalArguments();
    QByteArray utf8;
    if (!readInputFile(args[0], kMaxTextFileBytes, utf8))
        return CliExit::Failed;
    // Only a profile becomes a profile file: nothing is written that could
    // not be opened again.
    const QString text = QString::fromUtf8(utf8);
    CliSession session;
    if (!session.start() || !session.loadsAsProfile(args[0], text)
        || !writeOutputFile(args[1], EncodeProfileFile(text), true))
        return CliExit::Failed;
    return CliExit::Success;
}

int check(const QCommandLineParser &arguments)
{
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    return session.checkProfileFile(arguments.positionalArguments()[0]) ? CliExit::Success : CliExit::Failed;
}

// Opens FILE as the Open command does, runs the load-time rules as showing
// the profile does, and saves as the Save command does.
int rules(const QCommandLineParser &arguments)
{
    const QStringList args = arguments.positionalArguments();
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    const auto document = session.openDocument(args[0]);
    return document ? CliSession::showAndSave(*document, args[1]) : CliExit::Failed;
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
    if (!session.checkProfileFile(path))
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
        { "encode", "encode TEXTFILE OUT", "Writes a UTF-8 profile text as a profile file.", {}, 2, 2,
            encode },
        { "check", "check FILE",
            "Whether FILE may be opened: frequencies, schema, region, codeplug version, values the editors "
            "can set.",
            {}, 1, 1, check },
        { "rules", "rules FILE OUT",
            "Opens FILE, runs the rules that showing a profile runs and saves it to OUT.", {}, 2, 2, rules },
        { "new", "new TEMPLATE OUT", "A new profile from a template (its name or a path), saved to OUT.", {},
            2, 2, newProfile },
    };
}
