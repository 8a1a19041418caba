#include "VelaCPSApp.h"

#include "AppIcons.h"
#include "AppIdentity.h"
#include "DocumentCommands.h"
#include "HelpSystem.h"
#include "MainFrame.h"
#include "SingleInstance.h"
#include "SplashScreen.h"
#include "base/ConfigStore.h"
#include "base/GeneratedData.h"
#include "radio/CablePort.h"

#include <QApplication>
#include <QFileInfo>
#include <QJSEngine>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>

CVelaCPSApp::CVelaCPSApp()
{
    MessageReporter::install(&m_reporter);
    m_reporter.setBeforeShow([this] {
        if (m_splash)
            m_splash->dismiss();
    });
}

CVelaCPSApp::~CVelaCPSApp()
{
    // The main window ends the cable watch before the rest goes.
    m_mainFrame.reset();
    if (QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&m_translator);
        QCoreApplication::removeTranslator(&m_toolkitTranslator);
    }
    MessageReporter::install(nullptr);
}

bool CVelaCPSApp::CheckScriptEngine()
{
    QJSEngine engine;
    if (engine.evaluate(QStringLiteral("(function (a, b) { return a + b; })(1, 2)")).toInt() == 3)
        return true;
    showMessage(QCoreApplication::translate("CVelaCPSApp",
                    "CPS needs vbscript engine to start. Please install vbscript engine "
                    "before re-starting the %1.")
                    .arg(AppIdentity::applicationName()),
        MsgStyle::IconError);
    return false;
}

bool CVelaCPSApp::LoadLanguage()
{
    if (CConfigStore::currentLanguage() == QLatin1String("English"))
        return true;
    const QString resource = GeneratedData::find(CConfigStore::resourceFilePath());
    if (!resource.isEmpty() && m_translator.load(resource)) {
        QCoreApplication::installTranslator(&m_translator);
        LoadToolkitTranslation(QLocale(m_translator.language()));
        return true;
    }
    CConfigStore::setCurrentLanguage(QStringLiteral("English"));
    showMessage(QCoreApplication::translate("CVelaCPSApp",
                    "The language resource file is missing. The CPS will start with "
                    "English language version."),
        MsgStyle::IconWarning);
    return false;
}

void CVelaCPSApp::LoadToolkitTranslation(const QLocale &locale)
{
    // Qt's own texts (standard buttons, file dialogs), where Qt ships them.
    if (m_toolkitTranslator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_toolkitTranslator);
}

QString CVelaCPSApp::fileArgument(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (!argument.startsWith(QLatin1Char('-')))
            return QFileInfo(argument).absoluteFilePath();
    }
    return QString();
}

void CVelaCPSApp::createMainFrame()
{
    const QString port = qEnvironmentVariable(kCablePortVariable);
    if (!port.isEmpty())
        CablePort::setForThisRun(port);
    m_mainFrame = std::make_unique<CMainFrame>(m_context);
    m_mainFrame->setCableName(qEnvironmentVariable(kCableNameVariable));

    m_instance = std::make_unique<CSingleInstance>();
    QObject::connect(m_instance.get(), &CSingleInstance::fileRequested, m_mainFrame.get(),
        [frame = m_mainFrame.get()](const QString &path) {
            frame->activateWindow();
            frame->raise();
            frame->documents().openFile(path);
        });
    m_instance->listen();
}

bool CVelaCPSApp::InitInstance(const QStringList &arguments)
{
    const QString file = fileArgument(arguments);
    if (!file.isEmpty() && CSingleInstance::handOver(file)) {
        m_exitCode = 0;
        return false;
    }
    if (!CheckScriptEngine() || !m_context.start())
        return false;
    LoadLanguage();
    m_context.rememberLanguage();
    CHelpSystem::instance().setLanguage(m_context.language());

    // The main window is built behind the splash screen and shown when it
    // goes (or at once, when a message during the build took it away).
    m_splash = std::make_unique<CSplashScreen>(AppIcons::splash());
    m_splash->start();
    createMainFrame();
    if (!file.isEmpty() && !m_mainFrame->documents().openFile(file))
        return false;
    // Without a window manager to maximise it, the window still fills the
    // screen.
    if (const QScreen *screen = m_mainFrame->screen())
        m_mainFrame->setGeometry(screen->availableGeometry());
    if (m_splash->isShowing())
        QObject::connect(
            m_splash.get(), &CSplashScreen::dismissed, m_mainFrame.get(), &QWidget::showMaximized);
    else
        m_mainFrame->showMaximized();
    m_exitCode = 0;
    return true;
}
