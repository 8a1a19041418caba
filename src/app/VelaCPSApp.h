#pragma once

#include "DesktopReporter.h"
#include "settings/ProductContext.h"

#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>

class CMainFrame;
class CSingleInstance;
class CSplashScreen;

// The application object: the start-up checks and loading in their order,
// the language, the main window, the command line and the splash screen;
// the settings documents and the main window live as long as it does.
class CVelaCPSApp {
public:
    CVelaCPSApp();
    ~CVelaCPSApp();

    // The start-up. False when the program ends: a step failed (after its
    // message; exitCode() 1) or the file to open went to the copy already
    // running (exitCode() 0).
    bool InitInstance(const QStringList &arguments);
    int exitCode() const { return m_exitCode; }

    CMainFrame *mainFrame() { return m_mainFrame.get(); }

    // Whether the profile hooks' script engine runs; false after the message.
    static bool CheckScriptEngine();
    // Loads the translation of the current language; a missing one makes
    // the program English, after the message.
    bool LoadLanguage();

    // Environment of a run against another cable device: the device to use
    // as the cable, and what the cable pane calls it.
    static constexpr char kCablePortVariable[] = "VELACPS_CABLE_PORT";
    static constexpr char kCableNameVariable[] = "VELACPS_CABLE_NAME";

private:
    void LoadToolkitTranslation(const QLocale &locale);
    void createMainFrame();
    // The file named on the command line, if any.
    static QString fileArgument(const QStringList &arguments);

    CDesktopReporter m_reporter;
    CProductContext m_context;
    QTranslator m_translator;
    QTranslator m_toolkitTranslator;
    std::unique_ptr<CSplashScreen> m_splash;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<CSingleInstance> m_instance;
    int m_exitCode = 1;
};
