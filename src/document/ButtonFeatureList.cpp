#include "ButtonFeatureList.h"

#include "xml/XmlDocument.h"

namespace {

constexpr int kCallToneFeature = 3;

QList<ButtonFeature> ReadList(const XmlDocument &document, const QString &listName)
{
    QList<ButtonFeature> features;
    for (const XmlNode &item : document.selectNodes(QStringLiteral("//dfns:%1/dfns:*").arg(listName))) {
        features.append(
            { item.attributeOr(QStringLiteral("Name")), item.attributeOr(QStringLiteral("Value")).toInt(),
                item.attributeOr(QStringLiteral("DependName"), QStringLiteral("none")),
                item.attributeOr(QStringLiteral("DependType")).toInt() != 0 });
    }
    return features;
}

} // namespace

std::optional<CButtonFeatureList> CButtonFeatureList::Read(const XmlDocument &buttonList, bool displayModel)
{
    const QString kind = displayModel ? QStringLiteral("Display") : QStringLiteral("NonDisplay");
    CButtonFeatureList list;
    list.m_common = ReadList(buttonList, QStringLiteral("COMMON"));
    list.m_frontOnly = ReadList(buttonList, kind.toUpper());
    list.m_presets = ReadList(buttonList, QStringLiteral("PREBUTTON"));
    list.m_picture = buttonList.selectSingleNode(QStringLiteral("//dfns:IMAGE/dfns:") + kind)
                         .attributeOr(QStringLiteral("Name"));
    for (const XmlNode &button :
        buttonList.selectNodes(QStringLiteral("//dfns:DEFAULTS/dfns:%1/dfns:*").arg(kind)))
        list.m_defaults.insert(
            button.attributeOr(QStringLiteral("Name")), button.attributeOr(QStringLiteral("Value")).toInt());
    if (list.m_common.isEmpty() || list.m_picture.isEmpty() || list.m_defaults.isEmpty())
        return std::nullopt;
    return list;
}

bool CButtonFeatureList::isOffered(const ButtonFeature &feature, const LimitReader &limit) const
{
    if (feature.value == 0)
        return false;
    if (feature.value == kCallToneFeature && limit(QStringLiteral("max_call_tones")) <= 0)
        return false;
    if (feature.dependName == QLatin1String("none"))
        return true;
    return (limit(feature.dependName) != 0) == feature.offeredWhenSet;
}

void CButtonFeatureList::appendOffered(
    QList<ButtonFeature> &offered, const QList<ButtonFeature> &list, const LimitReader &limit) const
{
    for (const ButtonFeature &feature : list) {
        if (isOffered(feature, limit))
            offered.append(feature);
    }
}

QList<ButtonFeature> CButtonFeatureList::sideButtonFeatures(const LimitReader &limit) const
{
    QList<ButtonFeature> offered;
    appendOffered(offered, m_common, limit);
    offered.append(m_common.last());
    return offered;
}

QList<ButtonFeature> CButtonFeatureList::frontButtonFeatures(const LimitReader &limit) const
{
    QList<ButtonFeature> offered;
    appendOffered(offered, m_common, limit);
    appendOffered(offered, m_frontOnly, limit);
    appendOffered(offered,
        m_presets.first(qBound(0, limit(QStringLiteral("maxPresetButtons")), int(m_presets.size()))), limit);
    offered.append(m_common.last());
    return offered;
}

int CButtonFeatureList::defaultFeature(const QString &button, const LimitReader &limit) const
{
    const int feature = m_defaults.value(button);
    for (const ButtonFeature &offered : frontButtonFeatures(limit)) {
        if (offered.value == feature)
            return feature;
    }
    return 0;
}
