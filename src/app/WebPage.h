#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QPageLayout;
class QPrinter;
class QUrl;
class QWidget;

// The browser that shows a written report. The browser engine is a large
// library that takes longer to load than the rest of the program together,
// so it lives in a library of its own (velacps-webpage) that is loaded with
// the first report window, and the program starts without it.
class CWebPage {
public:
    using Done = std::function<void(bool ok)>;

    virtual ~CWebPage() = default;

    // The view, to be put in a window (which then owns it).
    virtual QWidget *widget() = 0;
    // loaded runs when the page has loaded, or failed to.
    virtual void load(const QUrl &url, Done loaded) = 0;
    // Prints the page laid out as Export PDF lays it out; returns once it is
    // printed, false when the printer did not take it.
    virtual bool print(QPrinter *printer) = 0;
    // The page as a PDF document in layout (empty when it failed).
    virtual void printToPdf(const QPageLayout &layout, std::function<void(const QByteArray &pdf)> done) = 0;

    // A new page from the browser library; null, with why, when the library
    // cannot be loaded.
    static std::unique_ptr<CWebPage> create(QString *why);
};

// The library's one entry point: a new page, owned by the caller.
extern "C" using WebPageFactory = CWebPage * ();
inline constexpr char kWebPageFactoryName[] = "velacpsNewWebPage";
