#include "ReportDlg.h"

#include "WebPage.h"
#include "base/MessageReporter.h"
#include "base/SafeFile.h"
#include "reports/ReportMail.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVBoxLayout>

const QMarginsF CReportDlg::kPageMargins(0.23667, 0.16667, 0.23667, 0.16667);

CReportDlg::CReportDlg(const WrittenReport &report, ReportKind kind, bool displayModel, QWidget *parent)
    : QDialog(parent)
    , m_report(report)
    , m_kind(kind)
    , m_displayModel(displayModel)
    , m_page(CWebPage::create(nullptr))
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , m_mailer(new CReportMailer(this))
{
    setWindowTitle(tr("Reports"));
    m_printer->setPageMargins(kPageMargins, QPageLayout::Inch);

    auto *layout = new QVBoxLayout(this);
    if (m_page) {
        layout->addWidget(m_page->widget(), 1);
    } else {
        // Without the browser the window still saves, prints and mails the
        // report as files.
        layout->addWidget(
            new QLabel(tr("The report cannot be shown here: the browser library is missing.")), 1);
    }
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

    if (m_page)
        m_page->load(QUrl::fromLocalFile(m_report.filePath), [this](bool ok) { emit pageLoaded(ok); });
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

void CReportDlg::setPageLayout(const QPageLayout &layout)
{
    m_printer->setPageLayout(layout);
}

bool CReportDlg::printOn(QPrinter *printer)
{
    return m_page && m_page->print(printer);
}

void CReportDlg::printPreview()
{
    QPrintPreviewDialog preview(m_printer.get(), this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
        [this](QPrinter *printer) { printOn(printer); });
    preview.exec();
}

void CReportDlg::print()
{
    QPrintDialog dialog(m_printer.get(), this);
    if (dialog.exec() == Accepted && !printOn(m_printer.get()))
        showMessage(tr("The report could not be printed."), MsgStyle::IconError);
}

// The document is written as every file of the program is: whole or not at
// all, with the user's permissions.
void CReportDlg::exportPdf()
{
    const QString path = askPath(tr("Export PDF"), QStringLiteral(".pdf"), tr("PDF documents (*.pdf)"));
    if (path.isEmpty())
        return;
    if (m_page)
        m_page->printToPdf(pageLayout(), [window = QPointer<CReportDlg>(this), path](const QByteArray &pdf) {
            if (window)
                window->reportWritten(path, !pdf.isEmpty() && WriteFileSafely(path, pdf));
        });
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
