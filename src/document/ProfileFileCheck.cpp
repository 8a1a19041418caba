#include "ProfileFileCheck.h"

#include "SettableValues.h"

#include "base/MessageReporter.h"
#include "base/TextFile.h"
#include "base/VelaException.h"
#include "codeplug/FrequencyRules.h"
#include "model/RadioDataModel.h"
#include "settings/SettingsDocuments.h"
#include "xml/XmlDocument.h"
#include <QCoreApplication>

namespace ProfileFileCheck {

bool CodeplugVersionRule(const CSettingsDocuments &settings, QChar phase, int version)
{
    return phase == QLatin1Char('D') || settings.codeplugVersion() >= version;
}

void ShowRegionMessage(const CSettingsDocuments &settings, int region)
{
    const QString sentence
        = QCoreApplication::translate("ProfileFileCheck", "The CPS does not support this profile's region.");
    const QString name = settings.regionNames().value(region);
    if (name.isEmpty())
        showMessage(sentence, MsgStyle::IconWarning);
    else
        showMessage(
            sentence + QCoreApplication::translate("ProfileFileCheck", " Please use the \"%1\".").arg(name),
            MsgStyle::IconWarning);
}

bool CheckProfileFile(const QString &path, const CSettingsDocuments &settings)
{
    QString text, why;
    if (!ReadTextFile(path, text, &why)) {
        showMessage(QCoreApplication::translate("ProfileFileCheck", "The file \"%1\" cannot be opened: %2.")
                        .arg(path, why),
            MsgStyle::IconError);
        return false;
    }
    try {
        // A text that is not XML at all fails the frequency check too; it is
        // left to the load below, whose message says what is wrong with it.
        XmlDocument parsed;
        if (parsed.loadXml(text) && !FrequencyRules::CheckMURFreq(text)) {
            showMessage(
                QCoreApplication::translate("ProfileFileCheck", "Invalid Frequency."), MsgStyle::IconWarning);
            return false;
        }
        CRadioDataModel model(VersionRuleSource { settings.upDownGradeDocument(), settings.regionName() });
        if (!model.LoadProfile(text, false))
            return false;
        CDataItem factory;
        model.rootItem().GetChildByName(QStringLiteral("factory_setting"), factory);
        const QString modelCode = factory.GetAttributeValue(QStringLiteral("model")).toString();
        const QString phase = factory.GetAttributeValue(QStringLiteral("codeplug_phase")).toString();
        const int version = factory.GetAttributeValue(QStringLiteral("codeplug_version")).toInt();
        const QString region = modelCode.mid(6, 2);
        if (!settings.isSupportedRegion(region)) {
            ShowRegionMessage(settings, region.toInt());
            return false;
        }
        if (!CodeplugVersionRule(settings, phase.isEmpty() ? QChar() : phase.at(0), version)) {
            showMessage(QCoreApplication::translate("ProfileFileCheck",
                            "Codeplug version of CPS and profile are incompatible! Please update your CPS."),
                MsgStyle::IconWarning);
            return false;
        }
        if (const auto unsettable = SettableValues::FindUnsettable(model.rootItem())) {
            showMessage(QCoreApplication::translate("ProfileFileCheck",
                            "The profile holds a value the CPS cannot set: %1 is \"%2\", where %3 may be "
                            "chosen. Please correct the file.")
                            .arg(unsettable->attribute, unsettable->value, unsettable->allowed),
                MsgStyle::IconWarning);
            return false;
        }
        return true;
    } catch (const CVelaCPSException &exception) {
        showMessage(exception.text(), MsgStyle::IconError);
        return false;
    }
}

} // namespace ProfileFileCheck
