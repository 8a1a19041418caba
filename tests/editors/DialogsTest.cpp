#include "AppTests.h"
#include "EditorFixture.h"

#include "editors/AboutDlg.h"
#include "editors/AskPwdDlg.h"
#include "editors/DealerInfoDialog.h"
#include "editors/DealerTextEdit.h"
#include "editors/NewProfileDlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

// The password prompt, the dealer information and the template chooser.
class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void password_data();
    void password();
    void dealerInfo_data();
    void dealerInfo();
    void dealerTextLimit_data();
    void dealerTextLimit();
    void newProfile_data();
    void newProfile();
    void framesHaveNoMinimiseOrMaximise();
};
APP_TEST(DialogsTest);

namespace {

const QString kEnglish = QStringLiteral("English");

// Accepts the next modal dialog once it is shown.
void AcceptNextDialog()
{
    QTimer::singleShot(0, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->accept();
    });
}

} // namespace

void DialogsTest::password_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("matched");
    QTest::addColumn<int>("messages");
    QTest::newRow("right password") << "1234"
                                    << "1234" << 0;
    QTest::newRow("wrong password") << "4321"
                                    << "" << 1;
    QTest::newRow("digits only") << "12a34"
                                 << "1234" << 0;
    QTest::newRow("four at most") << "123456"
                                  << "1234" << 0;
}

void DialogsTest::password()
{
    QFETCH(QString, typed);
    QFETCH(QString, matched);
    QFETCH(int, messages);
    RecordingReporter reporter;
    CAskPwdDlg dialog(QStringLiteral("1234"));
    QTest::keyClicks(dialog.findChild<QLineEdit *>(), typed);
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.matchedPassword(), matched);
    QCOMPARE(reporter.messages.size(), messages);
}

void DialogsTest::dealerInfo_data()
{
    QTest::addColumn<int>("length"); // of the left text; -1 for none stored
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("storedLength"); // after OK; -1 when not shown
    QTest::newRow("250 characters, read back whole") << 250 << kEnglish << "" << 250;
    QTest::newRow("251 characters (502 bytes) are cut to 250") << 251 << kEnglish << "" << 250;
    QTest::newRow("252 characters (504 bytes) are too long")
        << 252 << kEnglish
        << "The dealer information in the settings is too long to fit the dialog, please check it!" << -1;
    QTest::newRow("texts missing") << -1 << kEnglish << "Error: Load dealer information failed." << -1;
    QTest::newRow("no language") << 10 << ""
                                 << "Error: There is an error when acquiring language type." << -1;
}

void DialogsTest::dealerInfo()
{
    QFETCH(int, length);
    QFETCH(QString, language);
    QFETCH(QString, message);
    QFETCH(int, storedLength);
    EditorFixture fixture;
    if (length >= 0)
        QVERIFY(CConfigStore::setDealerInfo(kEnglish, QString(length, QLatin1Char('x')), {}, {}));
    else
        QSettings(fixture.config.userFile(), QSettings::IniFormat).remove(QStringLiteral("Language/English"));
    AcceptNextDialog();
    const int result = CDealerInfoDialog::Run(language);
    QCOMPARE(result, int(storedLength < 0 ? QDialog::Rejected : QDialog::Accepted));
    QCOMPARE(fixture.reporter.messages, message.isEmpty() ? QStringList() : QStringList { message });
    QString left, right, middle;
    if (storedLength >= 0) {
        QVERIFY(CConfigStore::dealerInfo(kEnglish, left, right, middle));
        QCOMPARE(left.size(), storedLength);
    }
}

void DialogsTest::dealerTextLimit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("storedLength");
    QTest::newRow("within") << QString(249, QLatin1Char('a')) << 249;
    QTest::newRow("beyond") << QString(260, QLatin1Char('a')) << 250;
    QTest::newRow("line breaks count twice")
        << QString(200, QLatin1Char('a')) + QString(30, QLatin1Char('\n')) << 250;
}

void DialogsTest::dealerTextLimit()
{
    QFETCH(QString, typed);
    QFETCH(int, storedLength);
    CDealerTextEdit edit;
    edit.insertPlainText(typed);
    QCOMPARE(edit.storedText().size(), storedLength);
    QVERIFY(!edit.storedText().contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
}

void DialogsTest::newProfile_data()
{
    QTest::addColumn<bool>("shippedTemplates");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("message");
    QTest::newRow("shipped templates") << true << "KUD41600"
                                       << "";
    QTest::newRow("no templates") << false << ""
                                  << "Error: Can not find template files!";
}

void DialogsTest::newProfile()
{
    QFETCH(bool, shippedTemplates);
    QFETCH(QString, first);
    QFETCH(QString, message);
    EditorFixture fixture;
    QTemporaryDir emptyInstall;
    if (!shippedTemplates)
        fixture.setMachineValue(QStringLiteral("InstallPath"), emptyInstall.path());
    CNewProfileDlg dialog;
    const auto *models = dialog.findChild<QListWidget *>();
    QCOMPARE(models->count() > 0, shippedTemplates);
    QCOMPARE(models->currentItem() ? models->currentItem()->text() : QString(), first);
    QCOMPARE(dialog.templatePath(),
        shippedTemplates ? dataPath(QStringLiteral("profiletemplate/%1.kv9").arg(first)) : QString());
    QCOMPARE(fixture.reporter.messages, message.isEmpty() ? QStringList() : QStringList { message });
}

// Dialogs are answered, not kept: their frames offer a close button only.
void DialogsTest::framesHaveNoMinimiseOrMaximise()
{
    EditorFixture fixture;
    const std::unique_ptr<QDialog> dialogs[] = { std::make_unique<CAboutDlg>(
                                                     fixture.context, QStringLiteral("Vela")),
        std::make_unique<CAskPwdDlg>(QStringLiteral("1234")), std::make_unique<CNewProfileDlg>(),
        std::make_unique<CDealerInfoDialog>(QStringLiteral("English"), QString(), QString(), QString()) };
    for (const auto &dialog : dialogs) {
        const Qt::WindowFlags flags = dialog->windowFlags();
        QVERIFY2(flags.testFlag(Qt::CustomizeWindowHint) && flags.testFlag(Qt::WindowCloseButtonHint)
                && !flags.testFlag(Qt::WindowMinimizeButtonHint)
                && !flags.testFlag(Qt::WindowMaximizeButtonHint),
            dialog->metaObject()->className());
    }
    QCOMPARE(dialogs[0]->windowTitle(), QStringLiteral("About Vela"));
}

#include "DialogsTest.moc"
