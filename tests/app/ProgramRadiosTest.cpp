#include "AppFixture.h"
#include "AppTests.h"

#include "MainFrame.h"
#include "ProfileWindow.h"
#include "ProgramRadiosDlg.h"
#include "RadioEmulator.h"
#include "VelaCPSDoc.h"
#include "reports/BatchReport.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using namespace std::chrono_literals;

// Device > Program Several Radios against the emulator's radios, each on
// its own cable.
class ProgramRadiosTest : public QObject {
    Q_OBJECT

private slots:
    void commandFollowsTheOpenProfile();
    void twoCablesAtOnce();
};

void ProgramRadiosTest::commandFollowsTheOpenProfile()
{
    AppFixture app;
    QAction *command = app.action("deviceProgramRadios");
    QVERIFY(!command->isEnabled());
    QVERIFY(app.newFromTemplate(QStringLiteral("KUD51900")));
    QVERIFY(command->isEnabled());
}

void ProgramRadiosTest::twoCablesAtOnce()
{
    RadioEmulator radios({ QStringLiteral("--model"), QStringLiteral("KUD51900"), QStringLiteral("--radios"),
        QStringLiteral("2") });
    QCOMPARE(radios.paths().size(), 2);
    AppFixture app;
    CProfileWindow *window = app.newFromTemplate(QStringLiteral("KUD51900"));
    QVERIFY(window);

    CProgramRadiosDlg dialog(app.context, { { window->document().title(), &window->document().profile() } },
        0, {}, app.frame.get());
    for (const QString &path : radios.paths())
        dialog.addCable(path, path);
    dialog.findChild<QSpinBox *>("radioCount")->setValue(2);
    dialog.findChild<QLineEdit *>("customer")->setText(QStringLiteral("Harbour <Taxis>"));
    dialog.setResetSettleTime(0ms);
    dialog.setLogFolder(app.temp.filePath(QStringLiteral("batch")));
    QStringList shown;
    dialog.setReportViewer([&shown](const WrittenReport &report) { shown << report.filePath; });
    QSignalSpy ended(&dialog, &CProgramRadiosDlg::batchEnded);
    dialog.show();
    dialog.findChild<QPushButton *>("startButton")->click();
    QVERIFY(dialog.isRunning());
    QVERIFY(ended.wait(120000));

    const QTableWidget *table = dialog.radioTable();
    QCOMPARE(table->rowCount(), 2);
    QStringList serials;
    for (int row = 0; row < table->rowCount(); ++row) {
        QCOMPARE(table->item(row, CProgramRadiosDlg::Result)->text(), "OK");
        QCOMPARE(table->item(row, CProgramRadiosDlg::Verify)->text(), "Passed");
        QVERIFY(table->item(row, CProgramRadiosDlg::Written)->text().startsWith(window->document().title()));
        serials << table->item(row, CProgramRadiosDlg::Serial)->text();
    }
    QVERIFY(serials[0] != serials[1]);
    // The report opened is the one beside the log, naming both radios.
    QCOMPARE(shown, { QDir(app.temp.filePath(QStringLiteral("batch"))).filePath(BatchReport::kFileName) });
    const std::optional<QString> page = ReportWriter::ReadPage(shown[0]);
    QVERIFY(page && page->contains(serials[0]) && page->contains(serials[1]));
    QVERIFY(page->contains("Harbour &lt;Taxis&gt;"));
    QVERIFY(app.reporter.messages.isEmpty());
}

APP_TEST(ProgramRadiosTest);
#include "ProgramRadiosTest.moc"
