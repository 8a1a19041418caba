#include "CliCommand.h"
#include "CliSession.h"
#include "base/ConfigStore.h"
#include "base/GeneratedData.h"
#include "base/MessageReporter.h"
#include "reports/ReportFiles.h"
#include "reports/ReportGenerator.h"
#include "reports/ReportWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <optional>

#include <sys/stat.h>

namespace {

const QCommandLineOption kForceOption(
    QStringLiteral("force"), QStringLiteral("Replace the page and pictures of an earlier report at OUT."));
const QCommandLineOption kLanguageOption(QStringLiteral("language"),
    QStringLiteral(
        "Write the page in LANGUAGE, one of the configured languages (\"German\", \"CaFrench\", ...), "
        "instead of the current language."),
    QStringLiteral("LANGUAGE"));

void fail(const QString &message)
{
    showMessage(message, MsgStyle::IconError);
}

std::optional<ReportKind> reportKind(const QString &name)
{
    if (name == QLatin1String("handout"))
        return ReportKind::Handout;
    if (name == QLatin1String("detailed"))
        return ReportKind::Detailed;
    fail(QStringLiteral("The report is \"handout\" or \"detailed\", not \"%1\".").arg(name));
    return std::nullopt;
}

// Installs the texts of language, as the desktop program does at start-up,
// so that labels, numbers and names of the page are all of one language.
bool useLanguage(const QString &language, QTranslator &translator)
{
    if (language == QLatin1String("English"))
        return true;
    const QString resource = GeneratedData::find(CConfigStore::resourceFilePath(language));
    if (resource.isEmpty() || !translator.load(resource)) {
        fail(QStringLiteral("The language \"%1\" is not configured or its translation is missing.")
                 .arg(language));
        return false;
    }
    QCoreApplication::installTranslator(&translator);
    return true;
}

// Whether both paths name one existing file (through a link too).
bool sameFile(const QString &a, const QString &b)
{
    struct stat first {
    }, second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0
        && ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

// Files of the user are replaced only when asked to.
bool mayReplace(const QString &out, const QString &page, bool force)
{
    const QStringList existing = ReportWriter::ReplacedFiles(out, page);
    if (force || existing.isEmpty())
        return true;
    fail(QStringLiteral("Not replaced without --force: %1").arg(existing.join(QStringLiteral(", "))));
    return false;
}

// Opens FILE as the Open command does, shows it as the desktop does (the
// load-time rules run) and writes the report page that the Report command
// would show, with the pictures it shows in a folder named after the page.
int report(const QCommandLineParser &arguments)
{
    const QStringList args = arguments.positionalArguments();
    const std::optional<ReportKind> kind = reportKind(args[0]);
    if (!kind)
        return CliExit::Usage;
    const QString &out = args[2];
    if (sameFile(args[1], out)) {
        fail(QStringLiteral("The report would replace the profile \"%1\": name another file.").arg(out));
        return CliExit::Failed;
    }
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    const QString language
        = arguments.isSet(kLanguageOption) ? arguments.value(kLanguageOption) : session.context().language();
    QTranslator translator;
    if (!useLanguage(language, translator))
        return CliExit::Failed;
    const auto document = session.openDocument(args[1]);
    if (!document)
        return CliExit::Failed;
    const std::optional<QString> page = CReportGenerator(*document, language).generate(*kind);
    if (!page || !mayReplace(out, *page, arguments.isSet(kForceOption)))
        return CliExit::Failed;
    QString why;
    if (!ReportWriter::SavePage(out, *page, ReportFiles::ReportFolder(), &why)) {
        fail(QStringLiteral("The report could not be written to \"%1\": %2.").arg(out, why));
        return CliExit::Failed;
    }
    return CliExit::Success;
}

} // namespace

QList<CliCommand> reportCommands()
{
    return {
        { "report", "report handout|detailed FILE OUT [--language LANGUAGE] [--force]",
            "Writes the customer handout or the detailed report of the profile FILE as the HTML page OUT, "
            "in the current language or LANGUAGE, with the pictures it shows in a folder named after it "
            "(mine_files for mine.htm). OUT may not be FILE; an earlier page or picture is replaced only "
            "with --force.",
            { kLanguageOption, kForceOption }, 3, 3, report },
    };
}
