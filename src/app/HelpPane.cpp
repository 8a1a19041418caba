#include "HelpPane.h"

#include "HelpSystem.h"

#include <QHelpEngineCore>

CHelpPane::CHelpPane(QWidget *parent)
    : QTextBrowser(parent)
{
    // The pane never takes the focus from the tree or the editor, and
    // offers no context menu.
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setOpenExternalLinks(false);
    setAccessibleName(tr("Help"));
}

void CHelpPane::showPage(const QString &pageName)
{
    const QUrl url = pageName.isEmpty() ? QUrl() : CHelpSystem::instance().urlForHelpFile(pageName);
    if (url.isEmpty()) {
        showBlank();
        return;
    }
    // A blanked pane still names the page it showed last.
    if (source() != url || document()->isEmpty())
        setSource(url);
}

void CHelpPane::showBlank()
{
    if (source().isEmpty() && document()->isEmpty())
        return;
    setSource(QUrl());
    clear();
}

QVariant CHelpPane::loadResource(int type, const QUrl &name)
{
    if (name.scheme() == QLatin1String("qthelp")) {
        QHelpEngineCore *engine = CHelpSystem::instance().engine();
        return engine ? QVariant(engine->fileData(name)) : QVariant();
    }
    return QTextBrowser::loadResource(type, name);
}
