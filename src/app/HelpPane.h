#pragma once

#include <QTextBrowser>

// The help pane below the editor: shows the help page of the focused
// control from the compiled help of the current language, or nothing.
class CHelpPane : public QTextBrowser {
    Q_OBJECT

public:
    explicit CHelpPane(QWidget *parent = nullptr);

    // A page named by the help-page map ("channel.html"), scrolled to the
    // paragraph its anchor names ("channel.html#name"); blank when the name
    // is empty or the help has no such page.
    void showPage(const QString &pageName);
    void showBlank();

protected:
    QVariant loadResource(int type, const QUrl &name) override;
};
