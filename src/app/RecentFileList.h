#pragma once

#include <QStringList>

// The most recently opened or saved profile files, newest first, kept in
// the user's settings so every later run offers them.
class CRecentFileList {
public:
    static constexpr int kSize = 4;

    // Reads the list from the user's settings.
    void load();
    // Puts path first (it is moved up when listed already) and stores the list.
    void add(const QString &path);
    const QStringList &files() const { return m_files; }

private:
    void store() const;
    QStringList m_files;
};
