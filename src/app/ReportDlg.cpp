#include "ReportDlg.h"

#include "base/MessageReporter.h"
#include "base/SafeFile.h"
#include "reports/ReportMail.h"

#include <QBuffer>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPdfDocument>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <unistd.h>

namespace {

// Chromium will not run its sandbox as root, and has no GPU to use there;
// the flags are read when the engine starts, so they must be set before.
void allowEngineAsRoot()
{
    if (geteuid() != 0)
        return;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const QByteArray &flag : { QByteArray("--no-sandbox"), QByteArray("--disable-gpu") }) {
        if (!flags.contains(flag))
            flags += (flags.isEmpty() ? QByteArray() : QByteArray(" ")) + flag;
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

QWebEngineView *newEngineView()
{
    allowEngineAsRoot();
    return new QWebEngineView;
}

// The highest resolution a laid-out sheet is printed at: sharp on paper,
// with images of a sane size.
constexpr qreal kSheetDpi = 300;
constexpr qreal kPointsPerInch = 72;

// A rendered sheet is transparent where the page has no ink; a printer
// may not know transparency, so it is put on white paper first.
QImage whiteSheet(const QImage &rendered)
{
    QImage sheet(rendered.size(), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter(&sheet).drawImage(0, 0, rendered);
    return sheet;
}

// Draws each sheet on a whole sheet of paper (the sheets carry the margins);
// false when the printer cannot take them.
bool drawSheets(QPdfDocument &sheets, QPrinter *printer)
{
    const bool fullPage = printer->fullPage();
    printer->setFullPage(true);
    QPainter painter;
    bool drawn = painter.begin(printer);
    const qreal dpi = qMin<qreal>(printer->resolution(), kSheetDpi);
    for (int i = 0; drawn && i < sheets.pageCount(); ++i) {
        const QImage sheet
            = whiteSheet(sheets.render(i, (sheets.pagePointSize(i) * dpi / kPointsPerInch).toSize()));
        drawn = !sheet.isNull() && (i == 0 || printer->newPage());
        if (drawn)
            painter.drawImage(printer->paperRect(QPrinter::DevicePixel), sheet);
    }
    if (painter.isActive())
        drawn = painter.end() && drawn;
    printer->setFullPage(fullPage);
    return drawn;
}

} // namespace

const QMarginsF CReportDlg::kPageMargins(0.23667, 0.16667, 0.23667, 0.16667);

CReportDlg::CReportDlg(const WrittenReport &report, ReportKind kind, bool displayModel, QWidget *parent)
    : QDialog(parent)
    , m_report(report)
    , m_kind(kind)
    , m_displayModel(displayModel)
    , m_view(newEngineView())
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_mailer(new CReportMailer(this))
{
    setWindowTitle(tr("Reports"));
    m_printer->setPageMargins(kPageMargins, QPageLayout::Inch);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    buttons->addWidget(addButton("printPreview", tr("Print Preview"), &CReportDlg::printPreview));
    buttons->addWidget(addButton("print", tr("Print"), &CReportDlg::print));
    buttons->addWidget(addButton("exportPdf", tr("Export PDF"), &CReportDlg::exportPdf));
    m_emailButton = addButton("email", tr("E-mail"), &CReportDlg::email);
    buttons->addWidget(m_emailButton);
    buttons->addWidget(addButton("saveAs", tr("Save As"), &CReportDlg::saveAs));
    buttons->addStretch(1);
    buttons->addWidget(addButton("close", tr("Close"), &QDialog::reject));
    connect(m_mailer, &CReportMailer::finished, m_emailButton, [this] { m_emailButton->setEnabled(true); });

    // A page as wide as a sheet of paper, as far as the screen allows.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(qMin(960, screen.width() * 9 / 10), qMin(820, screen.height() * 9 / 10));

    m_view->load(QUrl::fromLocalFile(m_report.filePath));
    if (m_kind == ReportKind::Handout)
        checkPictures();
}

CReportDlg::~CReportDlg() = default;

QPageLayout CReportDlg::pageLayout() const
{
    return m_printer->pageLayout();
}

QPushButton *CReportDlg::addButton(const char *objectName, const QString &text, void (CReportDlg::*slot)())
{
    auto *button = new QPushButton(text);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

// The window opens even without them; the page then shows gaps.
void CReportDlg::checkPictures() const
{
    const QStringList pictures = ReportFiles::HandoutPictures(m_displayModel);
    if (ReportFiles::PresentPictures(m_report.folder, pictures).size() != pictures.size())
        ReportFiles::ShowMissingFiles();
}

void CReportDlg::printPreview()
{
    QPrintPreviewDialog preview(m_printer.get(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, &CReportDlg::printOn);
    preview.exec();
}

void CReportDlg::print()
{
    QPrintDialog dialog(m_printer.get(), this);
    if (dialog.exec() == Accepted)
        printOn(m_printer.get());
}

// The browser lays the page out once, as for Export PDF: the paper's size
// and the report's margins. Each sheet of that document then fills a whole
// sheet of paper. (The browser's own printing lays out the area inside the
// margins and the printer moves it by the margins once more, which cuts the
// right edge and the foot of the page.)
void CReportDlg::printOn(QPrinter *printer)
{
    QByteArray pdf;
    QEventLoop laidOut;
    m_view->page()->printToPdf(
        [&](const QByteArray &result) {
            pdf = result;
            laidOut.quit();
        },
        printer->pageLayout(), printer->pageRanges());
    laidOut.exec();
    QBuffer buffer(&pdf);
    QPdfDocument sheets;
    if (!pdf.isEmpty() && buffer.open(QIODevice::ReadOnly))
        sheets.load(&buffer);
    if (sheets.status() != QPdfDocument::Status::Ready || !drawSheets(sheets, printer))
        showMessage(tr("The report could not be printed."), MsgStyle::IconError);
}

// The document is written as every file of the program is: whole or not at
// all, with the user's permissions.
void CReportDlg::exportPdf()
{
    const QString path = askPath(tr("Export PDF"), QStringLiteral(".pdf"), tr("PDF documents (*.pdf)"));
    if (path.isEmpty())
        return;
    m_view->page()->printToPdf(
        [window = QPointer<CReportDlg>(this), path](const QByteArray &pdf) {
            if (window)
                window->reportWritten(path, !pdf.isEmpty() && WriteFileSafely(path, pdf));
        },
        pageLayout());
}

void CReportDlg::email()
{
    const std::optional<QStringList> attachments
        = CReportMailer::Attachments(m_report, m_kind, m_displayModel);
    if (!attachments)
        return;
    // The mail program may read the attachments after the window has
    // closed.
    if (m_report.ownFolder)
        m_report.ownFolder->setAutoRemove(false);
    m_emailButton->setEnabled(false);
    m_mailer->send(QFileInfo(m_report.filePath).completeBaseName(), *attachments);
}

// The page this window shows, and its pictures in a folder beside it.
void CReportDlg::saveAs()
{
    const QString path = askPath(tr("Save As"), QStringLiteral(".htm"), tr("Web pages (*.htm *.html)"));
    if (path.isEmpty())
        return;
    const std::optional<QString> page = ReportWriter::ReadPage(m_report.filePath);
    reportWritten(path, page && ReportWriter::SavePage(path, *page, m_report.folder));
}

void CReportDlg::reportWritten(const QString &path, bool written)
{
    if (!written)
        showMessage(tr("The report could not be written to \"%1\".").arg(path), MsgStyle::IconError);
    emit fileWritten(path, written);
}

QString CReportDlg::askPath(const QString &title, const QString &suffix, const QString &filter)
{
    const QString suggested = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                  .filePath(QFileInfo(m_report.filePath).completeBaseName() + suffix);
    if (m_pathPrompt)
        return m_pathPrompt(title, suggested, filter);
    return QFileDialog::getSaveFileName(this, title, suggested, filter);
}
