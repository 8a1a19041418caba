#include "RadioDataModel.h"

#include "ScriptHost.h"
#include "base/ConfigStore.h"
#include "base/MessageReporter.h"
#include "base/ProfileNamespaces.h"
#include "base/StringTable.h"
#include "base/TextFile.h"
#include "base/VelaException.h"

namespace {

const QString kProfileNs = QString::fromLatin1(vela::kProfileNamespace);

CVelaCPSException libraryFailure(int code, const XmlError &error, const char *operation, int position)
{
    return CVelaCPSException(code, libraryErrorDetail(error.message, error.description, error.source),
        operation, position, QStringLiteral("XML error"));
}

} // namespace

CRadioDataModel::CRadioDataModel(VersionRuleSource versionRules)
    : m_versionRules(std::move(versionRules))
{
}

CRadioDataModel::~CRadioDataModel()
{
    // Items hold the script host; drop them before the host goes.
    m_rootItem = CDataItem();
}

void CRadioDataModel::applyDocumentSettings(XmlDocument &document, bool mainDocument) const
{
    document.setNamespace(QStringLiteral("dfns"), kProfileNs);
    if (mainDocument)
        document.setNamespace(QStringLiteral("ms"), QString::fromLatin1(vela::kXsltExtensionNamespace));
}

bool CRadioDataModel::readInstallFile(const QString &fileName, QString &text) const
{
    const QString path = CConfigStore::installFilePath(QStringLiteral("profiletemplate"), fileName);
    if (path.isEmpty() || !ReadTextFile(path, text) || text.isEmpty()) {
        showMessage(StringTable::missingInstallFiles(), MsgStyle::IconError);
        return false;
    }
    return true;
}

bool CRadioDataModel::Initialize()
{
    auto script = std::make_shared<ScriptHost>();
    QString scriptText;
    if (!readInstallFile(QStringLiteral("DataProfile.js"), scriptText))
        return false;
    if (!script->load(scriptText, QStringLiteral("DataProfile.js")))
        throw CVelaCPSException(VelaError::ScriptEngine, QStringLiteral("ParseScriptText failed"),
            "CRadioDataModel::Initialize", __LINE__, QStringLiteral("script did not run"));
    m_script = std::move(script);
    m_initialized = true;

    m_ruleScratch = XmlDocument();
    applyDocumentSettings(m_ruleScratch, false);
    m_ruleScratch.setDocumentElement(m_ruleScratch.createElement(QStringLiteral("root"), kProfileNs));
    return true;
}

bool CRadioDataModel::LoadProfile(const QString &source, bool isFile)
{
    try {
        if (m_initialized) {
            m_rootItem = CDataItem();
            m_mainDocument.attachSchemas(nullptr);
        } else if (!Initialize()) {
            return false;
        }
        m_mainDocument = XmlDocument();
        QString schemaText;
        if (!readInstallFile(QStringLiteral("DataProfile.xsd"), schemaText))
            return false;
        // The schema is read at every load; it is compiled again only when
        // its text changed, which is most of the cost of a load otherwise.
        if (!m_schemas || schemaText != m_schemaText) {
            m_schemas.reset();
            auto schemas = std::make_shared<XmlSchemaCollection>();
            XmlDocument schemaDocument;
            if (!schemaDocument.loadXml(schemaText))
                throw XmlError(QStringLiteral("The profile schema does not parse."),
                    schemaDocument.parseError().reason, QStringLiteral("DataProfile.xsd"));
            schemas->add(kProfileNs, schemaDocument);
            m_schemas = std::move(schemas);
            m_schemaText = schemaText;
        }
        m_mainDocument.attachSchemas(m_schemas);
        applyDocumentSettings(m_mainDocument, true);

        if (InitialOperaDoc(source, isFile)) {
            VersionConversion::ApplyAddedFields(m_workingDocument, m_addedFields, isFile);
            VersionConversion::CompleteKeptFields(m_workingDocument, m_keptFields);
            if (m_mainDocument.loadXml(m_workingDocument.xml())) {
                m_rootItem = CDataItem(m_mainDocument.documentElement(), m_script);
                return true;
            }
        }
        const XmlParseError &error = m_mainDocument.parseError();
        throw CVelaCPSException(VelaError::InvalidProfile,
            QStringLiteral("Profile Loading Error.\r\nFile: %1\r\nDesc: %2\r\nLine: %3, Pos: %4\r\nSRC: %5")
                .arg(source, error.reason)
                .arg(error.line)
                .arg(error.linepos)
                .arg(error.srcText),
            "CRadioDataModel::LoadProfile", __LINE__, QStringLiteral("profile rejected"));
    } catch (CVelaCPSException &exception) {
        exception.passThrough("CRadioDataModel::LoadProfile", __LINE__);
        throw;
    } catch (const XmlError &error) {
        throw libraryFailure(VelaError::LoadFailed, error, "CRadioDataModel::LoadProfile", __LINE__);
    }
}

void CRadioDataModel::RestoreMainDocument(const QString &text)
{
    XmlDocument restored;
    restored.attachSchemas(m_schemas);
    applyDocumentSettings(restored, true);
    if (!restored.loadXml(text))
        throw CVelaCPSException(VelaError::InvalidProfile,
            QStringLiteral("Desc: %1").arg(restored.parseError().reason),
            "CRadioDataModel::RestoreMainDocument", __LINE__, QStringLiteral("profile rejected"));
    m_rootItem = CDataItem();
    m_mainDocument.attachSchemas(nullptr);
    m_mainDocument = restored;
    m_rootItem = CDataItem(m_mainDocument.documentElement(), m_script);
}

bool CRadioDataModel::InitialOperaDoc(const QString &source, bool isFile)
{
    try {
        m_workingDocument = XmlDocument();
        applyDocumentSettings(m_workingDocument, false);
        QString text = source;
        if (isFile && !ReadTextFile(source, text))
            return false;
        if (!m_workingDocument.loadXml(text))
            throw CVelaCPSException(VelaError::InvalidProfile,
                QStringLiteral("File='%1'\nDesc: %2").arg(source, m_workingDocument.parseError().reason),
                "CRadioDataModel::InitialOperaDoc", __LINE__, QStringLiteral("parse failed"));
        const XmlNode factory = m_workingDocument.selectSingleNode(QStringLiteral("//dfns:factory_setting"));
        m_codeplugVersion = factory.attributeOr(QStringLiteral("codeplug_version")).trimmed().toInt();
        m_addedFields = VersionConversion::CollectAddedFields(
            m_ruleScratch, m_versionRules, m_codeplugVersion, &m_keptFields);
        return true;
    } catch (CVelaCPSException &exception) {
        exception.passThrough("CRadioDataModel::InitialOperaDoc", __LINE__);
        throw;
    } catch (const XmlError &error) {
        throw libraryFailure(VelaError::LoadFailed, error, "CRadioDataModel::InitialOperaDoc", __LINE__);
    }
}

void CRadioDataModel::TakeOffDoc()
{
    try {
        XmlDocument working;
        applyDocumentSettings(working, false);
        if (!working.loadXml(m_mainDocument.xml()))
            throw XmlError(QStringLiteral("The profile does not parse."), working.parseError().reason,
                QStringLiteral("CRadioDataModel::TakeOffDoc"));
        VersionConversion::RemoveAddedFields(working, m_addedFields);
        m_workingDocument = working;
    } catch (const XmlError &error) {
        throw libraryFailure(VelaError::SaveFormat, error, "CRadioDataModel::TakeOffDoc", __LINE__);
    }
}
