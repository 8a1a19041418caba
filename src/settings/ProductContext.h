#pragma once

#include "SettingsDocuments.h"
#include "model/VersionConversion.h"

// What the application holds for its whole life, shared by the desktop
// program and the command-line tool: the prepared configuration, the
// settings documents with the region table, and the current language.
class CProductContext {
public:
    // Prepares the configuration and loads the settings documents, in the
    // start-up order. False (after the message) when the program cannot run.
    bool start();

    const CSettingsDocuments &settings() const { return m_settings; }
    // The up/down-grade rules every profile model converts with.
    VersionRuleSource versionRules() const;
    const QString &language() const { return m_language; }
    // Takes the stored current language again, after the start-up fell back
    // to English because the chosen one could not load.
    void rememberLanguage();

private:
    CSettingsDocuments m_settings;
    QString m_language;
};
