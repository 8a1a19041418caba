#include "CliCommand.h"
#include "CliFiles.h"
#include "CliSession.h"
#include "base/MessageReporter.h"
#include "document/ChannelCsv.h"
#include "document/ChannelCsvImport.h"

namespace {

const QCommandLineOption kDryRun(
    QStringLiteral("dry-run"), QStringLiteral("Lists what would change; writes nothing."));
const QCommandLineOption kOutput(QStringLiteral("output"),
    QStringLiteral("Saves the profile to OUT instead of FILE."), QStringLiteral("OUT"));
const QCommandLineOption kPartial(
    QStringLiteral("partial"), QStringLiteral("Saves the rows that are taken even when others are refused."));

int exportCsv(const QCommandLineParser &arguments)
{
    const QStringList args = arguments.positionalArguments();
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    const auto document = session.openDocument(args[0]);
    if (!document)
        return CliExit::Failed;
    return writeOutputFile(args[1], ChannelCsv::Export(document->root(), document->powerClass()), true)
        ? CliExit::Success
        : CliExit::Failed;
}

// Prints what the import does row by row; refused rows make it fail, and
// then nothing is saved unless --partial.
int importCsv(const QCommandLineParser &arguments)
{
    const QStringList args = arguments.positionalArguments();
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    QByteArray bytes;
    if (!readInputFile(args[1], ChannelCsv::kMaxBytes, bytes))
        return CliExit::Failed;
    const auto document = session.openDocument(args[0]);
    if (!document || !document->loadTimeRulesPassed())
        return CliExit::Failed;
    const CChannelCsvImport import(bytes);
    const bool dryRun = arguments.isSet(kDryRun);
    const ChannelImportReport report
        = dryRun ? import.preview(*document) : import.apply(*document, arguments.isSet(kPartial));
    if (!report.formatError.isEmpty()) {
        showMessage(report.formatError, MsgStyle::IconError);
        return CliExit::Failed;
    }
    if (!printToStandardOutput(report.text().toUtf8() + '\n'))
        return CliExit::Failed;
    if (report.refusedRows > 0)
        showMessage(QStringLiteral("%1 row(s) refused.").arg(report.refusedRows), MsgStyle::IconWarning);
    if (dryRun || !report.kept)
        return report.refusedRows > 0 ? CliExit::Failed : CliExit::Success;
    const QString output = arguments.isSet(kOutput) ? arguments.value(kOutput) : args[0];
    if (!document->Save(output))
        return CliExit::Failed;
    return report.refusedRows > 0 ? CliExit::Failed : CliExit::Success;
}

} // namespace

QList<CliCommand> channelCsvCommands()
{
    return {
        { "export-csv", "export-csv FILE OUT.csv", "Writes the channels of a profile as a CSV channel list.",
            {}, 2, 2, exportCsv },
        { "import-csv", "import-csv FILE IN.csv [--dry-run] [--output OUT] [--partial]",
            "Imports a CSV channel list into a profile, listing row by row what changes and what is lost.",
            { kDryRun, kOutput, kPartial }, 2, 2, importCsv },
    };
}
