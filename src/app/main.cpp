#include "AppIcons.h"
#include "AppIdentity.h"
#include "VelaCPSApp.h"

#include <QApplication>

int main(int argc, char **argv)
{
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
