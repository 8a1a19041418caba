#include "HelpWindow.h"

#include "AppIdentity.h"

#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int kMostSearchResults = 50;

} // namespace

CHelpBrowser::CHelpBrowser(QHelpEngine &engine, QWidget *parent)
    : QTextBrowser(parent)
    , m_engine(engine)
{
    setAccessibleName(tr("Help page"));
}

QVariant CHelpBrowser::loadResource(int type, const QUrl &name)
{
    if (name.scheme() == QLatin1String("qthelp"))
        return m_engine.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

CHelpWindow::CHelpWindow(QHelpEngine &engine, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_engine(engine)
    , m_browser(new CHelpBrowser(engine, this))
{
    setWindowTitle(tr("%1 Help").arg(AppIdentity::applicationName()));
    setAccessibleName(windowTitle());

    auto *tabs = new QTabWidget(this);
    tabs->setAccessibleName(tr("Help navigation"));
    tabs->addTab(makeContentsTab(), tr("Contents"));
    tabs->addTab(makeIndexTab(), tr("Index"));
    tabs->addTab(makeSearchTab(), tr("Search"));

    auto *splitter = new QSplitter(this);
    splitter->addWidget(tabs);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ 240, 620 });
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
    resize(900, 620);
}

QWidget *CHelpWindow::makeContentsTab()
{
    auto *contents = new QTreeView(this);
    contents->setAccessibleName(tr("Contents"));
    contents->setHeaderHidden(true);
    QHelpContentModel *model = m_engine.contentModel();
    contents->setModel(model);
    connect(model, &QHelpContentModel::contentsCreated, contents, &QTreeView::expandAll);
    contents->expandAll();
    connect(contents, &QTreeView::activated, this, [this, model](const QModelIndex &index) {
        if (const QHelpContentItem *item = model->contentItemAt(index))
            showPage(item->url());
    });
    connect(contents, &QTreeView::clicked, contents, &QTreeView::activated);
    return contents;
}

QWidget *CHelpWindow::makeIndexTab()
{
    auto *tab = new QWidget(this);
    auto *filter = new QLineEdit(tab);
    filter->setAccessibleName(tr("Look for"));
    filter->setPlaceholderText(tr("Look for"));
    auto *index = new QListView(tab);
    index->setAccessibleName(tr("Index"));
    QHelpIndexModel *model = m_engine.indexModel();
    index->setModel(model);
    connect(filter, &QLineEdit::textChanged, index,
        [index, model](const QString &text) { index->setCurrentIndex(model->filter(text)); });
    connect(index, &QListView::activated, this,
        [this](const QModelIndex &item) { showKeyword(item.data().toString()); });
    connect(index, &QListView::clicked, index, &QListView::activated);
    connect(filter, &QLineEdit::returnPressed, this, [this, index] {
        if (index->currentIndex().isValid())
            showKeyword(index->currentIndex().data().toString());
    });
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(filter);
    layout->addWidget(index, 1);
    return tab;
}

QWidget *CHelpWindow::makeSearchTab()
{
    auto *tab = new QWidget(this);
    m_searchInput = new QLineEdit(tab);
    m_searchInput->setAccessibleName(tr("Search for"));
    auto *searchButton = new QPushButton(tr("&Search"), tab);
    searchButton->setAccessibleName(tr("Search"));
    m_searchResults = new QListWidget(tab);
    m_searchResults->setAccessibleName(tr("Search results"));
    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(m_searchInput);
    layout->addWidget(searchButton);
    layout->addWidget(m_searchResults, 1);

    QHelpSearchEngine *search = m_engine.searchEngine();
    auto startSearch = [this, search] { search->search(m_searchInput->text()); };
    connect(m_searchInput, &QLineEdit::returnPressed, this, startSearch);
    connect(searchButton, &QPushButton::clicked, this, startSearch);
    connect(search, &QHelpSearchEngine::searchingFinished, this, &CHelpWindow::showSearchResults);
    connect(m_searchResults, &QListWidget::itemActivated, this,
        [this](QListWidgetItem *item) { showPage(item->data(Qt::UserRole).toUrl()); });
    connect(m_searchResults, &QListWidget::itemClicked, m_searchResults, &QListWidget::itemActivated);
    // The search index is built on first use.
    search->scheduleIndexDocumentation();
    return tab;
}

void CHelpWindow::showKeyword(const QString &keyword)
{
    const QList<QHelpLink> documents = m_engine.documentsForKeyword(keyword);
    if (!documents.isEmpty())
        showPage(documents.constFirst().url);
}

void CHelpWindow::showSearchResults()
{
    QHelpSearchEngine *search = m_engine.searchEngine();
    m_searchResults->clear();
    for (const QHelpSearchResult &result : search->searchResults(0, kMostSearchResults)) {
        auto *item = new QListWidgetItem(result.title(), m_searchResults);
        item->setData(Qt::UserRole, result.url());
    }
}

void CHelpWindow::showPage(const QUrl &url)
{
    m_browser->setSource(url);
}
