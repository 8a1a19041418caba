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
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

// Device > Program Several Radios against the emulator's radios.
class ProgramRadiosTest : public QObject {
    Q_OBJECT

private slots:
    void commandFollowsTheOpenProfile();
    void twoCablesAtOnce();
    void oneCableSwappedAfterARefusedValuesFile();
};

namespace {

constexpr int kBatchMs = 120000;

// A profile from the template and the dialog over it, on the cables given,
// with the report it shows kept instead of opened.
struct BatchSetUp {
    explicit BatchSetUp(const QStringList &cables)
        : window(app.newFromTemplate(QStringLiteral("KUD51900")))
        , dialog(app.context, { { window->document().title(), &window->document().profile() } }, 0, {},
              app.frame.get())
        , ended(&dialog, &CProgramRadiosDlg::batchEnded)
    {
        for (const QString &cable : cables)
            dialog.addCable(cable, cable);
        dialog.setResetSettleTime(0ms);
        dialog.setLogFolder(logFolder());
        dialog.setReportViewer([this](const WrittenReport &report) { shown << report.filePath; });
        dialog.show();
    }

    QString logFolder() const { return app.temp.filePath(QStringLiteral("batch")); }
    template <typename Widget> Widget *child(const char *name) { return dialog.findChild<Widget *>(name); }
    QString cell(int row, CProgramRadiosDlg::Column column) const
    {
        const QTableWidgetItem *item = dialog.radioTable()->item(row, column);
        return item ? item->text() : QString();
    }

    AppFixture app;
    CProfileWindow *window;
    CProgramRadiosDlg dialog;
    QSignalSpy ended;
    QStringList shown;
};

} // namespace

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
    BatchSetUp setUp(radios.paths());
    setUp.child<QSpinBox>("radioCount")->setValue(2);
    setUp.child<QLineEdit>("customer")->setText(QStringLiteral("Harbour <Taxis>"));
    setUp.child<QPushButton>("startButton")->click();
    QVERIFY(setUp.dialog.isRunning());
    QVERIFY(setUp.ended.wait(kBatchMs));

    QCOMPARE(setUp.dialog.radioTable()->rowCount(), 2);
    QStringList serials;
    for (int row = 0; row < 2; ++row) {
        QCOMPARE(setUp.cell(row, CProgramRadiosDlg::Result), "OK");
        QCOMPARE(setUp.cell(row, CProgramRadiosDlg::Verify), "Passed");
        QCOMPARE(setUp.cell(row, CProgramRadiosDlg::Backup), "Stored");
        serials << setUp.cell(row, CProgramRadiosDlg::Serial);
    }
    QVERIFY(serials[0] != serials[1]);
    // The report opened is the one beside the log, naming both radios.
    QCOMPARE(setUp.shown, { QDir(setUp.logFolder()).filePath(BatchReport::kFileName) });
    const std::optional<QString> page = ReportWriter::ReadPage(setUp.shown[0]);
    QVERIFY(page && page->contains(serials[0]) && page->contains(serials[1]));
    QVERIFY(page->contains("Harbour &lt;Taxis&gt;"));
    QVERIFY(setUp.app.reporter.messages.isEmpty());
}

void ProgramRadiosTest::oneCableSwappedAfterARefusedValuesFile()
{
    RadioEmulator radio({ QStringLiteral("--model"), QStringLiteral("KUD51900"),
        QStringLiteral("--swap-every"), QStringLiteral("600") });
    BatchSetUp setUp({ radio.path() });
    const QString values = setUp.app.temp.filePath(QStringLiteral("values.csv"));
    const auto writeValues = [&values](const QByteArray &text) {
        QFile file(values);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    setUp.child<QSpinBox>("radioCount")->setValue(2);
    setUp.child<QLineEdit>("valuesFile")->setText(values);

    // A refused value is named by its line, and nothing starts.
    QVERIFY(writeValues("order,setting.powerupString\n1,FIRST\n2,NOT VALID\n"));
    setUp.child<QPushButton>("startButton")->click();
    QVERIFY(!setUp.dialog.isRunning());
    QCOMPARE(setUp.app.reporter.messages.size(), 1);
    QVERIFY2(setUp.app.reporter.messages[0].contains("line 3"), qPrintable(setUp.app.reporter.messages[0]));
    QCOMPARE(setUp.dialog.radioTable()->rowCount(), 0);

    QVERIFY(writeValues("order,setting.powerupString\n1,FIRST\n2,SECOND\n"));
    setUp.child<QPushButton>("startButton")->click();
    QVERIFY(setUp.dialog.isRunning());
    const QLabel *status = setUp.child<QLabel>("batchStatus");
    QVERIFY(QTest::qWaitFor(
        [status] { return status->text() == "Connect the next radio. 1 radio(s) done."; }, kBatchMs));
    QVERIFY(setUp.ended.wait(kBatchMs));
    QCOMPARE(setUp.dialog.radioTable()->rowCount(), 2);
    for (const auto &[row, value] : { std::pair { 0, "FIRST" }, std::pair { 1, "SECOND" } }) {
        QCOMPARE(setUp.cell(row, CProgramRadiosDlg::Result), "OK");
        QVERIFY(setUp.cell(row, CProgramRadiosDlg::Written).endsWith(QStringLiteral("=") + value));
    }
    QVERIFY(setUp.cell(0, CProgramRadiosDlg::Serial) != setUp.cell(1, CProgramRadiosDlg::Serial));
}

APP_TEST(ProgramRadiosTest);
#include "ProgramRadiosTest.moc"
