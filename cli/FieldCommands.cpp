// get and set: a profile's fields by the names of the field catalogue.

#include "CliCommand.h"
#include "CliFiles.h"
#include "CliSession.h"
#include "base/MessageReporter.h"
#include "codeplug/ProfileFields.h"
#include "document/FieldAssignments.h"

#include <QRegularExpression>

#include <cstdio>

namespace {

const QCommandLineOption kYesOption(QStringLiteral("yes"), QStringLiteral("Answers every question Yes."));
const QCommandLineOption kOutputOption(
    QStringLiteral("output"), QStringLiteral("Saves to OUT instead of FILE."), QStringLiteral("OUT"));

// A field name without its element's number stands for that field of
// every element: "channel.name" is channel[1].name, channel[2].name, ...
QString withoutNumber(const QString &name)
{
    static const QRegularExpression number(QStringLiteral(R"(\[\d+\])"));
    return QString(name).remove(number);
}

// Starts the session and opens the profile file as the Open command does;
// null after the message.
std::unique_ptr<CProfileDocument> openProfile(CliSession &session, const QString &path)
{
    return session.start() ? session.openDocument(path) : nullptr;
}

QByteArray line(const QString &name, const QString &value)
{
    return (name + QLatin1Char('=') + value + QLatin1Char('\n')).toUtf8();
}

int get(const QCommandLineParser &arguments)
{
    QStringList wanted = arguments.positionalArguments();
    const QString path = wanted.takeFirst();
    CliSession session;
    const auto document = openProfile(session, path);
    if (!document)
        return CliExit::Failed;
    const QList<QPair<QString, QString>> values = profileFieldValues(document->root());
    QByteArray out;
    for (const QString &name : wanted) {
        const qsizetype before = out.size();
        for (const auto &[field, value] : values) {
            if (field == name || withoutNumber(field) == name)
                out += line(field, value);
        }
        if (out.size() == before) {
            showMessage(
                QStringLiteral("%1: the profile has no field %2.").arg(path, name), MsgStyle::IconError);
            return CliExit::Failed;
        }
    }
    if (wanted.isEmpty()) {
        for (const auto &[field, value] : values)
            out += line(field, value);
    }
    return printToStandardOutput(out) ? CliExit::Success : CliExit::Failed;
}

int set(const QCommandLineParser &arguments)
{
    QStringList texts = arguments.positionalArguments();
    const QString path = texts.takeFirst();
    QList<FieldAssignment> assignments;
    for (const QString &text : texts) {
        QString error;
        const auto assignment = parseAssignment(text, error);
        if (!assignment) {
            showMessage(error, MsgStyle::IconError);
            return CliExit::Failed;
        }
        assignments << *assignment;
    }
    CliSession session;
    const auto document = openProfile(session, path);
    if (!document)
        return CliExit::Failed;
    const bool yes = arguments.isSet(kYesOption);
    QString unanswered;
    const CommandVerdict verdict
        = applyAssignments(*document, assignments, [&](const CommandQuestion &question) {
              if (!yes)
                  unanswered = question.text;
              return yes;
          });
    for (const QString &notice : verdict.notices)
        showMessage(notice, MsgStyle::IconInformation);
    if (!unanswered.isEmpty()) {
        std::fprintf(stderr, "velacps-cli: a question needs --yes to go on: %s\n", qPrintable(unanswered));
        return CliExit::Failed;
    }
    if (!verdict.accepted()) {
        const QString message
            = verdict.message.isEmpty() ? QStringLiteral("Invalid Value.") : verdict.message;
        showMessage(message, verdict.style ? verdict.style : unsigned(MsgStyle::IconWarning));
        return CliExit::Failed;
    }
    const QString output = arguments.isSet(kOutputOption) ? arguments.value(kOutputOption) : path;
    return document->Save(output) ? CliExit::Success : CliExit::Failed;
}

// The grammar and every field a dealer may set, for set --help.
const char *setSummary()
{
    static const QByteArray summary = [] {
        QByteArray text = "Edits FILE with the rules of the desktop program and saves it.\n"
                          "An ASSIGNMENT is NAME=VALUE. NAME is element.attribute for the single\n"
                          "elements (setting.powerupString) and element[N].attribute, counted from 1,\n"
                          "for the repeating ones (channel[3].rx_freq_ndx, preset[1].channel).\n"
                          "channel[N].rx and channel[N].tx take a frequency in MHz and choose its row\n"
                          "of the RF frequency table. Listed values are given as stored (numbers).\n"
                          "A row of the RF frequency table changes as its Edit does (frequency[N].freq\n"
                          "in Hz); frequency[N].freq one past the last row adds a row as Add does.\n"
                          "frequency[N].bandwidth: 0 12.5 kHz only, 1 25 kHz only, 2 and 3 either\n"
                          "(12.5 or 25 kHz by default); frequency[N].power_level: 0 low only, 1 high\n"
                          "only, 2 and 3 either (low or high by default); compander 2 on, 3 off.\n"
                          "The password is setting.password with setting.passwordConfirm.\n"
                          "All assignments apply in order as one change, or none does; a refusal\n"
                          "or a question not answered by --yes exits 1.\n\nfields:\n";
        for (const codeplug::ProfileField &field : codeplug::profileFields()) {
            if (field.kind == codeplug::ValueKind::Fixed)
                continue;
            const QString name = field.repeats()
                ? field.elementName() + QStringLiteral("[N].") + QLatin1String(field.attribute)
                : field.name();
            text += QStringLiteral("  %1  %2 (%3)\n")
                        .arg(name, -36)
                        .arg(QLatin1String(field.caption), codeplug::fieldDomain(field))
                        .toUtf8();
        }
        text += "  channel[N].rx, channel[N].tx          a frequency of the RF frequency table, in MHz\n"
                "  setting.passwordConfirm               the password again\n";
        return text;
    }();
    return summary.constData();
}

} // namespace

QList<CliCommand> fieldCommands()
{
    return {
        { "get", "get FILE [FIELD...]",
            "Prints the fields of a profile (all of them, or those named), one name=value a line.", {}, 1,
            1024, get },
        { "set", "set FILE ASSIGNMENT... [--yes] [--output OUT]", setSummary(), { kYesOption, kOutputOption },
            2, 1024, set },
    };
}
