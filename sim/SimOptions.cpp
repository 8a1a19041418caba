#include "SimOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace {

struct FaultName {
    const char *name;
    SimOptions::Fault fault;
};

constexpr FaultName kFaults[] = {
    { "none", SimOptions::Fault::None },
    { "silent", SimOptions::Fault::Silent },
    { "bad-checksum", SimOptions::Fault::BadChecksum },
    { "refuse-write", SimOptions::Fault::RefuseWrite },
    { "garbage", SimOptions::Fault::Garbage },
    { "drop-byte", SimOptions::Fault::DropByte },
    { "forget-write", SimOptions::Fault::ForgetWrite },
};

// "FIRST-LAST", two hexadecimal addresses of the emulated memory.
bool parseRange(const QString &text, SimOptions &options, QString &error)
{
    const QStringList bounds = text.split(QLatin1Char('-'));
    bool firstOk = false, lastOk = false;
    const uint first = bounds.size() == 2 ? bounds[0].toUInt(&firstOk, 16) : 0;
    const uint last = bounds.size() == 2 ? bounds[1].toUInt(&lastOk, 16) : 0;
    if (!firstOk || !lastOk || first > last || first < 0x10000 || last > 0x2FFFF) {
        error = QStringLiteral("--fault-range needs two hexadecimal addresses FIRST-LAST from 10000 to "
                               "2FFFF, not \"%1\"")
                    .arg(text);
        return false;
    }
    options.forgetFirst = first;
    options.forgetLast = last;
    return true;
}

bool parseNumber(
    const QCommandLineParser &parser, const QString &name, int low, int high, int &value, QString &error)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const int parsed = parser.value(name).toInt(&ok);
    if (!ok || parsed < low || parsed > high) {
        error = QStringLiteral("--%1 needs a number from %2 to %3, not \"%4\"")
                    .arg(name)
                    .arg(low)
                    .arg(high)
                    .arg(parser.value(name));
        return false;
    }
    value = parsed;
    return true;
}

} // namespace

bool SimOptions::parse(const QStringList &arguments, SimOptions &options, QString &error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Emulates a radio on a pseudo-terminal for the radio link. Prints the terminal's path on the "
        "first line of its output, then answers requests until it is stopped by a signal."));
    parser.addHelpOption();
    parser.addOptions({
        { QStringLiteral("model"), QStringLiteral("Model code: three letters, five digits."),
            QStringLiteral("code") },
        { QStringLiteral("firmware"),
            QStringLiteral("Firmware phase, version and revision characters, e.g. R17."),
            QStringLiteral("pvr") },
        { QStringLiteral("codeplug-version"), QStringLiteral("Codeplug version number (0-255)."),
            QStringLiteral("n") },
        { QStringLiteral("password"), QStringLiteral("Codeplug password, at most four characters."),
            QStringLiteral("text") },
        { QStringLiteral("memory-status"), QStringLiteral("Memory status the radio reports (0-31)."),
            QStringLiteral("n") },
        { QStringLiteral("max-codes"), QStringLiteral("Highest code number the radio supports (0-255)."),
            QStringLiteral("n") },
        { QStringLiteral("channels"),
            QStringLiteral("Channel records in use (0-19; default: the model's tier)."),
            QStringLiteral("n") },
        { QStringLiteral("frequencies"), QStringLiteral("Frequency records in use (0-99)."),
            QStringLiteral("n") },
        { QStringLiteral("memory"), QStringLiteral("Load the radio's memory from this file."),
            QStringLiteral("file") },
        { QStringLiteral("save"), QStringLiteral("Save the radio's memory to this file when stopped."),
            QStringLiteral("file") },
        { QStringLiteral("fault"),
            QStringLiteral(
                "One of none, silent, bad-checksum, refuse-write, garbage, drop-byte, forget-write."),
            QStringLiteral("name") },
        { QStringLiteral("fault-range"),
            QStringLiteral("The memory a forget-write radio keeps, as hexadecimal FIRST-LAST (default: "
                           "all of it)."),
            QStringLiteral("range") },
        { QStringLiteral("fault-after"),
            QStringLiteral("Answer this many requests soundly before the fault."), QStringLiteral("n") },
        { QStringLiteral("fault-once"), QStringLiteral("Let the fault hit one reply only.") },
        { QStringLiteral("radios"),
            QStringLiteral("Emulates n radios, each on its own terminal with its own serial (1-64); "
                           "prints one terminal a line."),
            QStringLiteral("n") },
        { QStringLiteral("swap-every"),
            QStringLiteral("Changes the radio behind a terminal for one with a new serial after each "
                           "completed write, or after s seconds without a write, answering nothing for a "
                           "moment in between."),
            QStringLiteral("s") },
        { QStringLiteral("fault-radio"),
            QStringLiteral("Gives the fault to the n-th radio only (default: every radio)."),
            QStringLiteral("n") },
        { QStringLiteral("pace"), QStringLiteral("Send every byte at the cable's wire speed (16406 baud).") },
        { QStringLiteral("verbose"), QStringLiteral("Log every request on standard error.") },
    });
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        error = parser.helpText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return false;
    }

    for (const QString &name : { QStringLiteral("model"), QStringLiteral("firmware"),
             QStringLiteral("codeplug-version"), QStringLiteral("password"), QStringLiteral("max-codes"),
             QStringLiteral("channels"), QStringLiteral("frequencies") }) {
        if (parser.isSet(name))
            options.given << name;
    }
    if (parser.isSet(QStringLiteral("model"))) {
        options.model = parser.value(QStringLiteral("model"));
        if (!QRegularExpression(QStringLiteral("^[A-Za-z]{3}[0-9]{5}$")).match(options.model).hasMatch()) {
            error = QStringLiteral("--model needs three letters and five digits, not \"%1\"")
                        .arg(options.model);
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("firmware"))) {
        options.firmware = parser.value(QStringLiteral("firmware"));
        if (options.firmware.size() != 3 || options.firmware.toLatin1().size() != 3) {
            error = QStringLiteral("--firmware needs three characters (phase, version, revision), not \"%1\"")
                        .arg(options.firmware);
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("password"))) {
        options.password = parser.value(QStringLiteral("password"));
        if (options.password.toLatin1().size() > 4) {
            error = QStringLiteral("--password takes at most four characters");
            return false;
        }
    }
    // A radio holds as many channels as its tier (model digits 2-3).
    const int tier = options.model.mid(4, 2).toInt();
    if (tier > 0)
        options.channels = qMin(tier, 19);
    if (!parseNumber(parser, QStringLiteral("codeplug-version"), 0, 255, options.codeplugVersion, error)
        || !parseNumber(parser, QStringLiteral("memory-status"), 0, 31, options.memoryStatus, error)
        || !parseNumber(parser, QStringLiteral("max-codes"), 0, 255, options.maxCodes, error)
        || !parseNumber(parser, QStringLiteral("channels"), 0, 19, options.channels, error)
        || !parseNumber(parser, QStringLiteral("frequencies"), 0, 99, options.frequencies, error)
        || !parseNumber(parser, QStringLiteral("fault-after"), 0, 1000000, options.faultAfter, error)
        || !parseNumber(parser, QStringLiteral("radios"), 1, 64, options.radios, error)
        || !parseNumber(parser, QStringLiteral("swap-every"), 1, 86400, options.swapEverySeconds, error)
        || !parseNumber(parser, QStringLiteral("fault-radio"), 1, options.radios, options.faultRadio, error))
        return false;

    if (parser.isSet(QStringLiteral("fault"))) {
        const QString name = parser.value(QStringLiteral("fault"));
        bool known = false;
        for (const FaultName &fault : kFaults) {
            if (name == QLatin1String(fault.name)) {
                options.fault = fault.fault;
                known = true;
            }
        }
        if (!known) {
            error = QStringLiteral("unknown --fault \"%1\"").arg(name);
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("fault-range"))
        && !parseRange(parser.value(QStringLiteral("fault-range")), options, error))
        return false;
    options.memoryFile = parser.value(QStringLiteral("memory"));
    options.saveFile = parser.value(QStringLiteral("save"));
    if (!options.saveFile.isEmpty() && (options.radios > 1 || options.swapEverySeconds > 0)) {
        error = QStringLiteral("--save keeps the memory of one radio: not with --radios or --swap-every");
        return false;
    }
    options.faultOnce = parser.isSet(QStringLiteral("fault-once"));
    options.pace = parser.isSet(QStringLiteral("pace"));
    options.verbose = parser.isSet(QStringLiteral("verbose"));
    return true;
}
