#include "CliCommand.h"
#include "CliSession.h"
#include "base/MessageReporter.h"
#include "reports/ReportFiles.h"
#include "reports/ReportGenerator.h"
#include "reports/ReportWriter.h"

namespace {

// Opens FILE as the Open command does, shows it as the desktop does (the
// load-time rules run) and writes the report page that the Report command
// would show, with the pictures it needs beside it.
int report(const QCommandLineParser &arguments)
{
    const QStringList args = arguments.positionalArguments();
    ReportKind kind;
    if (args[0] == QLatin1String("handout"))
        kind = ReportKind::Handout;
    else if (args[0] == QLatin1String("detailed"))
        kind = ReportKind::Detailed;
    else {
        showMessage(QStringLiteral("The report is \"handout\" or \"detailed\", not \"%1\".").arg(args[0]),
            MsgStyle::IconError);
        return CliExit::Usage;
    }
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    const auto document = session.openDocument(args[1]);
    if (!document)
        return CliExit::Failed;
    // A range failure is shown as the desktop shows it; the report still
    // shows the profile.
    document->RunLoadTimeRules();
    const std::optional<QString> page
        = CReportGenerator(*document, session.context().language()).generate(kind);
    if (!page)
        return CliExit::Failed;
    return ReportWriter::WriteReportTo(args[2], *page, ReportFiles::ReportFolder()) ? CliExit::Success
                                                                                    : CliExit::Failed;
}

} // namespace

QList<CliCommand> reportCommands()
{
    return {
        { "report", "report handout|detailed FILE OUT",
            "Writes the customer handout or the detailed report of the profile FILE as the HTML page OUT, "
            "with the pictures it shows beside it.",
            {}, 3, 3, report },
    };
}
