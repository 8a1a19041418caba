#pragma once

#include "document/ProfileDocument.h"
#include "settings/ProductContext.h"

#include <memory>

// The command-line tool's start-up: the same configuration and settings
// documents as the desktop program.
class CliSession {
public:
    // False (after the message) when the product cannot start.
    bool start() { return m_context.start(); }
    const CProductContext &context() const { return m_context; }
    // Whether the profile file at path may be opened; false after the
    // message, which says why a file cannot be read.
    bool checkProfileFile(const QString &path) const;
    // The profile file at path opened as the Open command does; null after
    // the message.
    std::unique_ptr<CProfileDocument> openDocument(const QString &path) const;
    // Whether text, read from the file at path, loads as a profile (parses
    // and validates); false after the message and its diagnosis.
    bool loadsAsProfile(const QString &path, const QString &text) const;
    // A new document on this session's version rules.
    std::unique_ptr<CProfileDocument> newDocument() const;
    // Saves a profile that passed its load-time rules to path as the Save
    // command does; the exit status. A profile the rules refused (their
    // message shown as it loaded) is not saved: the save would show it again.
    static int showAndSave(CProfileDocument &document, const QString &path);

private:
    CProductContext m_context;
};
