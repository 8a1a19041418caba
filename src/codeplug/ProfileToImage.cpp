// Profile text -> codeplug image (CDataAdaptor::XML2VirtualCP).

#include "DataAdaptor.h"

#include "ProfileDom.h"
#include "ProfileFields.h"

#include "base/VelaException.h"
#include "codeplug/FrequencyRules.h"

#include <exception>

using namespace codeplug;

namespace {

constexpr const char *kOperation = "CDataAdaptor::XML2VirtualCP";
// A radio of this power class may transmit on some frequencies with 2 W only.
constexpr uint8_t kTwoWattPowerClass = 4;
// Radios before this codeplug version have no channel disable or talkaround scan.
constexpr uint8_t kFirstVersionWithChannelFlags = 3;

XmlNode requireElement(const XmlDocument &document, const QString &xpath)
{
    XmlNode element = document.selectSingleNode(xpath);
    if (element.isNull())
        throw XmlError(QStringLiteral("Element not found"),
            QStringLiteral("The profile has no element %1.").arg(xpath), QString::fromLatin1(kOperation));
    return element;
}

// The first element the query selects and its following sibling elements,
// at most max of them.
QList<XmlNode> elementRun(const XmlDocument &document, const QString &xpath, int max)
{
    const XmlNode first = document.selectSingleNode(xpath);
    if (first.isNull())
        return {};
    const QList<XmlNode> siblings = first.parent().childElements();
    return siblings.mid(siblings.indexOf(first), max);
}

// Stores the element's attributes into its record of the image, each as
// the catalogue reads it; a missing attribute reads as "".
void readElement(const XmlNode &node, FieldElement element, VirtualCP &image, int record = 0,
    bool radioHasChannelFlags = true)
{
    for (const ProfileField &field : fieldsOf(element)) {
        if (!carriedBy(field, image))
            continue;
        const bool read = field.condition != FieldCondition::ChannelFlags || radioHasChannelFlags;
        storeImageAttribute(
            field, read ? node.attributeOr(QLatin1String(field.attribute)) : QString(), image, record);
    }
}

void fillImage(const QString &profileText, VirtualCP &image, const RadioIdentity &identity)
{
    XmlDocument document = createProfileDocument(kOperation, __LINE__, "create MSXML2::DOMDocument40 failed");

    QString text = profileText;
    if (identity.modelDigits[0] == kTwoWattPowerClass)
        FrequencyRules::EditFrequencyFor2w(text);

    if (!document.loadXml(text)) {
        const XmlParseError &e = document.parseError();
        throw XmlError(e.reason,
            QStringLiteral("line %1, position %2: %3").arg(e.line).arg(e.linepos).arg(e.srcText),
            QStringLiteral("XmlDocument::loadXml"));
    }

    readElement(
        requireElement(document, QStringLiteral("//dfns:factory_setting")), FieldElement::Factory, image);
    readElement(requireElement(document, QStringLiteral("//dfns:limit")), FieldElement::Limit, image);
    // The customised codes are judged on the maxCodes just stored.
    readElement(requireElement(document, QStringLiteral("//dfns:setting")), FieldElement::Setting, image);

    const QList<XmlNode> presets = elementRun(document, QStringLiteral("//dfns:preset"), 2);
    for (int i = 0; i < presets.size(); ++i)
        readElement(presets[i], FieldElement::Preset, image, i);

    const bool radioHasChannelFlags = identity.codeplugVersion >= kFirstVersionWithChannelFlags;
    const QList<XmlNode> channels
        = elementRun(document, QStringLiteral("//dfns:channel"), kChannelRecordCount);
    for (int k = 0; k < channels.size(); ++k)
        readElement(channels[k], FieldElement::Channel, image, k, radioHasChannelFlags);

    const QList<XmlNode> frequencies
        = elementRun(document, QStringLiteral("//dfns:frequency"), kFrequencyRecordCount);
    for (int i = 0; i < frequencies.size(); ++i)
        readElement(frequencies[i], FieldElement::Frequency, image, i);
}

} // namespace

int CDataAdaptor::XML2VirtualCP(const QString &profileText, VirtualCP &image, const RadioIdentity &identity)
{
    try {
        fillImage(profileText, image, identity);
        return 1;
    } catch (const XmlError &e) {
        raiseXmlLayerError(e, kOperation, __LINE__);
    } catch (CVelaCPSException &e) {
        e.passThrough(kOperation, __LINE__);
        throw;
    } catch (const std::exception &e) {
        throw CVelaCPSException(VelaError::Unknown, QString::fromLocal8Bit(e.what()), kOperation, __LINE__,
            QStringLiteral("Exception Catched"));
    }
}
