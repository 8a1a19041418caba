#pragma once

#include <QTextBrowser>
#include <QWidget>

class QHelpEngine;
class QLineEdit;
class QListWidget;

// Shows the pages of the help collection, following their links inside it.
class CHelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit CHelpBrowser(QHelpEngine &engine, QWidget *parent = nullptr);
    QVariant loadResource(int type, const QUrl &name) override;

private:
    QHelpEngine &m_engine;
};

// Content and Index: the help collection's contents, index and full-text
// search beside the page they lead to. The views are the window's own over
// the engine's models, so the window may come and go while the engine
// stays.
class CHelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit CHelpWindow(QHelpEngine &engine, QWidget *parent = nullptr);

    void showPage(const QUrl &url);

private:
    QWidget *makeContentsTab();
    QWidget *makeIndexTab();
    QWidget *makeSearchTab();
    void showKeyword(const QString &keyword);
    void showSearchResults();

    QHelpEngine &m_engine;
    CHelpBrowser *m_browser;
    QLineEdit *m_searchInput = nullptr;
    QListWidget *m_searchResults = nullptr;
};
