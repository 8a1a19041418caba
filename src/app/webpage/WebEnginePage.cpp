// The report window's browser on Qt WebEngine, built as the library
// velacps-webpage that CWebPage::create loads on first use.

#include "WebPage.h"

#include <QBuffer>
#include <QEventLoop>
#include <QPageLayout>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QUrl>
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

class CWebEnginePage : public CWebPage {
public:
    CWebEnginePage()
    {
        allowEngineAsRoot();
        m_view = new QWebEngineView;
    }

    QWidget *widget() override { return m_view; }

    void load(const QUrl &url, Done loaded) override
    {
        QObject::connect(m_view, &QWebEngineView::loadFinished, m_view, loaded);
        m_view->load(url);
    }

    // The browser lays the page out once, as for Export PDF: the paper's
    // size and the report's margins. Each sheet of that document then fills
    // a whole sheet of paper. (The browser's own printing lays out the area
    // inside the margins and the printer moves it by the margins once more,
    // which cuts the right edge and the foot of the page.)
    bool print(QPrinter *printer) override
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
        return sheets.status() == QPdfDocument::Status::Ready && drawSheets(sheets, printer);
    }

    void printToPdf(const QPageLayout &layout, std::function<void(const QByteArray &pdf)> done) override
    {
        m_view->page()->printToPdf(done, layout);
    }

private:
    QWebEngineView *m_view; // owned by the window it is put in
};

} // namespace

extern "C" Q_DECL_EXPORT CWebPage *velacpsNewWebPage()
{
    return new CWebEnginePage;
}
