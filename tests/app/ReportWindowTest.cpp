#include "AppTests.h"

#include "RecordingReporter.h"
#include "ReportDlg.h"
#include "ReportOptionDlg.h"
#include "TestEnvironment.h"
#include "document/ProfileDocument.h"
#include "reports/ReportGenerator.h"
#include "reports/ReportMail.h"
#include "settings/ProductContext.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The report options dialog and the report window's buttons. The window
// runs the real browser engine on the offscreen platform: the PDF export is
// the page it would print.
class ReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void optionsDialogOffersBothReports();
    void okNeedsAChoice();
    void doubleClickChoosesAndCloses();
    void windowButtonsAndPageMargins();
    void handoutWithMissingPicturesSaysSo();
    void exportPdfWritesThePrintedPage();
    void saveAsKeepsThePictures();
    void printPreviewShowsThePages();
    void emailHandsOverThePageAndPictures();

private:
    // A handout written into a fresh folder, with its pictures when asked.
    WrittenReport writeHandout(bool withPictures);

    QTemporaryDir m_folder;
    RecordingReporter m_reporter;
};
APP_TEST(ReportWindowTest);

namespace {

QAbstractButton *okButton(CReportOptionDlg &dialog)
{
    return dialog.findChild<QDialogButtonBox *>()->buttons().at(0);
}

} // namespace

// The handout of a display model's template.
WrittenReport ReportWindowTest::writeHandout(bool withPictures)
{
    ScopedConfig config;
    CProductContext context;
    CProfileDocument document(context.versionRules());
    if (!context.start()
        || !document.NewFromTemplate(dataPath(QStringLiteral("profiletemplate/KUD41600.kv9"))))
        return {};
    const QString text
        = CReportGenerator(document, context.language()).generate(ReportKind::Handout).value_or(QString());
    const QString folder
        = m_folder.filePath(withPictures ? QStringLiteral("with") : QStringLiteral("without"));
    QDir().mkpath(folder);
    const QString page = QDir(folder).filePath(QStringLiteral("Customer Handout.htm"));
    if (withPictures)
        ReportWriter::WriteReportTo(page, text, dataPath(QStringLiteral("Report")));
    else
        ReportWriter::WriteReport(QStringLiteral("Customer Handout.htm"), text, folder, folder);
    return WrittenReport { folder, page };
}

void ReportWindowTest::optionsDialogOffersBothReports()
{
    CReportOptionDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Reports"));
    auto *list = dialog.findChild<QListWidget *>();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Customer Handout"));
    QCOMPARE(list->item(1)->text(), QStringLiteral("Detailed Report"));
    QVERIFY(list->item(0)->isSelected());
    QCOMPARE(dialog.selectedKind(), ReportKind::Handout);
}

void ReportWindowTest::okNeedsAChoice()
{
    CReportOptionDlg dialog;
    auto *list = dialog.findChild<QListWidget *>();
    QVERIFY(okButton(dialog)->isEnabled());
    list->clearSelection();
    QVERIFY(!okButton(dialog)->isEnabled());
    list->item(1)->setSelected(true);
    QVERIFY(okButton(dialog)->isEnabled());
}

void ReportWindowTest::doubleClickChoosesAndCloses()
{
    CReportOptionDlg dialog;
    auto *list = dialog.findChild<QListWidget *>();
    list->setCurrentRow(1);
    emit list->itemDoubleClicked(list->item(1));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selectedKind(), ReportKind::Detailed);
}

void ReportWindowTest::windowButtonsAndPageMargins()
{
    CReportDlg window(writeHandout(true), ReportKind::Handout, true);
    QCOMPARE(window.windowTitle(), QStringLiteral("Reports"));
    QStringList captions;
    for (const char *name : { "printPreview", "print", "exportPdf", "email", "saveAs", "close" })
        captions << window.findChild<QPushButton *>(QLatin1String(name))->text();
    QCOMPARE(captions, QStringList({ "Print Preview", "Print", "Export PDF", "E-mail", "Save As", "Close" }));
    QCOMPARE(window.pageLayout().margins(QPageLayout::Inch), CReportDlg::kPageMargins);
    QVERIFY(m_reporter.messages.isEmpty());
}

void ReportWindowTest::handoutWithMissingPicturesSaysSo()
{
    const WrittenReport report = writeHandout(false);
    CReportDlg detailed(report, ReportKind::Detailed, true);
    QVERIFY(m_reporter.messages.isEmpty());
    CReportDlg handout(report, ReportKind::Handout, true);
    QCOMPARE(m_reporter.messages,
        QStringList { QStringLiteral("Some files needed by CPS are not available.\nPlease reinstall CPS.") });
    m_reporter.messages.clear();
}

void ReportWindowTest::exportPdfWritesThePrintedPage()
{
    CReportDlg window(writeHandout(true), ReportKind::Handout, true);
    QSignalSpy loaded(&window, &CReportDlg::pageLoaded);
    QVERIFY(loaded.wait(30000));
    const QString target = m_folder.filePath(QStringLiteral("handout.pdf"));
    QString suggested;
    window.setPathPrompt([&](const QString &, const QString &path, const QString &) {
        suggested = path;
        return target;
    });
    QSignalSpy written(&window, &CReportDlg::fileWritten);
    window.findChild<QPushButton *>(QStringLiteral("exportPdf"))->click();
    QVERIFY(written.wait(30000));
    QVERIFY(suggested.endsWith(QLatin1String("/Customer Handout.pdf")));
    QCOMPARE(written.first().at(1).toBool(), true);
    QFile pdf(target);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
}

void ReportWindowTest::saveAsKeepsThePictures()
{
    CReportDlg window(writeHandout(true), ReportKind::Handout, true);
    QSignalSpy loaded(&window, &CReportDlg::pageLoaded);
    QVERIFY(loaded.wait(30000));
    const QString target = m_folder.filePath(QStringLiteral("saved/Handout.htm"));
    QDir().mkpath(QFileInfo(target).absolutePath());
    window.setPathPrompt([&](const QString &, const QString &, const QString &) { return target; });
    QSignalSpy written(&window, &CReportDlg::fileWritten);
    window.findChild<QPushButton *>(QStringLiteral("saveAs"))->click();
    QVERIFY(written.wait(30000));
    QCOMPARE(written.first().at(1).toBool(), true);
    QVERIFY(QFile::exists(target));
    QVERIFY(QFile::exists(m_folder.filePath(QStringLiteral("saved/Handout_files/Display.jpg"))));
}

// The handout is one printed sheet with the report's margins.
void ReportWindowTest::printPreviewShowsThePages()
{
    CReportDlg window(writeHandout(true), ReportKind::Handout, true);
    QSignalSpy loaded(&window, &CReportDlg::pageLoaded);
    QVERIFY(loaded.wait(30000));
    int pages = -1;
    QMarginsF margins;
    // Looks at the preview once the browser has painted it, then closes it.
    QTimer poll;
    connect(&poll, &QTimer::timeout, [&] {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
        if (!preview || preview->findChild<QPrintPreviewWidget *>()->pageCount() == 0)
            return;
        pages = preview->findChild<QPrintPreviewWidget *>()->pageCount();
        margins = preview->printer()->pageLayout().margins(QPageLayout::Inch);
        poll.stop();
        preview->reject();
    });
    poll.start(100);
    QTimer::singleShot(30000, [&] {
        if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            modal->reject();
    });
    window.findChild<QPushButton *>(QStringLiteral("printPreview"))->click();
    QCOMPARE(pages, 1);
    QCOMPARE(margins, CReportDlg::kPageMargins);
}

void ReportWindowTest::emailHandsOverThePageAndPictures()
{
    const QByteArray oldPath = qgetenv("PATH");
    QTemporaryDir bin;
    QFile script(bin.filePath(QStringLiteral("xdg-email")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\necho \"$#\" > '%1'\n")
                     .arg(bin.filePath(QStringLiteral("count")))
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(bin.path()));

    CReportDlg window(writeHandout(true), ReportKind::Handout, false);
    auto *email = window.findChild<QPushButton *>(QStringLiteral("email"));
    auto *mailer = window.findChild<CReportMailer *>();
    QSignalSpy finished(mailer, &CReportMailer::finished);
    email->click();
    QVERIFY(!email->isEnabled());
    QVERIFY(finished.wait(20000));
    qputenv("PATH", oldPath);
    QVERIFY(email->isEnabled());
    QFile count(bin.filePath(QStringLiteral("count")));
    QVERIFY(count.open(QIODevice::ReadOnly));
    // --utf8, the subject, and the page with the rotary model's 14 pictures.
    QCOMPARE(count.readAll().trimmed(), QByteArray::number(3 + 2 * 15));
}

#include "ReportWindowTest.moc"
