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
#include <QPdfDocument>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

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
    void writtenFilesFollowTheUmask_data();
    void writtenFilesFollowTheUmask();
    void printPreviewShowsThePages();
    void printedPagesAreTheExportedPages_data();
    void printedPagesAreTheExportedPages();
    void emailHandsOverThePageAndPictures();

private:
    // A report of a display model's template in a report window's own
    // folder, with its pictures unless asked not to.
    WrittenReport writeReport(ReportKind kind, bool withPictures = true);
    static bool loaded(CReportDlg &window);
    static std::optional<bool> writeWith(CReportDlg &window, const char *button, const QString &target);

    QTemporaryDir m_folder;
    RecordingReporter m_reporter;
};
APP_TEST(ReportWindowTest);

namespace {

QAbstractButton *okButton(CReportOptionDlg &dialog)
{
    return dialog.findChild<QDialogButtonBox *>()->buttons().at(0);
}

// Each page of a PDF document: its size and where it has ink, in points.
QList<std::pair<QSize, QRect>> pdfPages(const QString &path)
{
    QPdfDocument document;
    document.load(path);
    QList<std::pair<QSize, QRect>> pages;
    for (int i = 0; i < document.pageCount(); ++i) {
        const QImage image = document.render(i, document.pagePointSize(i).toSize());
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qAlpha(image.pixel(x, y)) > 0 && qGray(image.pixel(x, y)) < 245)
                    ink |= QRect(x, y, 1, 1);
            }
        }
        pages.append({ image.size(), ink });
    }
    return pages;
}

} // namespace

WrittenReport ReportWindowTest::writeReport(ReportKind kind, bool withPictures)
{
    ScopedConfig config;
    CProductContext context;
    CProfileDocument document(context.versionRules());
    if (!context.start()
        || !document.NewFromTemplate(dataPath(QStringLiteral("profiletemplate/KUD41600.kv9"))))
        return {};
    const QString text = CReportGenerator(document, context.language()).generate(kind).value_or(QString());
    const QString pictures
        = withPictures ? dataPath(QStringLiteral("Report")) : m_folder.filePath(QStringLiteral("none"));
    return ReportWriter::WriteReport(
        ReportFiles::ReportFileName(kind, context.language(), ReportFiles::CodePage::Unknown), text, pictures,
        m_folder.path())
        .value_or(WrittenReport {});
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
    CReportDlg window(writeReport(ReportKind::Handout), ReportKind::Handout, true);
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
    const WrittenReport report = writeReport(ReportKind::Handout, false);
    CReportDlg detailed(report, ReportKind::Detailed, true);
    QVERIFY(m_reporter.messages.isEmpty());
    CReportDlg handout(report, ReportKind::Handout, true);
    QCOMPARE(m_reporter.messages,
        QStringList { QStringLiteral("Some files needed by CPS are not available.\nPlease reinstall CPS.") });
    m_reporter.messages.clear();
}

// A report window once its browser has loaded the page.
bool ReportWindowTest::loaded(CReportDlg &window)
{
    QSignalSpy loaded(&window, &CReportDlg::pageLoaded);
    return loaded.wait(30000);
}

// Clicks the button with target as the answer to the path prompt; whether
// the file was written, once the window says so.
std::optional<bool> ReportWindowTest::writeWith(CReportDlg &window, const char *button, const QString &target)
{
    window.setPathPrompt([target](const QString &, const QString &, const QString &) { return target; });
    QSignalSpy written(&window, &CReportDlg::fileWritten);
    window.findChild<QPushButton *>(QLatin1String(button))->click();
    if (written.isEmpty() && !written.wait(30000))
        return std::nullopt;
    return written.first().at(1).toBool();
}

void ReportWindowTest::exportPdfWritesThePrintedPage()
{
    CReportDlg window(writeReport(ReportKind::Handout), ReportKind::Handout, true);
    QVERIFY(loaded(window));
    QString suggested;
    window.setPathPrompt([&](const QString &, const QString &path, const QString &) {
        suggested = path;
        return QString();
    });
    window.findChild<QPushButton *>(QStringLiteral("exportPdf"))->click();
    QVERIFY(suggested.endsWith(QLatin1String("/Customer Handout.pdf")));
    const QString target = m_folder.filePath(QStringLiteral("handout.pdf"));
    QCOMPARE(writeWith(window, "exportPdf", target), std::optional<bool>(true));
    QFile pdf(target);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.readAll().startsWith("%PDF"));
}

void ReportWindowTest::saveAsKeepsThePictures()
{
    CReportDlg window(writeReport(ReportKind::Handout), ReportKind::Handout, true);
    const QString target = m_folder.filePath(QStringLiteral("saved/Handout.htm"));
    QDir().mkpath(QFileInfo(target).absolutePath());
    QCOMPARE(writeWith(window, "saveAs", target), std::optional<bool>(true));
    QVERIFY(QFile::exists(target));
    QVERIFY(QFile::exists(m_folder.filePath(QStringLiteral("saved/Handout_files/Display.jpg"))));
}

void ReportWindowTest::writtenFilesFollowTheUmask_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::newRow("Export PDF") << "exportPdf"
                                << "new.pdf";
    QTest::newRow("Save As") << "saveAs"
                             << "new.htm";
}

// Like every file the program writes; and a folder that cannot take the
// file gets the same message from both.
void ReportWindowTest::writtenFilesFollowTheUmask()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    CReportDlg window(writeReport(ReportKind::Handout), ReportKind::Handout, true);
    QVERIFY(loaded(window));
    const mode_t oldMask = ::umask(027);
    const QString target = m_folder.filePath(name);
    const std::optional<bool> written = writeWith(window, qPrintable(button), target);
    ::umask(oldMask);
    QCOMPARE(written, std::optional<bool>(true));
    QCOMPARE(QFileInfo(target).permissions() & ~QFile::Permissions(QFile::ReadUser | QFile::WriteUser),
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    // Not even root can write into a folder that is a file.
    const QString blocked = target + QLatin1Char('/') + name;
    QCOMPARE(writeWith(window, qPrintable(button), blocked), std::optional<bool>(false));
    QCOMPARE(m_reporter.messages,
        QStringList { QStringLiteral("The report could not be written to \"%1\".").arg(blocked) });
    m_reporter.messages.clear();
}

// The handout is one printed sheet with the report's margins.
void ReportWindowTest::printPreviewShowsThePages()
{
    CReportDlg window(writeReport(ReportKind::Handout), ReportKind::Handout, true);
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

void ReportWindowTest::printedPagesAreTheExportedPages_data()
{
    QTest::addColumn<ReportKind>("kind");
    QTest::addColumn<QPageSize::PageSizeId>("paper");
    for (const ReportKind kind : { ReportKind::Handout, ReportKind::Detailed }) {
        for (const QPageSize::PageSizeId paper : { QPageSize::A4, QPageSize::Letter })
            QTest::addRow("%s on %s", kind == ReportKind::Handout ? "handout" : "detailed report",
                qPrintable(QPageSize::name(paper)))
                << kind << paper;
    }
}

// Printing ("Print to File" here) lays the page out as Export PDF does: the
// same sheets, each line where the exported document has it, all within the
// report's margins.
void ReportWindowTest::printedPagesAreTheExportedPages()
{
    QFETCH(ReportKind, kind);
    QFETCH(QPageSize::PageSizeId, paper);
    CReportDlg window(writeReport(kind), kind, true);
    QVERIFY(loaded(window));
    const QPageLayout layout(
        QPageSize(paper), QPageLayout::Portrait, CReportDlg::kPageMargins, QPageLayout::Inch);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_folder.filePath(QStringLiteral("printed.pdf")));
    printer.setPageLayout(layout);
    QVERIFY(window.printOn(&printer));
    window.setPageLayout(layout);
    QCOMPARE(writeWith(window, "exportPdf", m_folder.filePath(QStringLiteral("exported.pdf"))),
        std::optional<bool>(true));

    const auto printed = pdfPages(printer.outputFileName());
    const auto expected = pdfPages(m_folder.filePath(QStringLiteral("exported.pdf")));
    QCOMPARE(printed.size(), expected.size());
    // Within a point or two: the rendering rounds to whole points.
    const QRect inside = layout.paintRect(QPageLayout::Point).toRect().adjusted(-2, -2, 2, 2);
    for (qsizetype i = 0; i < printed.size(); ++i) {
        const QRect ink = printed[i].second;
        QCOMPARE(printed[i].first, layout.fullRect(QPageLayout::Point).size().toSize());
        QVERIFY2(
            inside.contains(ink), qPrintable(QStringLiteral("page %1 ends at %2").arg(i).arg(ink.bottom())));
        QVERIFY((ink.topLeft() - expected[i].second.topLeft()).manhattanLength() <= 3
            && (ink.bottomRight() - expected[i].second.bottomRight()).manhattanLength() <= 3);
    }
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

    CReportDlg window(writeReport(ReportKind::Handout), ReportKind::Handout, true);
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
    // --utf8, the subject, and the page with the display model's 13 pictures.
    QCOMPARE(count.readAll().trimmed(), QByteArray::number(3 + 2 * 14));
}

#include "ReportWindowTest.moc"
