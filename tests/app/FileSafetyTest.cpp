#include "AppFixture.h"
#include "AppTests.h"

#include "ProfileWindow.h"
#include "SingleInstance.h"
#include "VelaCPSDoc.h"

#include <QFile>
#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>

#include <future>

// What reaches another window or another copy: Save As onto a file open
// elsewhere, and the hand-over of a file to open.
class FileSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void saveAsOntoAFileOpenElsewhereIsRefused();
    void handOverGivesExactlyThePathToItsDisplayOnly();
};

void FileSafetyTest::saveAsOntoAFileOpenElsewhereIsRefused()
{
    AppFixture app;
    CProfileWindow *first = app.newFromTemplate(QStringLiteral("KUR40800"));
    app.savePath = app.temp.filePath(QStringLiteral("a.kv9"));
    QVERIFY(first->document().SaveAs());
    QFile saved(app.savePath);
    const QByteArray bytes = saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    CProfileWindow *second = app.newFromTemplate(QStringLiteral("KXR40400"));
    app.reporter.messages.clear();
    QVERIFY(!second->document().SaveAs());
    QCOMPARE(app.reporter.messages,
        QStringList { "\"a.kv9\" is open in another window. Close that window first, or save under another "
                      "name." });
    QVERIFY(saved.seek(0) && saved.readAll() == bytes);
    QVERIFY(first->document().SaveAs()); // its own window may
}

void FileSafetyTest::handOverGivesExactlyThePathToItsDisplayOnly()
{
    QTemporaryDir runtime; // this user's own, as $XDG_RUNTIME_DIR is
    const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR"), savedDisplay = qgetenv("DISPLAY");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("DISPLAY", ":7");
    CSingleInstance running;
    QVERIFY(running.listen());
    QStringList received;
    connect(&running, &CSingleInstance::fileRequested, [&](const QString &path) { received << path; });
    const QString path = QStringLiteral(" /home/dealer/two\nlines.kv9 ");
    auto taken = std::async(std::launch::async, [&] { return CSingleInstance::handOver(path); });
    QTRY_COMPARE_WITH_TIMEOUT(received, QStringList { path }, 30000);
    QVERIFY(taken.get());

    // A client that sends without end: the length it promises is refused.
    QLocalSocket client;
    client.connectToServer(CSingleInstance::serverName());
    QVERIFY(client.waitForConnected(30000));
    client.write(QByteArray(64 * 1024, 'x'));
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), QLocalSocket::UnconnectedState, 30000);

    qputenv("DISPLAY", ":8");
    QVERIFY(!CSingleInstance::handOver(path));
    QCOMPARE(received.size(), 1);
    qputenv("XDG_RUNTIME_DIR", savedRuntime);
    qputenv("DISPLAY", savedDisplay);
}

APP_TEST(FileSafetyTest);
#include "FileSafetyTest.moc"
