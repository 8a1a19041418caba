#pragma once

#include "xml/XmlDocument.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// Where a settings document lives below the install directory.
enum class SettingFolder {
    Lib, // "lib": the product's settings documents
    Report, // "Report": the report style sheets
};

// Reads and parses one file of the install directory (install path from the
// configuration store), with the prefix dfns bound to the profile namespace.
// A file that cannot be read or parsed shows "Some files needed by CPS are
// not available.\nPlease reinstall CPS." and gives nothing.
std::optional<XmlDocument> LoadSettingDoc(const QString &fileName, SettingFolder folder);

// The product's settings documents, loaded once at start-up and kept for the
// life of the program, with the queries every other part asks them. The
// queries never change a document. Asking a document that was never loaded,
// or an error of the XML layer, raises CVelaCPSException.
class CSettingsDocuments {
public:
    // The start-up load: the five documents in order, stopping at the first
    // that fails; then the hook script and the schema must exist in
    // "profiletemplate"; then the region name and the region-name table are
    // read. False (after the reinstall message) when anything is missing.
    bool load();
    bool isLoaded() const { return m_loaded; }

    const XmlDocument &visibleSettingDocument() const { return m_visibleSetting; }
    const XmlDocument &buttonListDocument() const { return m_buttonList; }
    const XmlDocument &regionDocument() const { return m_region; }
    const XmlDocument &helpPageMapDocument() const { return m_helpPageMap; }
    const XmlDocument &upDownGradeDocument() const { return m_upDownGrade; }

    // Held since load: the product's region name and the region-name table
    // (region number -> product name to suggest).
    const QString &regionName() const { return m_regionName; }
    const QMap<int, QString> &regionNames() const { return m_regionNames; }

    // Region document queries.
    // Product version text; empty when absent.
    QString productVersion() const;
    // The supported region codes as texts, in document order.
    QStringList supportedRegions() const;
    // True when code equals one supported code exactly ("4" is not "04").
    bool isSupportedRegion(const QString &code) const;
    // Highest codeplug version the product supports; 1 when not stated.
    int codeplugVersion() const;
    // Region number (a code that is not a number counts as 0) -> product
    // name.
    QMap<int, QString> readRegionNameTable() const;
    // The language keys offered, in document order.
    QStringList supportedLanguages() const;
    // The menu text of a language; a single blank when the language is not
    // listed or has no text.
    QString languageDisplayName(const QString &name) const;

    // The children of region name / key in the visible-settings document.
    QList<XmlNode> visibleSettings(const QString &key) const;

    // The help topic of control id in the view key. page is left unchanged
    // (and the answer is false) when the map has no such entry.
    bool helpPage(const QString &key, const QString &id, QString &page) const;

private:
    QString readRegionName() const;

    XmlDocument m_visibleSetting;
    XmlDocument m_buttonList;
    XmlDocument m_region;
    XmlDocument m_helpPageMap;
    XmlDocument m_upDownGrade;
    QString m_regionName;
    QMap<int, QString> m_regionNames;
    bool m_loaded = false;
};
