#include "HelpSystem.h"

#include "base/ConfigStore.h"
#include "base/GeneratedData.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngine>
#include <QStandardPaths>

namespace {

// The help engine keeps its search index beside the collection, which an
// install puts where the user cannot write; the engine works on a copy in
// the user's cache, refreshed when the installed collection changes. Each
// installed collection has its own copy: two installs (or build trees) with
// help of the same size would otherwise take each other's pages.
QString userCopyOf(const QString &collection)
{
    const QFileInfo source(collection);
    const QByteArray place
        = QCryptographicHash::hash(source.absolutePath().toUtf8(), QCryptographicHash::Sha256)
              .toHex()
              .left(16);
    const QDir cache(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)
        + QStringLiteral("/help/") + source.dir().dirName() + QLatin1Char('-') + QString::fromLatin1(place));
    if (!cache.mkpath(QStringLiteral(".")))
        return collection;
    const QStringList files
        = source.dir().entryList({ QStringLiteral("*.qhc"), QStringLiteral("*.qch") }, QDir::Files);
    for (const QString &file : files) {
        const QFileInfo original(source.dir().filePath(file));
        const QFileInfo copy(cache.filePath(file));
        if (copy.exists() && copy.lastModified() >= original.lastModified() && copy.size() == original.size())
            continue;
        QFile::remove(copy.filePath());
        if (!QFile::copy(original.filePath(), copy.filePath()))
            return collection;
        QFile(copy.filePath()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
    return cache.filePath(source.fileName());
}

} // namespace

CHelpSystem &CHelpSystem::instance()
{
    static CHelpSystem help;
    return help;
}

void CHelpSystem::closeAtExit()
{
    // The engine's database goes before the application object it needs.
    instance().reset();
}

CHelpSystem::~CHelpSystem() = default;

QString CHelpSystem::message(Status status)
{
    switch (status) {
    case Status::NotConfigured:
        return QCoreApplication::translate(
            "CHelpSystem", "Error: Can not find help file information in the settings!");
    case Status::CollectionMissing:
        return QCoreApplication::translate("CHelpSystem", "Error: Can not find the help file!");
    case Status::CollectionUnreadable:
        return QCoreApplication::translate("CHelpSystem", "Error: Help File format is invalid!");
    case Status::Ready:
        break;
    }
    return QString();
}

CHelpSystem::Status CHelpSystem::status()
{
    if (!m_status)
        m_status = open();
    return *m_status;
}

CHelpSystem::Status CHelpSystem::open()
{
    const QString helpFile
        = CConfigStore::helpFilePath(m_language.isEmpty() ? CConfigStore::currentLanguage() : m_language);
    if (helpFile.isEmpty())
        return Status::NotConfigured;
    const QString collection = GeneratedData::find(QFileInfo(helpFile).dir().filePath(kCollectionName));
    if (collection.isEmpty())
        return Status::CollectionMissing;
    auto engine = std::make_unique<QHelpEngine>(userCopyOf(collection));
    engine->setReadOnly(true);
    if (!engine->setupData() || engine->registeredDocumentations().isEmpty())
        return Status::CollectionUnreadable;
    m_namespace = engine->registeredDocumentations().constFirst();
    m_homePage = QFileInfo(helpFile).fileName();
    m_engine = std::move(engine);
    static const bool closedAtExit = (qAddPostRoutine(&CHelpSystem::closeAtExit), true);
    Q_UNUSED(closedAtExit);
    return Status::Ready;
}

QHelpEngineCore *CHelpSystem::engine()
{
    return helpEngine();
}

QHelpEngine *CHelpSystem::helpEngine()
{
    return status() == Status::Ready ? m_engine.get() : nullptr;
}

QUrl CHelpSystem::urlForHelpFile(const QString &fileNameFromHelpPanMap)
{
    if (fileNameFromHelpPanMap.isEmpty() || !helpEngine())
        return QUrl();
    // The pages sit in the collection's virtual folder under the names the
    // help-page map uses; a paragraph's anchor follows the name after "#".
    const QString page = fileNameFromHelpPanMap.section(QLatin1Char('#'), 0, 0);
    const QString anchor = fileNameFromHelpPanMap.section(QLatin1Char('#'), 1);
    QUrl url = m_engine->findFile(
        QUrl(QStringLiteral("qthelp://%1/%2/%3").arg(m_namespace, QLatin1String(kVirtualFolder), page)));
    if (m_engine->fileData(url).isEmpty())
        return QUrl();
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

QUrl CHelpSystem::homeUrl()
{
    status();
    return urlForHelpFile(m_homePage);
}

void CHelpSystem::setLanguage(const QString &language)
{
    if (m_language != language)
        reset();
    m_language = language;
}

void CHelpSystem::reset()
{
    m_engine.reset();
    m_namespace.clear();
    m_homePage.clear();
    m_status.reset();
}
