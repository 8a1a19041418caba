#include "CliCommand.h"
#include "CliFiles.h"
#include "CliReporter.h"
#include "CliSession.h"
#include "base/MessageReporter.h"
#include "base/VelaException.h"
#include "codeplug/DataAdaptor.h"
#include "codeplug/VirtualCP.h"
#include "document/ProfileDocument.h"

#include <cstdio>
#include <cstring>

namespace {

bool parseIdentity(const QString &hex, RadioIdentity &identity)
{
    const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
    if (hex.isEmpty() || hex.size() != 2 * qsizetype(sizeof(RadioIdentity))
        || bytes.size() != qsizetype(sizeof(RadioIdentity)) || bytes.toHex() != hex.toLower().toLatin1()) {
        std::fprintf(
            stderr, "velacps-cli: --identity takes %d hexadecimal digits\n", int(2 * sizeof(RadioIdentity)));
        return false;
    }
    std::memcpy(&identity, bytes.constData(), sizeof(RadioIdentity));
    return true;
}

const QCommandLineOption kIdentityOption(QStringLiteral("identity"),
    QStringLiteral("The 21-byte identity of the radio, as 42 hexadecimal digits."), QStringLiteral("HEX"));
const QCommandLineOption kSaveOption(QStringLiteral("save"),
    QStringLiteral("Saves a new profile made from the image to OUT."), QStringLiteral("OUT"));

int toImage(const QCommandLineParser &arguments)
{
    RadioIdentity identity;
    if (arguments.isSet(kIdentityOption) && !parseIdentity(arguments.value(kIdentityOption), identity))
        return CliExit::Usage;
    const QStringList paths = arguments.positionalArguments();
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    const auto document = session.openDocument(paths[0]);
    if (!document)
        return CliExit::Failed;
    VirtualCP image {};
    try {
        if (document->GetVirtualCPData(image, identity) != 1)
            return CliExit::Failed;
    } catch (const CVelaCPSException &exception) {
        showMessage(exception.text(), MsgStyle::IconError);
        return CliExit::Failed;
    }
    const QByteArray bytes(reinterpret_cast<const char *>(&image), sizeof image);
    return writeOutputFile(paths[1], bytes, false) ? CliExit::Success : CliExit::Failed;
}

int fromImage(const QCommandLineParser &arguments)
{
    const QStringList args = arguments.positionalArguments();
    const bool save = arguments.isSet(kSaveOption);
    VirtualCP image {};
    if (!readImageFile(args[0], image))
        return CliExit::Failed;
    if (!save) {
        QString text;
        try {
            if (!CDataAdaptor::VirtualCP2XML(image, text))
                return CliExit::Failed;
        } catch (const CVelaCPSException &exception) {
            showMessage(exception.text(), MsgStyle::IconError);
            return CliExit::Failed;
        }
        return printToStandardOutput(text.toUtf8()) ? CliExit::Success : CliExit::Failed;
    }
    CliSession session;
    if (!session.start())
        return CliExit::Failed;
    CliReporter::setInputFile(args[0]);
    const auto document = session.newDocument();
    if (!document->NewFromImage(image))
        return CliExit::Failed;
    return CliSession::showAndSave(*document, arguments.value(kSaveOption));
}

} // namespace

QList<CliCommand> imageCommands()
{
    return {
        { "to-image", "to-image FILE OUT [--identity HEX]",
            "Writes the 2148-byte codeplug image of a profile to OUT.", { kIdentityOption }, 2, 2, toImage },
        { "from-image", "from-image IMAGE [--save OUT]",
            "Prints the profile text of a codeplug image, or saves a new profile made from it.",
            { kSaveOption }, 1, 1, fromImage },
    };
}
