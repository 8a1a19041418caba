#include "operations/RadioIdentityFields.h"

#include "codeplug/VirtualCP.h"
#include "operations/RadioChecks.h"

namespace {

QString identityCharacter(uint8_t byte)
{
    return byte ? QString(QChar(byte)) : QString();
}

} // namespace

QList<QPair<QString, QString>> radioIdentityFields(const RadioIdentity &identity)
{
    QString model;
    for (uint8_t letter : identity.modelLetters)
        model += QChar(letter);
    for (uint8_t digit : identity.modelDigits)
        model += QString::number(digit);
    return {
        { QStringLiteral("model"), model },
        { QStringLiteral("firmware_phase"), identityCharacter(identity.firmwarePhase) },
        { QStringLiteral("firmware_version"), identityCharacter(identity.firmwareVersion) },
        { QStringLiteral("firmware_revision"), identityCharacter(identity.firmwareRevision) },
        { QStringLiteral("codeplug_phase"), identityCharacter(identity.codeplugPhase) },
        { QStringLiteral("codeplug_version"), QString::number(identity.codeplugVersion) },
        { QStringLiteral("password"), RadioChecks::RadioPassword(identity) },
        { QStringLiteral("max_valid_freqs"), QString::number(identity.frequencyCount) },
        { QStringLiteral("serial_clone_compatibility"),
            QString::number(identity.serial_clone_compatibility) },
        { QStringLiteral("maxCodes"), QString::number(identity.maxCodes) },
    };
}
