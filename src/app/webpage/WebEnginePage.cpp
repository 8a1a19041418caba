// The report window's browser on Qt WebEngine, built as the library
// velacps-webpage that CWebPage::create loads on first use.

#include "WebPage.h"

#include <QEventLoop>
#include <QPageLayout>
#include <QPrinter>
#include <QUrl>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
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

    // The browser prints in the background; preview and print need the
    // pages before they go on.
    void print(QPrinter *printer) override
    {
        QEventLoop printing;
        QObject::connect(m_view, &QWebEngineView::printFinished, &printing, &QEventLoop::quit);
        m_view->print(printer);
        printing.exec();
    }

    void printToPdf(const QString &path, const QPageLayout &layout, Done written) override
    {
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(m_view, &QWebEngineView::pdfPrintingFinished, m_view,
            [connection, written](const QString &, bool ok) {
                QObject::disconnect(*connection);
                written(ok);
            });
        m_view->printToPdf(path, layout);
    }

    void saveComplete(const QString &path, Done written) override
    {
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(m_view->page()->profile(), &QWebEngineProfile::downloadRequested,
            m_view, [this, connection, written](QWebEngineDownloadRequest *download) {
                QObject::disconnect(*connection);
                QObject::connect(
                    download, &QWebEngineDownloadRequest::isFinishedChanged, m_view, [download, written] {
                        written(download->state() == QWebEngineDownloadRequest::DownloadCompleted);
                    });
            });
        m_view->page()->save(path, QWebEngineDownloadRequest::CompleteHtmlSaveFormat);
    }

private:
    QWebEngineView *m_view; // owned by the window it is put in
};

} // namespace

extern "C" Q_DECL_EXPORT CWebPage *velacpsNewWebPage()
{
    return new CWebEnginePage;
}
