#include "document/ProfileComparison.h"

#include "base/MessageReporter.h"
#include "base/VelaException.h"
#include "codeplug/DataAdaptor.h"
#include "codeplug/ProfileFields.h"
#include "document/CodeDisplayText.h"
#include "document/ProfileDocument.h"
#include "xml/XmlDocument.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>

namespace {

// What a side shows for a field or item it does not have.
QString noneText()
{
    return QCoreApplication::translate("ProfileComparison", "(none)");
}

// The elements that make up a profile, in the order of its text; the
// repeated ones are numbered from 1.
struct Element {
    const char *name;
    bool repeats;
};
constexpr Element kElements[] = {
    { "factory_setting", false },
    { "limit", false },
    { "setting", false },
    { "preset", true },
    { "channel", true },
    { "frequency", true },
};
const QString kModelField = QStringLiteral("model");

// What the catalogue calls an element and a field; the name itself for one
// a foreign file brings.
QString elementCaption(const QString &element)
{
    const std::optional<codeplug::FieldElement> known = codeplug::elementNamed(element);
    return known ? codeplug::elementCaption(*known) : element;
}

QString fieldCaption(const QString &element, const QString &attribute)
{
    const codeplug::ProfileField *field = codeplug::findField(element + QLatin1Char('.') + attribute);
    return field ? codeplug::fieldCaption(*field) : attribute;
}

// One profile text parsed, with what showing its values needs: its
// frequency table and its customised codes.
class ParsedProfile {
public:
    ParsedProfile(const QString &text, const QString &decimalSeparator)
        : m_separator(decimalSeparator)
    {
        m_loaded = m_document.loadXml(text);
        if (!m_loaded)
            return;
        collect(m_document.documentElement());
        m_codes.emplace(single(QStringLiteral("setting")), decimalSeparator);
        for (const XmlNode &frequency : items(QStringLiteral("frequency")))
            m_frequencies << frequency.attributeOr(QStringLiteral("freq"));
    }

    bool loaded() const { return m_loaded; }
    QList<XmlNode> items(const QString &element) const { return m_items.value(element); }
    XmlNode single(const QString &element) const { return m_items.value(element).value(0); }

    // A value as the editors show it.
    QString shown(const QString &element, const QString &attribute, const QString &raw) const
    {
        if (raw.isNull())
            return noneText();
        if (isFrequency(attribute))
            return megahertz(raw);
        if (attribute == QLatin1String("rx_freq_ndx") || attribute == QLatin1String("tx_freq_ndx")) {
            const int index = raw.toInt();
            return index >= 0 && index < m_frequencies.size() ? megahertz(m_frequencies[index]) : raw;
        }
        if (element == QLatin1String("channel")
            && (attribute == QLatin1String("rx_code") || attribute == QLatin1String("tx_code")))
            return m_codes->listText(raw.toInt());
        return raw;
    }

    // An item as a whole: a frequency by its frequency, a channel by its
    // name, a preset by its channel.
    QString summary(const QString &element, const XmlNode &item) const
    {
        if (element == QLatin1String("frequency"))
            return megahertz(item.attributeOr(QStringLiteral("freq")));
        if (element == QLatin1String("channel"))
            return item.attributeOr(QStringLiteral("name"));
        return item.attributeOr(QStringLiteral("channel"));
    }

private:
    static bool isFrequency(const QString &attribute)
    {
        return attribute == QLatin1String("freq") || attribute.endsWith(QLatin1String("_freq"));
    }

    QString megahertz(const QString &hertz) const
    {
        bool ok = false;
        const qint64 value = hertz.toLongLong(&ok);
        if (!ok)
            return hertz;
        return QString::number(double(value) * 0.000001, 'f', 6).replace(QLatin1Char('.'), m_separator);
    }

    void collect(const XmlNode &node)
    {
        for (const XmlNode &child : node.childElements()) {
            m_items[child.localName()] << child;
            collect(child);
        }
    }

    XmlDocument m_document;
    bool m_loaded = false;
    QString m_separator;
    QHash<QString, QList<XmlNode>> m_items;
    std::optional<CCodeDisplayText> m_codes;
    QStringList m_frequencies;
};

// The attributes of two versions of an element: those of the newer one in
// its order, then those only the older one has.
QStringList attributesOf(const XmlNode &older, const XmlNode &newer)
{
    QStringList names = newer.isNull() ? QStringList() : newer.attributeNames();
    if (!older.isNull()) {
        for (const QString &name : older.attributeNames()) {
            if (!names.contains(name))
                names << name;
        }
    }
    return names;
}

QString rawValue(const XmlNode &node, const QString &attribute)
{
    return node.isNull() ? QString() : node.attribute(attribute).value_or(QString());
}

class Comparison {
public:
    Comparison(const ParsedProfile &older, const ParsedProfile &newer)
        : m_old(older)
        , m_new(newer)
    {
    }

    QList<ProfileDifference> run()
    {
        // A different model comes first: it explains much of what follows.
        compareField(QStringLiteral("factory_setting"), 0, m_old.single(QStringLiteral("factory_setting")),
            m_new.single(QStringLiteral("factory_setting")), kModelField);
        for (const Element &element : kElements) {
            const QString name = QLatin1String(element.name);
            const QList<XmlNode> older = m_old.items(name);
            const QList<XmlNode> newer = m_new.items(name);
            const qsizetype count = element.repeats ? std::max(older.size(), newer.size()) : 1;
            for (qsizetype i = 0; i < count; ++i)
                compareItem(name, element.repeats ? int(i + 1) : 0, older.value(i), newer.value(i));
        }
        return m_differences;
    }

private:
    void compareItem(const QString &element, int item, const XmlNode &older, const XmlNode &newer)
    {
        if (older.isNull() && newer.isNull())
            return;
        if (older.isNull() != newer.isNull()) {
            ProfileDifference difference = base(element, item, older, newer);
            difference.field = element;
            difference.caption = elementCaption(element);
            difference.oldShown = older.isNull() ? noneText() : m_old.summary(element, older);
            difference.newShown = newer.isNull() ? noneText() : m_new.summary(element, newer);
            difference.oldRaw = older.isNull() ? QString() : older.xml();
            difference.newRaw = newer.isNull() ? QString() : newer.xml();
            m_differences << difference;
            return;
        }
        for (const QString &attribute : attributesOf(older, newer)) {
            if (element != QLatin1String("factory_setting") || attribute != kModelField)
                compareField(element, item, older, newer, attribute);
        }
    }

    void compareField(const QString &element, int item, const XmlNode &older, const XmlNode &newer,
        const QString &attribute)
    {
        const QString oldRaw = rawValue(older, attribute);
        const QString newRaw = rawValue(newer, attribute);
        const QString oldShown = m_old.shown(element, attribute, oldRaw);
        const QString newShown = m_new.shown(element, attribute, newRaw);
        // A channel's frequency index may change with its table and still
        // mean the same frequency.
        if (oldRaw.isNull() == newRaw.isNull() && (oldRaw == newRaw || oldShown == newShown))
            return;
        ProfileDifference difference = base(element, item, older, newer);
        difference.field = element + QLatin1Char('.') + attribute;
        difference.caption = fieldCaption(element, attribute);
        difference.oldShown = oldShown;
        difference.newShown = newShown;
        difference.oldRaw = oldRaw;
        difference.newRaw = newRaw;
        m_differences << difference;
    }

    static ProfileDifference base(
        const QString &element, int item, const XmlNode &older, const XmlNode &newer)
    {
        ProfileDifference difference;
        difference.section = element;
        difference.item = item;
        if (element == QLatin1String("channel"))
            difference.itemName = (newer.isNull() ? older : newer).attributeOr(QStringLiteral("name"));
        return difference;
    }

    const ParsedProfile &m_old;
    const ParsedProfile &m_new;
    QList<ProfileDifference> m_differences;
};

std::optional<QString> textOf(VirtualCP image)
{
    QString text;
    if (CDataAdaptor::VirtualCP2XML(image, text) != 1)
        return std::nullopt;
    return text;
}

// The identity a radio holding image gives when identified.
RadioIdentity identityOf(const VirtualCP &image)
{
    RadioIdentity identity;
    std::copy_n(image.factory.modelLetters, 3, identity.modelLetters);
    std::copy_n(image.factory.modelDigits, 5, identity.modelDigits);
    identity.firmwarePhase = image.factory.firmware_phase;
    identity.firmwareVersion = image.factory.firmware_version;
    identity.firmwareRevision = image.factory.firmware_revision;
    identity.codeplugPhase = image.factory.codeplug_phase;
    identity.codeplugVersion = image.factory.codeplug_version;
    std::copy_n(image.setting.password, codeplug::kPasswordLength, identity.password);
    identity.frequencyCount = image.limit.max_valid_freqs;
    identity.serial_clone_compatibility = image.serial_clone_compatibility;
    identity.maxCodes = uint8_t(image.limit.maxCodes);
    return identity;
}

} // namespace

QString ProfileDifference::place() const
{
    const QString section = elementCaption(this->section);
    if (item == 0)
        return section;
    const QString numbered = QStringLiteral("%1 %2").arg(section).arg(item);
    return itemName.isEmpty() ? numbered : QStringLiteral("%1 (%2)").arg(numbered, itemName);
}

QString ProfileDifference::line() const
{
    const QString where = field == section ? place() : place() + QStringLiteral(" \u00b7 ") + caption;
    return QStringLiteral("%1: %2 \u2192 %3").arg(where, oldShown, newShown);
}

namespace ProfileComparison {

std::optional<QList<ProfileDifference>> compareTexts(
    const QString &oldText, const QString &newText, const QString &decimalSeparator)
{
    const ParsedProfile older(oldText, decimalSeparator);
    const ParsedProfile newer(newText, decimalSeparator);
    if (!older.loaded() || !newer.loaded())
        return std::nullopt;
    return Comparison(older, newer).run();
}

std::optional<QList<ProfileDifference>> compareImages(
    const VirtualCP &oldImage, const VirtualCP &newImage, const QString &decimalSeparator)
{
    const std::optional<QString> older = textOf(oldImage);
    const std::optional<QString> newer = older ? textOf(newImage) : std::nullopt;
    if (!newer)
        return std::nullopt;
    return compareTexts(*older, *newer, decimalSeparator);
}

VirtualCP writtenOver(const VirtualCP &radio, const VirtualCP &sent)
{
    VirtualCP kept = radio;
    kept.setting = sent.setting;
    std::copy_n(sent.channels, channelRecordsInUse(sent.limit), kept.channels);
    if (sent.limit.maxCodes > codeplug::kMaxCodesWithoutCustomPl)
        std::copy_n(sent.customCodes, codeplug::kCustomCodesPerGroup, kept.customCodes);
    if (sent.limit.maxCodes > codeplug::kMaxCodesWithoutCustomDpl)
        std::copy_n(sent.customCodes + codeplug::kCustomCodesPerGroup, codeplug::kCustomCodesPerGroup,
            kept.customCodes + codeplug::kCustomCodesPerGroup);
    std::copy_n(sent.frequencies, frequencyRecordsInUse(sent.limit), kept.frequencies);
    // The write's last command tells the radio how many records are in use.
    kept.limit.max_valid_freqs = sent.limit.max_valid_freqs;
    return kept;
}

std::optional<VirtualCP> profileWrittenOver(CProfileDocument &document, const VirtualCP &radio)
{
    VirtualCP sent {};
    try {
        if (document.GetVirtualCPData(sent, identityOf(radio)) != 1)
            return std::nullopt;
    } catch (const CVelaCPSException &exception) {
        showMessage(exception.text(), MsgStyle::IconError);
        return std::nullopt;
    }
    // The write sends only the customised codes the radio supports.
    sent.limit.maxCodes = std::min(sent.limit.maxCodes, radio.limit.maxCodes);
    return writtenOver(radio, sent);
}

std::optional<QList<ProfileDifference>> compareSides(
    const ComparisonSide &older, const ComparisonSide &newer, const QString &decimalSeparator)
{
    if (older.profile && newer.profile)
        return compareTexts(older.profile->model().mainDocument().xml(),
            newer.profile->model().mainDocument().xml(), decimalSeparator);
    const VirtualCP &anImage = older.image ? *older.image : *newer.image;
    const auto asImage = [&anImage](const ComparisonSide &side) {
        return side.image ? side.image : profileWrittenOver(*side.profile, anImage);
    };
    const std::optional<VirtualCP> oldImage = asImage(older);
    const std::optional<VirtualCP> newImage = oldImage ? asImage(newer) : std::nullopt;
    if (!newImage)
        return std::nullopt;
    return compareImages(*oldImage, *newImage, decimalSeparator);
}

QString fieldList(const QList<ProfileDifference> &differences)
{
    QStringList names;
    for (const ProfileDifference &difference : differences) {
        const QString name = difference.field == difference.section
            ? difference.place()
            : difference.place() + QLatin1Char(' ') + difference.caption;
        if (!names.contains(name))
            names << name;
    }
    return names.join(QStringLiteral(", "));
}

} // namespace ProfileComparison
