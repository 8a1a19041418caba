#include "operations/RadioChecks.h"

#include "base/MessageReporter.h"
#include "codeplug/CodePageText.h"
#include "codeplug/CodeplugBits.h"
#include "codeplug/VirtualCP.h"
#include "document/ProfileDocument.h"
#include "document/ProfileFileCheck.h"
#include "settings/ModelRules.h"
#include "settings/SettingsDocuments.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>

namespace RadioChecks {

namespace {

QString notCompatibleText()
{
    return QCoreApplication::translate(
        "RadioChecks", "The current profile is not compatible with the radio.");
}

QString tierQuestion()
{
    return QCoreApplication::translate("RadioChecks",
        "When converting from high-tier radio to low-tier radio, some data may be lost. Do you want to "
        "continue?");
}

int tierOf(uint8_t tens, uint8_t units)
{
    return QStringLiteral("%1%2").arg(tens).arg(units).toInt();
}

QString profileModel(CProfileDocument &document)
{
    return ModelRules::ModelCode(document.root());
}

// A value of factory_setting or limit as the profile holds it.
qint64 profileNumber(CProfileDocument &document, const char *section, const char *attribute)
{
    CDataItem item;
    document.root().GetChildByName(QLatin1String(section), item);
    return item.GetAttributeValue(QLatin1String(attribute)).toLongLong();
}

bool refuse(const Show &show, const QString &message)
{
    show(message, MsgStyle::IconWarning);
    return false;
}

bool isFourOrFive(int power)
{
    return power == 4 || power == 5;
}

} // namespace

QString RegionCode(const RadioIdentity &identity)
{
    return QStringLiteral("%1%2").arg(identity.modelDigits[3]).arg(identity.modelDigits[4]);
}

QString RadioPassword(const RadioIdentity &identity)
{
    return codeplug::fieldText(identity.password, int(sizeof identity.password));
}

QString ImagePassword(const VirtualCP &image)
{
    return codeplug::fieldText(image.setting.password, int(sizeof image.setting.password));
}

bool CheckRegion(
    const RadioIdentity &identity, const CSettingsDocuments &settings, Transfer transfer, const Show &show)
{
    const QString region = RegionCode(identity);
    if (settings.isSupportedRegion(region))
        return true;
    if (transfer == Transfer::Write)
        return refuse(
            show, QCoreApplication::translate("RadioChecks", "The CPS does not support this radio model."));
    QString message
        = QCoreApplication::translate("RadioChecks", "The CPS does not support this radio's region.");
    const QString name = settings.regionNames().value(region.toInt());
    if (!name.isEmpty())
        message += QCoreApplication::translate("RadioChecks", " Please use the \"%1\".").arg(name);
    return refuse(show, message);
}

bool CheckCodeplugVersion(const RadioIdentity &identity, const CSettingsDocuments &settings, const Show &show)
{
    if (ProfileFileCheck::CodeplugVersionRule(
            settings, QChar(identity.codeplugPhase), identity.codeplugVersion))
        return true;
    return refuse(show,
        QCoreApplication::translate(
            "RadioChecks", "Codeplug version of CPS and radio are incompatible! Please update your CPS."));
}

bool CheckWriteCompatibility(CProfileDocument &document, const RadioIdentity &identity,
    const CSettingsDocuments &settings, const Show &show)
{
    const QString model = profileModel(document);
    if (model.right(2) != RegionCode(identity))
        return refuse(show,
            QCoreApplication::translate("RadioChecks",
                "The radio being programmed does not match the model in the current profile."));
    if (!CheckCodeplugVersion(identity, settings, show))
        return false;

    const int profilePower = model.size() > 3 ? model.at(3).digitValue() : -1;
    const int radioPower = identity.modelDigits[0];
    const QChar profileStyle = model.size() > 2 ? model.at(2) : QChar();
    const QChar radioStyle = QChar(identity.modelLetters[2]);
    if (isFourOrFive(profilePower) && radioPower == 2)
        return refuse(show, notCompatibleText());
    const bool rotaryAndDisplay = (profileStyle == QLatin1Char('R') && radioStyle == QLatin1Char('D'))
        || (profileStyle == QLatin1Char('D') && radioStyle == QLatin1Char('R'));
    const bool crossModel = (profilePower == 2 && isFourOrFive(radioPower))
        || (isFourOrFive(profilePower) && isFourOrFive(radioPower) && rotaryAndDisplay);
    if (!crossModel
        && uint8_t(profileNumber(document, "factory_setting", "serial_clone_compatibility"))
            != identity.serial_clone_compatibility)
        return refuse(show, notCompatibleText());

    if (model.size() < 2 || model.at(1) != QChar(identity.modelLetters[1]))
        return refuse(show,
            QCoreApplication::translate(
                "RadioChecks", "Invalid frequency: This frequency is not supported by this radio."));

    const QString codesLost = QCoreApplication::translate("RadioChecks",
        "Some profile information is not supported by the host radio and "
        "therefore will not be transferred(PL/DPL Code). ");
    const qint64 profileCodes = profileNumber(document, "limit", "maxCodes");
    if (profileCodes >= 123 && identity.maxCodes == 122
        && !ModelRules::CheckCustomCodes(document.root(), 122))
        return refuse(show, codesLost);
    if (profileCodes >= 214 && identity.maxCodes == 213
        && !ModelRules::CheckCustomCodes(document.root(), 213))
        return refuse(show, codesLost);
    return true;
}

bool ConvertTier(VirtualCP &image, const RadioIdentity &identity, const Show &show)
{
    const int profileTier = tierOf(image.factory.modelDigits[1], image.factory.modelDigits[2]);
    const int radioTier = tierOf(identity.modelDigits[1], identity.modelDigits[2]);
    for (ChannelRecord &channel : image.channels) {
        if (channel.rx_code > identity.maxCodes)
            channel.rx_code = 1;
        if (channel.tx_code > identity.maxCodes)
            channel.tx_code = 1;
    }
    bool asked = false;
    if (radioTier < profileTier) {
        asked = true;
        if (show(tierQuestion(), MsgStyle::YesNo | MsgStyle::IconQuestion) != MsgAnswer::Yes)
            return false;
        SettingBlock &setting = image.setting;
        if (setting.numberChannels > radioTier)
            setting.numberChannels = uint8_t(radioTier);
        const int lastRecord = std::min(profileTier, int(codeplug::kChannelRecordCount));
        for (int k = radioTier; k < lastRecord; ++k)
            image.channels[k] = ChannelRecord {};
        if (setting.presetChannels[0] >= radioTier)
            setting.presetChannels[0] = 0;
        if (setting.presetChannels[1] >= radioTier)
            setting.presetChannels[1] = 1;
    }
    if (image.factory.modelLetters[2] != 'R' && identity.modelLetters[2] == 'R') {
        if (!asked && show(tierQuestion(), MsgStyle::YesNo | MsgStyle::IconQuestion) != MsgAnswer::Yes)
            return false;
        // A rotary radio has only the side buttons.
        for (unsigned slot : { codeplug::kLowerLeftButtonSlot, codeplug::kUpperRightButtonSlot,
                 codeplug::kLowerRightButtonSlot })
            codeplug::setButtonSlot(image.setting.buttons, slot, 0);
    }
    return true;
}

void NoticeOlderRadioCodeplug(const RadioIdentity &identity, int profileCodeplugVersion, const Show &show)
{
    if (identity.codeplugVersion < profileCodeplugVersion)
        show(QCoreApplication::translate("RadioChecks",
                 "The radio you are programing has a lower version codeplug, some new features "
                 "can not be used after writing."),
            MsgStyle::IconInformation);
}

void CopyIdentityIntoImage(VirtualCP &image, const RadioIdentity &identity)
{
    image.factory.firmware_phase = identity.firmwarePhase;
    image.factory.firmware_version = identity.firmwareVersion;
    image.factory.firmware_revision = identity.firmwareRevision;
    image.limit.maxCodes = std::min<uint32_t>(identity.maxCodes, image.limit.maxCodes);
    std::memcpy(image.factory.modelLetters, identity.modelLetters, sizeof identity.modelLetters);
    std::memcpy(image.factory.modelDigits, identity.modelDigits, sizeof identity.modelDigits);
}

QString FailureText(int code)
{
    if (code == -1)
        return QCoreApplication::translate("RadioChecks", "Error: Communication Error.");
    return QCoreApplication::translate("RadioChecks", "Error: Operation Failed (%1).").arg(code);
}

QString MemoryStatusText(int status)
{
    QString text;
    if (status == 8)
        text = QCoreApplication::translate(
            "RadioChecks", "Radio's memory is corrupted. Please perform factory reset to correct the error.");
    else if (status >= 1 && status <= 31)
        text = QCoreApplication::translate(
            "RadioChecks", "Radio's memory is corrupted. Please return to manufacture for correction.");
    else
        text = QCoreApplication::translate("RadioChecks", "Unknown warning!");
    return QCoreApplication::translate("RadioChecks", "Warning: %1").arg(text);
}

QString CableFailureText(CableStatus status)
{
    switch (status) {
    case CableError::DeviceNotFound:
        return QCoreApplication::translate("RadioChecks", "No programming cable was found.");
    case CableError::DeviceBusy:
        return QCoreApplication::translate(
            "RadioChecks", "The programming cable is in use by another program.");
    default:
        return QString();
    }
}

QString PartlyWrittenText()
{
    return QStringLiteral(
        "The radio now holds a partly written codeplug; writing the profile again restores it.");
}

} // namespace RadioChecks
