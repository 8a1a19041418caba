#include "AppIcons.h"
#include "AppIdentity.h"
#include "VelaCPSApp.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // What the browser library, loaded with the first report window, needs
    // set before the application starts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Halvern"));
    QApplication::setApplicationName(QStringLiteral("velacps"));
    QApplication::setDesktopFileName(QStringLiteral("velacps"));
    QApplication::setWindowIcon(AppIcons::application());

    CVelaCPSApp vela;
    if (!vela.InitInstance(QApplication::arguments().mid(1)))
        return vela.exitCode();
    return QApplication::exec();
}
