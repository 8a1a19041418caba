#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <memory>
#include <optional>

class QHelpEngine;
class QHelpEngineCore;

// The compiled help of the current language: a Qt help collection built
// from the language's help pages, opened once per process. The help window
// and the help pane both read their pages from this engine.
class CHelpSystem {
public:
    enum class Status {
        Ready,
        NotConfigured, // no help file named for the language
        CollectionMissing, // the compiled collection is not where expected
        CollectionUnreadable, // the collection exists but does not open
    };

    static CHelpSystem &instance();
    ~CHelpSystem();

    // Opens the collection of the current language on first use.
    Status status();
    // The message shown for a status other than Ready.
    static QString message(Status status);

    // Null unless status() is Ready.
    QHelpEngineCore *engine();
    QHelpEngine *helpEngine();

    // The page of the help-page map ("channel.html", or with the anchor of
    // a control's paragraph "channel.html#name") in the collection; empty
    // when there is no help or no such page.
    QUrl urlForHelpFile(const QString &fileNameFromHelpPanMap);
    // The configured help page itself, the start page of the help window.
    QUrl homeUrl();

    // The collection is looked for beside the configured help page (the
    // language's "HelpFileName"), as GeneratedData finds it.
    static constexpr char kCollectionName[] = "velacps.qhc";
    // The folder of the pages inside the collection.
    static constexpr char kVirtualFolder[] = "help";

    // The help of language from now on, whatever the stored current language
    // becomes (a language chosen in the menu takes effect at the next start).
    // While it is empty (at first), the stored current language's help is
    // used.
    void setLanguage(const QString &language);

    // Forgets the opened collection, so the next use opens the then
    // configured one (after the configuration changed).
    void reset();

private:
    CHelpSystem() = default;
    Status open();
    static void closeAtExit();

    std::unique_ptr<QHelpEngine> m_engine;
    QString m_namespace;
    QString m_homePage;
    std::optional<Status> m_status;
    QString m_language;
};
