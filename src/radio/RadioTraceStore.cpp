#include "radio/RadioTraceStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace RadioTraceStore {

namespace {
const QString kPattern = QStringLiteral("trace-*.txt");
}

QString directory()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/velacps/traces");
}

QStringList files()
{
    const QDir dir(directory());
    QStringList paths;
    for (const QString &name : dir.entryList({ kPattern }, QDir::Files, QDir::Name))
        paths << dir.filePath(name);
    return paths;
}

QString keep(const QString &text)
{
    QDir dir(directory());
    if (!dir.mkpath(QStringLiteral(".")))
        return QString();
    // Names sort by time, and by a number within one millisecond.
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path;
    for (int number = 0; path.isEmpty() || QFile::exists(path); ++number)
        path
            = dir.filePath(QStringLiteral("trace-%1-%2.txt").arg(stamp).arg(number, 2, 10, QLatin1Char('0')));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        return QString();
    const QStringList kept = files();
    for (qsizetype i = 0; i + kKept < kept.size(); ++i)
        QFile::remove(kept[i]);
    return path;
}

} // namespace RadioTraceStore
