// The floor of the desktop program's benchmarks: a bare Qt MDI window with
// one menu, shown maximised. Prints "shown <peak resident MB>" once the
// window is on the screen, then ends.

#include "PeakMemory.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea(&window));
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.showMaximized();
    reportShown(window);
    return 0;
}
