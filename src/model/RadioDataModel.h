#pragma once

#include "DataItem.h"
#include "VersionConversion.h"
#include "xml/XmlDocument.h"

#include <memory>

class ScriptHost;

// One radio profile in memory: the schema-validated main document that the
// editors change, the working document in which each source is first parsed
// and adapted to this software's codeplug version (and from which the saved
// text is made), the hook script host, and the root data item.
class CRadioDataModel {
public:
    explicit CRadioDataModel(VersionRuleSource versionRules = {});
    ~CRadioDataModel();
    CRadioDataModel(const CRadioDataModel &) = delete;
    CRadioDataModel &operator=(const CRadioDataModel &) = delete;

    // Starts the script host with DataProfile.js and makes the rule scratch
    // document. False after a message when the script file is missing.
    bool Initialize();

    // Loads a profile from a file (isFile) or from its text. True on success;
    // false after a message when an install file is missing; throws
    // CVelaCPSException (135 invalid, 136 library failure, 137 script engine).
    bool LoadProfile(const QString &source, bool isFile);

    // Parses source into the working document, records its codeplug version
    // and collects the added-field rules. False when a file cannot be read.
    bool InitialOperaDoc(const QString &source, bool isFile);

    // Replaces the main document by text, a profile this model held before
    // (undo and redo keep such texts), validated as at load. The working
    // document and the version rules of the loaded source stay. Throws code
    // 135 when the text does not validate.
    void RestoreMainDocument(const QString &text);

    // The working document becomes the main document without the fields
    // that loading added (the text to save). Throws code 533 on failure.
    void TakeOffDoc();

    CDataItem &rootItem() { return m_rootItem; }
    const CDataItem &rootItem() const { return m_rootItem; }
    const XmlDocument &mainDocument() const { return m_mainDocument; }
    const XmlDocument &workingDocument() const { return m_workingDocument; }
    int codeplugVersion() const { return m_codeplugVersion; }
    bool isLoaded() const { return !m_rootItem.isEmpty(); }

private:
    void applyDocumentSettings(XmlDocument &document, bool mainDocument) const;
    bool readInstallFile(const QString &fileName, QString &text) const;

    CDataItem m_rootItem;
    XmlDocument m_mainDocument;
    XmlDocument m_ruleScratch;
    std::shared_ptr<ScriptHost> m_script;
    bool m_initialized = false;
    int m_codeplugVersion = 0;
    XmlDocument m_workingDocument;
    QList<XmlNode> m_addedFields;
    QList<XmlNode> m_keptFields;
    VersionRuleSource m_versionRules;
    QString m_schemaText;
    std::shared_ptr<XmlSchemaCollection> m_schemas;
};
