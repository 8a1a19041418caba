// Codeplug image -> profile text (CDataAdaptor::VirtualCP2XML).

#include "DataAdaptor.h"

#include "ChannelNameRepair.h"
#include "ProfileDom.h"
#include "ProfileFields.h"
#include "SerialNumber.h"

#include "base/MessageReporter.h"
#include "base/ProfileNamespaces.h"
#include "codeplug/FrequencyRules.h"

#include <QCoreApplication>

using namespace codeplug;

namespace {

constexpr const char *kOperation = "CDataAdaptor::VirtualCP2XML";

// name="value" and one space for each field of the element that the image
// carries, as the profile text writes them.
QString attributesOf(FieldElement element, const VirtualCP &image, int record = 0)
{
    QString out;
    for (const ProfileField &field : fieldsOf(element)) {
        if (!carriedBy(field, image))
            continue;
        out += QLatin1String(field.attribute);
        out += QLatin1String("=\"");
        out += imageAttributeText(field, image, record);
        out += QLatin1String("\" ");
    }
    return out;
}

QString settingElement(const VirtualCP &image)
{
    QString out
        = QStringLiteral("\t<setting ") + attributesOf(FieldElement::Setting, image) + QLatin1String(">\r\n");
    for (int preset = 0; preset < int(std::size(image.setting.presetChannels)); ++preset)
        out += QLatin1String("\t\t<preset ") + attributesOf(FieldElement::Preset, image, preset).trimmed()
            + QLatin1String("/>\r\n");
    out += QLatin1String("\t</setting>\r\n");
    return out;
}

// One line per record in use: "\t\t<name ", the attributes, "/>".
QString recordLines(const char *name, FieldElement element, int count, const VirtualCP &image)
{
    QString out;
    for (int record = 0; record < count; ++record)
        out += QStringLiteral("\t\t<%1 ").arg(QLatin1String(name)) + attributesOf(element, image, record)
            + QLatin1String("/>\r\n");
    return out;
}

QString canonicalProfileText(const VirtualCP &image)
{
    QString text
        = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n<VelaProfile xmlns=\"%1\">\r\n")
              .arg(QLatin1String(vela::kProfileNamespace));
    text += QLatin1String("\t<factory_setting ") + attributesOf(FieldElement::Factory, image)
        + QLatin1String("/>");
    text += QLatin1String("\r\n\t<limit ") + attributesOf(FieldElement::Limit, image)
        + QLatin1String("/>\r\n");
    text += settingElement(image);
    text += QLatin1String("\t<channels>\r\n")
        + recordLines("channel", FieldElement::Channel, channelRecordsInUse(image.limit), image)
        + QLatin1String("\t</channels>\r\n");
    text += QLatin1String("\t<frequencies>\r\n")
        + recordLines("frequency", FieldElement::Frequency, frequencyRecordsInUse(image.limit), image)
        + QLatin1String("\t</frequencies>\r\n");
    text += QLatin1String("</VelaProfile>\r\n");
    return text;
}

void refuse(const char *message)
{
    showMessage(QCoreApplication::translate("CDataAdaptor", message), MsgStyle::IconError);
}

} // namespace

int CDataAdaptor::VirtualCP2XML(VirtualCP &image, QString &profileText)
{
    if (!isValidSerialNumber(image.factory.serial)) {
        refuse(QT_TRANSLATE_NOOP("CDataAdaptor", "Invalid serial number"));
        return 0;
    }
    repairDuplicateChannelNames(image);
    profileText = canonicalProfileText(image);

    XmlDocument document
        = createProfileDocument(kOperation, __LINE__, "create Msxml2.DOMDocument.4.0 failed");
    if (!document.loadXml(profileText)) {
        refuse(QT_TRANSLATE_NOOP("CDataAdaptor", "Codeplug is corrupted"));
        return 0;
    }
    if (!FrequencyRules::CheckMURFreq(profileText)) {
        refuse(QT_TRANSLATE_NOOP("CDataAdaptor", "Invalid Frequency."));
        return 0;
    }
    return 1;
}
