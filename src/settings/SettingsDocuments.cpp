#include "settings/SettingsDocuments.h"

#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/ProfileNamespaces.h"
#include "base/StringTable.h"
#include "base/TextFile.h"
#include "base/VelaException.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kProfileTemplateFolder = QStringLiteral("profiletemplate");

bool missingFiles()
{
    showMessage(StringTable::missingInstallFiles(), MsgStyle::IconError);
    return false;
}

QString folderName(SettingFolder folder)
{
    return folder == SettingFolder::Lib ? QStringLiteral("lib") : QStringLiteral("Report");
}

// Settings text names elements of a query path; a text that cannot be an
// element name matches nothing and never reaches the XPath parser.
bool isElementName(const QString &name)
{
    static const QRegularExpression ncName(QStringLiteral("^[\\p{L}_][\\p{L}\\p{N}._\\-]*$"));
    return ncName.match(name).hasMatch();
}

// Asking a document that was never loaded is the caller's fault.
void requireLoaded(const XmlDocument &document, const char *operation)
{
    if (document.isEmpty())
        throw CVelaCPSException(VelaError::Unknown, QString(), operation, __LINE__,
            QStringLiteral("settings document not loaded"));
}

QList<XmlNode> select(const XmlDocument &document, const QString &xpath, const char *operation)
{
    requireLoaded(document, operation);
    try {
        return document.selectNodes(xpath);
    } catch (const XmlError &error) {
        throw CVelaCPSException(VelaError::Unknown,
            libraryErrorDetail(error.message, error.description, error.source), operation, __LINE__,
            QStringLiteral("selectNodes failed"));
    }
}

XmlNode selectFirst(const XmlDocument &document, const QString &xpath, const char *operation)
{
    const QList<XmlNode> nodes = select(document, xpath, operation);
    return nodes.isEmpty() ? XmlNode() : nodes.first();
}

// One attribute of every selected child that has it, in document order.
// Element steps in dfns never select comments.
QStringList attributeOfChildren(
    const XmlDocument &document, const QString &xpath, const QString &attribute, const char *operation)
{
    QStringList values;
    for (const XmlNode &child : select(document, xpath, operation)) {
        if (const std::optional<QString> value = child.attribute(attribute))
            values << *value;
    }
    return values;
}

} // namespace

std::optional<XmlDocument> LoadSettingDoc(const QString &fileName, SettingFolder folder)
{
    const QString path = CConfigStore::installFilePath(folderName(folder), fileName);
    QString text;
    if (path.isEmpty() || !ReadTextFile(path, text)) {
        missingFiles();
        return std::nullopt;
    }
    XmlDocument document;
    if (!document.loadXml(text)) {
        missingFiles();
        return std::nullopt;
    }
    document.setNamespace(QStringLiteral("dfns"), QString::fromLatin1(vela::kProfileNamespace));
    return document;
}

bool CSettingsDocuments::load()
{
    m_loaded = false;
    struct Entry {
        const char *fileName;
        XmlDocument *document;
    };
    XmlDocument visibleSetting, buttonList, region, helpPageMap, upDownGrade;
    const Entry entries[] = {
        { "VisibleSetting.stv", &visibleSetting },
        { "ButtonList.stv", &buttonList },
        { "Region.stv", &region },
        { "HelpPanMap.stv", &helpPageMap },
        { "UpDownGradeSetting.stv", &upDownGrade },
    };
    for (const Entry &entry : entries) {
        std::optional<XmlDocument> document
            = LoadSettingDoc(QString::fromLatin1(entry.fileName), SettingFolder::Lib);
        if (!document)
            return false;
        *entry.document = *document;
    }

    for (const char *fileName : { "DataProfile.js", "DataProfile.xsd" }) {
        const QString path
            = CConfigStore::installFilePath(kProfileTemplateFolder, QString::fromLatin1(fileName));
        if (!QFileInfo(path).isFile())
            return missingFiles();
    }

    m_visibleSetting = visibleSetting;
    m_buttonList = buttonList;
    m_region = region;
    m_helpPageMap = helpPageMap;
    m_upDownGrade = upDownGrade;
    m_regionName = readRegionName();
    m_regionNames = readRegionNameTable();
    m_loaded = true;
    return true;
}

QString CSettingsDocuments::readRegionName() const
{
    return selectFirst(m_region, QStringLiteral("//dfns:Region"), "CSettingsDocuments::readRegionName")
        .attributeOr(QStringLiteral("name"));
}

QString CSettingsDocuments::productVersion() const
{
    return selectFirst(
        m_region, QStringLiteral("//dfns:ProductVersion"), "CSettingsDocuments::productVersion")
        .attributeOr(QStringLiteral("value"));
}

QStringList CSettingsDocuments::supportedRegions() const
{
    return attributeOfChildren(m_region, QStringLiteral("//dfns:Support/dfns:*"), QStringLiteral("num"),
        "CSettingsDocuments::supportedRegions");
}

bool CSettingsDocuments::isSupportedRegion(const QString &code) const
{
    return supportedRegions().contains(code);
}

int CSettingsDocuments::codeplugVersion() const
{
    const char *operation = "CSettingsDocuments::codeplugVersion";
    const XmlNode version = selectFirst(m_region, QStringLiteral("//dfns:CPVersion"), operation);
    if (version.isNull())
        return 1;
    bool ok = false;
    const int number = version.text().trimmed().toInt(&ok);
    if (!ok)
        throw CVelaCPSException(VelaError::Unknown, QStringLiteral("CPVersion='%1'").arg(version.text()),
            operation, __LINE__, QStringLiteral("not an integer"));
    return number;
}

QMap<int, QString> CSettingsDocuments::readRegionNameTable() const
{
    QMap<int, QString> table;
    for (const XmlNode &region : select(m_region, QStringLiteral("//dfns:ModelRegions/dfns:*"),
             "CSettingsDocuments::readRegionNameTable")) {
        // A code that is not a number files the name under region 0.
        const int number = region.attributeOr(QStringLiteral("code")).trimmed().toInt();
        table.insert(number, region.attributeOr(QStringLiteral("name")));
    }
    return table;
}

QStringList CSettingsDocuments::supportedLanguages() const
{
    return attributeOfChildren(m_region, QStringLiteral("//dfns:SupportLanguages/dfns:*"),
        QStringLiteral("name"), "CSettingsDocuments::supportedLanguages");
}

QString CSettingsDocuments::languageDisplayName(const QString &name) const
{
    // Compared here rather than inside the XPath, so no language name can
    // change the query.
    const QList<XmlNode> languages = select(m_region, QStringLiteral("//dfns:SupportLanguages/dfns:language"),
        "CSettingsDocuments::languageDisplayName");
    for (const XmlNode &language : languages) {
        if (language.attribute(QStringLiteral("name")) == name) {
            const QString displayName = language.attributeOr(QStringLiteral("displayName"));
            return displayName.isEmpty() ? QStringLiteral(" ") : displayName;
        }
    }
    return QStringLiteral(" ");
}

QList<XmlNode> CSettingsDocuments::visibleSettings(const QString &key) const
{
    const char *operation = "CSettingsDocuments::visibleSettings";
    requireLoaded(m_visibleSetting, operation);
    if (!isElementName(m_regionName) || !isElementName(key))
        return {};
    return select(
        m_visibleSetting, QStringLiteral("//dfns:%1/dfns:%2/dfns:*").arg(m_regionName, key), operation);
}

bool CSettingsDocuments::helpPage(const QString &key, const QString &id, QString &page) const
{
    const char *operation = "CSettingsDocuments::helpPage";
    requireLoaded(m_helpPageMap, operation);
    if (!isElementName(key))
        return false;
    for (const XmlNode &map :
        select(m_helpPageMap, QStringLiteral("//dfns:%1/dfns:map").arg(key), operation)) {
        if (map.attribute(QStringLiteral("id")) == id) {
            if (const std::optional<QString> pageName = map.attribute(QStringLiteral("pageName"))) {
                page = *pageName;
                return true;
            }
            return false;
        }
    }
    return false;
}
