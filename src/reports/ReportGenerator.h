#pragma once

#include "ReportFiles.h"

#include <QString>

#include <optional>

class CProfileDocument;
class XmlDocument;

// Turns a profile into one of the two report pages: the report's style sheet
// from the report folder, localised, transforms the profile, and the result is
// completed (dealer block, table rows, the report style). Shared by the report
// window and the command-line tool.
class CReportGenerator {
public:
    // language: the application's current language, which gives the
    // decimal separator and the dealer texts.
    CReportGenerator(CProfileDocument &document, const QString &language);

    // The page, or nothing after the message of what went wrong: a missing
    // style sheet, dealer texts that cannot be read, a failure of the XML
    // layer ("Some files needed by CPS are not available.\nPlease reinstall
    // CPS.") or the program's own error.
    std::optional<QString> generate(ReportKind kind) const;

private:
    std::optional<QString> handout() const;
    std::optional<QString> detailed() const;
    XmlDocument preparedProfile() const;

    CProfileDocument &m_document;
    QString m_language;
};
