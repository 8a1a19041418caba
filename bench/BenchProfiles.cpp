#include "BenchProfiles.h"

#include "TestEnvironment.h"
#include "base/ProfileNamespaces.h"
#include "xml/XmlDocument.h"

QString fullProfileText()
{
    XmlDocument document;
    const QString ns = QString::fromLatin1(vela::kProfileNamespace);
    document.setNamespace(QStringLiteral("dfns"), ns);
    document.loadXml(dataFileText(QStringLiteral("profiletemplate/KUD51900.kv9")));
    XmlNode channels = document.selectSingleNode(QStringLiteral("//dfns:channels"));
    const QList<XmlNode> existing = channels.childElements();
    for (qsizetype i = existing.size(); i < 19; ++i) {
        XmlNode copy = existing.first().cloneNode(true);
        copy.setAttribute(QStringLiteral("name"), QStringLiteral("CH%1").arg(i + 1));
        channels.appendChild(copy);
    }
    XmlNode frequencies = document.selectSingleNode(QStringLiteral("//dfns:frequencies"));
    const XmlNode model = frequencies.childElements().first();
    const quint32 base = model.attributeOr(QStringLiteral("freq")).toUInt();
    for (qsizetype i = frequencies.childElements().size(); i < 99; ++i) {
        XmlNode copy = model.cloneNode(true);
        copy.setAttribute(QStringLiteral("freq"), QString::number(base + quint32(i) * 12500));
        frequencies.appendChild(copy);
    }
    document.selectSingleNode(QStringLiteral("//dfns:limit"))
        .setAttribute(QStringLiteral("max_valid_freqs"), QStringLiteral("99"));
    document.selectSingleNode(QStringLiteral("//dfns:limit"))
        .setAttribute(QStringLiteral("maxChannels"), QStringLiteral("19"));
    document.selectSingleNode(QStringLiteral("//dfns:setting"))
        .setAttribute(QStringLiteral("numberChannels"), QStringLiteral("19"));
    return document.xml();
}
