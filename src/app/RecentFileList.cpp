#include "RecentFileList.h"

#include "AppIdentity.h"
#include "base/ConfigStore.h"

#include <QFileInfo>
#include <QSettings>

namespace {

QString group()
{
    return AppIdentity::applicationName() + QStringLiteral("/Recent File List");
}

QString key(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

bool samePath(const QString &a, const QString &b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

void CRecentFileList::load()
{
    QSettings settings(CConfigStore::userFilePath(), QSettings::IniFormat);
    settings.beginGroup(group());
    m_files.clear();
    for (int i = 0; i < kSize; ++i) {
        const QString path = settings.value(key(i)).toString();
        if (!path.isEmpty())
            m_files << path;
    }
}

void CRecentFileList::add(const QString &path)
{
    m_files.removeIf([&](const QString &listed) { return samePath(listed, path); });
    m_files.prepend(QFileInfo(path).absoluteFilePath());
    while (m_files.size() > kSize)
        m_files.removeLast();
    store();
}

void CRecentFileList::store() const
{
    QSettings settings(CConfigStore::userFilePath(), QSettings::IniFormat);
    settings.beginGroup(group());
    for (int i = 0; i < kSize; ++i) {
        if (i < m_files.size())
            settings.setValue(key(i), m_files.at(i));
        else
            settings.remove(key(i));
    }
}
