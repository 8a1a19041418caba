#pragma once

#include "RecordingReporter.h"
#include "TestEnvironment.h"
#include "settings/ProductContext.h"

#include <QTemporaryDir>

#include <memory>

class CMainFrame;
class CProfileWindow;
class QAction;

// The main window on the shipped product data behind an isolated
// configuration; messages are recorded and answered with reporter.answer,
// the file dialogs answer with the paths set here.
class AppFixture {
public:
    // Without watchCable the cable watch is stopped at once, so only the
    // statuses a test sends reach the window.
    explicit AppFixture(bool watchCable = false);
    ~AppFixture();

    // A menu or toolbar command by its object name ("fileNew").
    QAction *action(const char *name) const;
    // File > New with the named template ("KUD51900"); the new window.
    CProfileWindow *newFromTemplate(const QString &model);
    CProfileWindow *activeWindow() const;
    int windowCount() const;
    // The cable status the watch posts once a second.
    void sendCableStatus(bool connected);

    ScopedConfig config;
    RecordingReporter reporter;
    CProductContext context;
    QTemporaryDir temp;
    QString templatePath;
    QString savePath;
    std::unique_ptr<CMainFrame> frame;
};
