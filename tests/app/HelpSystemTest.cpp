#include "AppTests.h"

#include "HelpPane.h"
#include "HelpSystem.h"
#include "MainCommands.h"
#include "TestEnvironment.h"
#include "base/ConfigStore.h"

#include <QDir>
#include <QFile>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The compiled help: which message each broken set-up gives, and the pages
// of the collection the build compiles.
class HelpSystemTest : public QObject {
    Q_OBJECT

private slots:
    void init() { CHelpSystem::instance().reset(); }
    void cleanup() { CHelpSystem::instance().setLanguage(QString()); }
    void brokenSetUps_data();
    void brokenSetUps();
    void pagesOfTheBuiltCollection();
    void languagePagesFallBackToEnglish_data();
    void languagePagesFallBackToEnglish();
    void helpOfTheRunsLanguage();
    void paneShowsAPageAgainAfterABlankOne();
};

void HelpSystemTest::brokenSetUps_data()
{
    QTest::addColumn<QString>("helpFileName");
    QTest::addColumn<QByteArray>("collectionContent");
    QTest::addColumn<QString>("message");
    QTest::newRow("no help file named")
        << QString() << QByteArray() << "Error: Can not find help file information in the settings!";
    QTest::newRow("no collection") << "help/Nowhere/index.html" << QByteArray()
                                   << "Error: Can not find the help file!";
    QTest::newRow("collection not readable")
        << "help/English/index.html" << QByteArray("not a help collection")
        << "Error: Help File format is invalid!";
}

void HelpSystemTest::brokenSetUps()
{
    QFETCH(QString, helpFileName);
    QFETCH(QByteArray, collectionContent);
    QFETCH(QString, message);
    QTemporaryDir install;
    ScopedConfig config(install.path());
    QVERIFY(CConfigStore::prepare());
    QSettings(config.machineFile(), QSettings::IniFormat)
        .setValue("Language/English/HelpFileName", helpFileName);
    if (!collectionContent.isEmpty()) {
        QVERIFY(QDir(install.path()).mkpath(QStringLiteral("help/English")));
        QFile collection(install.filePath(QStringLiteral("help/English/velacps.qhc")));
        QVERIFY(collection.open(QIODevice::WriteOnly));
        collection.write(collectionContent);
    }
    CHelpSystem &help = CHelpSystem::instance();
    QCOMPARE(CHelpSystem::message(help.status()), message);
    QVERIFY(!help.engine());
    QVERIFY(help.urlForHelpFile(QStringLiteral("channel.html")).isEmpty());
}

void HelpSystemTest::pagesOfTheBuiltCollection()
{
    ScopedConfig config;
    QVERIFY(CConfigStore::prepare());
    CHelpSystem &help = CHelpSystem::instance();
    QCOMPARE(help.status(), CHelpSystem::Status::Ready);
    const QUrl channel = help.urlForHelpFile(QStringLiteral("channel.html"));
    QVERIFY(channel.isValid());
    QVERIFY(help.engine()->fileData(channel).contains("<title>Channel</title>"));
    QVERIFY(
        help.engine()->fileData(help.homeUrl()).contains("<title>KVX Series Distributor CPS Help</title>"));
    QVERIFY(help.urlForHelpFile(QStringLiteral("no_such_page.html")).isEmpty());
}

void HelpSystemTest::languagePagesFallBackToEnglish_data()
{
    QTest::addColumn<QString>("language");
    for (const CMainCommands::Language &language : CMainCommands::languages())
        QTest::newRow(language.key) << QString::fromLatin1(language.key);
}

// Every page of the English help is in the language's collection: the
// language's own page where it has one, else the English page. Every
// control's paragraph of those pages is in the index under its caption, in
// the words of the page, and leads to that paragraph.
void HelpSystemTest::languagePagesFallBackToEnglish()
{
    QFETCH(QString, language);
    ScopedConfig config;
    QVERIFY(CConfigStore::prepare());
    QVERIFY(CConfigStore::setCurrentLanguage(language));
    CHelpSystem &help = CHelpSystem::instance();
    QCOMPARE(help.status(), CHelpSystem::Status::Ready);
    const QDir english(dataPath(QStringLiteral("help/English")));
    const QDir own(dataPath(QStringLiteral("help/") + language));
    const QRegularExpression paragraph(QStringLiteral("<dt id=\"([^\"]+)\">([^<]+)</dt>"));
    int captions = 0;
    for (const QString &page : english.entryList({ QStringLiteral("*.html") })) {
        QFile source(own.exists(page) ? own.filePath(page) : english.filePath(page));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray text = source.readAll();
        QCOMPARE(help.engine()->fileData(help.urlForHelpFile(page)), text);
        for (auto it = paragraph.globalMatch(QString::fromUtf8(text)); it.hasNext(); ++captions) {
            const QRegularExpressionMatch match = it.next();
            const QString caption = match.captured(2)
                                        .replace(QLatin1String("&gt;"), QLatin1String(">"))
                                        .replace(QLatin1String("&lt;"), QLatin1String("<"))
                                        .replace(QLatin1String("&amp;"), QLatin1String("&"));
            const QUrl expected = help.urlForHelpFile(page + QLatin1Char('#') + match.captured(1));
            QStringList found;
            for (const QHelpLink &link : help.engine()->documentsForKeyword(caption))
                found << link.url.toString();
            QVERIFY2(found.contains(expected.toString()),
                qPrintable(caption + QLatin1String(": ") + found.join(',')));
        }
    }
    QVERIFY(captions > 100);
}

// A language chosen in the menu takes effect at the next start; until then
// the help stays in the language the program runs in.
void HelpSystemTest::helpOfTheRunsLanguage()
{
    ScopedConfig config;
    QVERIFY(CConfigStore::prepare());
    CHelpSystem &help = CHelpSystem::instance();
    help.setLanguage(QStringLiteral("German"));
    QVERIFY(CConfigStore::setCurrentLanguage(QStringLiteral("English")));
    QFile german(dataPath(QStringLiteral("help/German/index.html")));
    QVERIFY(german.open(QIODevice::ReadOnly));
    QCOMPARE(help.engine()->fileData(help.homeUrl()), german.readAll());
}

// A blank pane (no such page) still shows the page it showed before when
// asked again; scrolling to a paragraph is the tree window's end-to-end test.
void HelpSystemTest::paneShowsAPageAgainAfterABlankOne()
{
    ScopedConfig config;
    QVERIFY(CConfigStore::prepare());
    CHelpPane pane;
    pane.showPage(QStringLiteral("general_settings.html#codeplug-password"));
    pane.showPage(QStringLiteral("no_such_page.html#codeplug-password"));
    QVERIFY(pane.document()->isEmpty());
    pane.showPage(QStringLiteral("general_settings.html#codeplug-password"));
    QVERIFY(!pane.document()->isEmpty());
}

APP_TEST(HelpSystemTest);
#include "HelpSystemTest.moc"
