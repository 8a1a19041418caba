#include "VersionConversion.h"

#include "base/ProfileNamespaces.h"

namespace {

const QString kProfileNs = QString::fromLatin1(vela::kProfileNamespace);

// A shallow copy of a rule (the element and its attributes) in document.
XmlNode copyRule(XmlDocument &document, const XmlNode &rule)
{
    XmlNode copy = document.createElement(rule.localName(), kProfileNs);
    for (const QString &name : rule.attributeNames())
        copy.setAttribute(name, rule.attributeOr(name));
    return copy;
}

bool hasRuleNamed(const XmlNode &list, const QString &name)
{
    return !list.selectSingleNode(QStringLiteral("dfns:*[@name='%1']").arg(name)).isNull();
}

bool isRule(const XmlNode &rule, const char *kind)
{
    return rule.nodeName() == QLatin1String(kind);
}

// The value an attribute rule gives element: the attribute named by
// replaceby when the element has it non-empty, else the default.
QString ruleValue(const XmlNode &rule, const XmlNode &element)
{
    const QString replaceBy = rule.attributeOr(QStringLiteral("replaceby"));
    if (!replaceBy.isEmpty() && !element.attributeOr(replaceBy).isEmpty())
        return element.attributeOr(replaceBy);
    return rule.attributeOr(QStringLiteral("defaulvalue"));
}

QList<XmlNode> elementsOf(const XmlDocument &document, const XmlNode &rule, const char *nameAttribute)
{
    return document.selectNodes(
        QStringLiteral("//dfns:%1").arg(rule.attributeOr(QLatin1String(nameAttribute))));
}

} // namespace

namespace VersionConversion {

QList<XmlNode> CollectAddedFields(
    XmlDocument &scratch, const VersionRuleSource &rules, int version, QList<XmlNode> *kept)
{
    if (kept)
        kept->clear();
    XmlNode root = scratch.documentElement();
    XmlNode keep = root.appendChild(scratch.createElement(QStringLiteral("keepNode"), kProfileNs));
    const XmlDocument &source = rules.document;
    const QString &region = rules.regionName;
    XmlNode added = scratch.createElement(QStringLiteral("addField_G%1").arg(version), kProfileNs);
    if (source.isEmpty()) {
        root.appendChild(added);
        return {};
    }
    const QString versionPath = QStringLiteral("//dfns:CodePlugSetting/dfns:CPVer%1").arg(version);

    // Without a region name only the common rules can apply.
    const bool hasRegion = !region.isEmpty();
    if (hasRegion) {
        for (const XmlNode &rule :
            source.selectNodes(versionPath + QStringLiteral("/dfns:%1/dfns:*[@isExist='1']").arg(region)))
            keep.appendChild(copyRule(scratch, rule));
    }
    // Region rules win over common rules of the same name.
    for (const XmlNode &rule :
        source.selectNodes(versionPath + QStringLiteral("/dfns:RegionCommon/dfns:*[@isExist='1']"))) {
        if (!hasRuleNamed(keep, rule.attributeOr(QStringLiteral("name"))))
            keep.appendChild(copyRule(scratch, rule));
    }

    const QList<XmlNode> versions = source.selectNodes(QStringLiteral("//dfns:CodePlugSetting/dfns:*"));
    root.appendChild(added);
    if (kept)
        *kept = keep.childElements();
    // A codeplug newer than every version described (a development radio)
    // has every field this software knows: adding them would overwrite its
    // values with defaults on load and drop them on save.
    if (version > versions.size())
        return {};
    auto addFrom = [&](const XmlNode &versionElement, const QString &group, bool ownVersion) {
        const QString path
            = QStringLiteral("dfns:%1/dfns:*[@isExist='%2']").arg(group, ownVersion ? "0" : "1");
        for (const XmlNode &rule : versionElement.selectNodes(path)) {
            const QString name = rule.attributeOr(QStringLiteral("name"));
            if (!hasRuleNamed(added, name) && !hasRuleNamed(keep, name))
                added.appendChild(copyRule(scratch, rule));
        }
    };
    // Newest version first, so the first rule met for a name wins; the first
    // version element is never visited.
    for (qsizetype p = versions.size() - 1; p >= 1; --p) {
        const bool ownVersion = p + 1 == version;
        if (hasRegion)
            addFrom(versions[p], region, ownVersion);
        addFrom(versions[p], QStringLiteral("RegionCommon"), ownVersion);
    }
    return added.selectNodes(QStringLiteral("dfns:*"));
}

void ApplyAddedFields(XmlDocument &document, const QList<XmlNode> &rules, bool elementRules)
{
    for (const XmlNode &rule : rules) {
        if (isRule(rule, "CPField")) {
            const QString name = rule.attributeOr(QStringLiteral("name"));
            for (XmlNode element : elementsOf(document, rule, "nodename"))
                element.setAttribute(name, ruleValue(rule, element));
        } else if (isRule(rule, "CPTag") && elementRules) {
            const QString name = rule.attributeOr(QStringLiteral("name"));
            for (XmlNode parent : elementsOf(document, rule, "parentNode"))
                parent.appendChild(document.createElement(name, kProfileNs));
        }
    }
}

void CompleteKeptFields(XmlDocument &document, const QList<XmlNode> &keptRules)
{
    for (const XmlNode &rule : keptRules) {
        if (!isRule(rule, "CPField"))
            continue;
        const QString name = rule.attributeOr(QStringLiteral("name"));
        for (XmlNode element : elementsOf(document, rule, "nodename")) {
            if (!element.hasAttribute(name))
                element.setAttribute(name, ruleValue(rule, element));
        }
    }
}

void RemoveAddedFields(XmlDocument &document, const QList<XmlNode> &rules)
{
    for (const XmlNode &rule : rules) {
        const QString name = rule.attributeOr(QStringLiteral("name"));
        if (isRule(rule, "CPField")) {
            for (XmlNode element : elementsOf(document, rule, "nodename"))
                element.removeAttribute(name);
        } else if (isRule(rule, "CPTag")) {
            for (XmlNode parent : elementsOf(document, rule, "parentNode")) {
                for (const XmlNode &child : parent.childNodes()) {
                    if (child.nodeName() == name)
                        parent.removeChild(child);
                }
            }
        }
    }
}

} // namespace VersionConversion
