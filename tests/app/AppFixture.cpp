#include "AppFixture.h"

#include "DocumentCommands.h"
#include "MainFrame.h"
#include "ProfileWindow.h"
#include "radio/CableMonitor.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <QTest>

AppFixture::AppFixture(bool watchCable)
{
    if (!context.start())
        qFatal("the product data did not load");
    frame = std::make_unique<CMainFrame>(context);
    if (!watchCable)
        frame->cableMonitor().shutdown();
    CDocumentCommands::Dialogs &dialogs = frame->documents().dialogs();
    dialogs.chooseTemplate = [this] { return templatePath; };
    dialogs.chooseSavePath = [this](const QString &) { return savePath; };
    frame->show();
}

AppFixture::~AppFixture()
{
    // Close without the save question.
    reporter.answer = MsgAnswer::No;
    frame->area().closeAllSubWindows();
    frame.reset();
}

QAction *AppFixture::action(const char *name) const
{
    auto *found = frame->findChild<QAction *>(QLatin1String(name));
    if (!found)
        qFatal("no command %s", name);
    return found;
}

CProfileWindow *AppFixture::newFromTemplate(const QString &model)
{
    templatePath = dataPath(QStringLiteral("profiletemplate/%1.kv9").arg(model));
    action("fileNew")->trigger();
    QCoreApplication::processEvents();
    return activeWindow();
}

CProfileWindow *AppFixture::activeWindow() const
{
    return frame->documents().activeWindow();
}

int AppFixture::windowCount() const
{
    return int(frame->documents().windows().size());
}

void AppFixture::sendCableStatus(bool connected)
{
    CableStatusEvent status(connected);
    QCoreApplication::sendEvent(frame.get(), &status);
}
