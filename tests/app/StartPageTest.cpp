#include "AppFixture.h"
#include "AppTests.h"

#include "MainCommands.h"
#include "MainFrame.h"
#include "StartPage.h"
#include "SupportFileCommand.h"
#include "base/MessageReporter.h"

#include <QAccessible>
#include <QCommandLinkButton>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QTest>

// The start page of the empty main window, and Help > Create Support File.
class StartPageTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheOpenProfiles();
    void offersReadOnlyWithACable();
    void recentProfilesShowTheirModel();
    void supportFileAddsTheProfileWhenAsked();
};

namespace {

QWidget *startPage(const AppFixture &app)
{
    return app.frame->findChild<CStartPage *>();
}

} // namespace

void StartPageTest::followsTheOpenProfiles()
{
    AppFixture app;
    app.frame->show();
    QTRY_VERIFY(startPage(app)->isVisible());
    // Every control of it has a name a screen reader reads out.
    for (QWidget *control : startPage(app)->findChildren<QWidget *>()) {
        if (control->isVisible() && control->focusPolicy() != Qt::NoFocus)
            QVERIFY(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty());
    }
    // New Profile on the page is File > New.
    app.templatePath = dataPath(QStringLiteral("profiletemplate/KUD51900.kv9"));
    auto *newProfile = startPage(app)->findChild<QCommandLinkButton *>(QStringLiteral("startfileNew"));
    QTest::keyClick(newProfile, Qt::Key_Space);
    QTRY_COMPARE(app.windowCount(), 1);
    QTRY_VERIFY(!startPage(app)->isVisible());
    QVERIFY(app.newFromTemplate(QStringLiteral("KUD51900")));
    app.action("fileClose")->trigger();
    QTest::qWait(50);
    QVERIFY(!startPage(app)->isVisible());
    app.action("fileClose")->trigger();
    QTRY_VERIFY(startPage(app)->isVisible());
}

void StartPageTest::offersReadOnlyWithACable()
{
    AppFixture app;
    app.frame->show();
    auto *read = startPage(app)->findChild<QCommandLinkButton *>(QStringLiteral("startdeviceRead"));
    QVERIFY(read);
    app.sendCableStatus(false);
    QVERIFY(!read->isVisible());
    app.sendCableStatus(true);
    QVERIFY(read->isVisible() && read->isEnabled());
}

void StartPageTest::recentProfilesShowTheirModel()
{
    AppFixture app;
    app.savePath = app.temp.filePath(QStringLiteral("shop.kv9"));
    QVERIFY(app.newFromTemplate(QStringLiteral("KUR40800")));
    app.action("fileSave")->trigger();
    app.action("fileClose")->trigger();
    auto *recent = startPage(app)->findChild<QListWidget *>(QStringLiteral("startRecent"));
    QTRY_COMPARE(recent->count(), 1);
    QVERIFY(recent->item(0)->text().contains(QLatin1String("shop.kv9")));
    QVERIFY(recent->item(0)->text().contains(QLatin1String("KUR40800")));
    emit recent->itemActivated(recent->item(0));
    QCOMPARE(app.windowCount(), 1);
}

void StartPageTest::supportFileAddsTheProfileWhenAsked()
{
    AppFixture app;
    QVERIFY(app.newFromTemplate(QStringLiteral("KUD51900")));
    auto *command = app.frame->findChild<CSupportFileCommand *>();
    QVERIFY(command && !command->action()->associatedObjects().isEmpty());
    const QString path = app.temp.filePath(QStringLiteral("support"));
    command->setPathChooser([&](const QString &) { return path; });
    app.reporter.answer = MsgAnswer::Yes;
    command->action()->trigger();
    QProcess tar;
    tar.start(QStringLiteral("tar"), { QStringLiteral("-tzf"), path + QStringLiteral(".tar.gz") });
    QVERIFY(tar.waitForFinished(60000));
    const QString listing = QString::fromUtf8(tar.readAllStandardOutput());
    QVERIFY2(listing.contains(QLatin1String("/profile/")), qPrintable(listing));
    QVERIFY(listing.contains(QLatin1String("/system.txt")));
}

APP_TEST(StartPageTest);
#include "StartPageTest.moc"
