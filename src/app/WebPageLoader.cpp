#include "WebPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

// Beside the programs' folder, in the build tree as in an install.
constexpr char kLibraryPath[] = "../lib/velacps/libvelacps-webpage.so";

} // namespace

std::unique_ptr<CWebPage> CWebPage::create(QString *why)
{
    static QLibrary library(
        QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(kLibraryPath)));
    auto factory = reinterpret_cast<WebPageFactory *>(library.resolve(kWebPageFactoryName));
    if (!factory) {
        if (why)
            *why = library.errorString();
        return nullptr;
    }
    return std::unique_ptr<CWebPage>(factory());
}
