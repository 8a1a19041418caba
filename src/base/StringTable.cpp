#include "StringTable.h"

#include "HookMessages.h"

#include <QCoreApplication>
#include <QHash>

namespace {

struct Entry {
    int id;
    const char *text;
};

// Texts of the profile model's message codes.
constexpr Entry kModelTexts[] = {
    { 131, QT_TRANSLATE_NOOP("StringTable", "Unknown Error") },
    { 132, QT_TRANSLATE_NOOP("StringTable", "Programming error: 107.") },
    { 133, QT_TRANSLATE_NOOP("StringTable", "Programming error: 108.") },
    { 134, QT_TRANSLATE_NOOP("StringTable", "Fatal error: 102.\nPlease uninstall and re-install CPS.") },
    { 135, QT_TRANSLATE_NOOP("StringTable", "Invalid profile.") },
    { 136, QT_TRANSLATE_NOOP("StringTable", "Failed to load profile.") },
    { 137, QT_TRANSLATE_NOOP("StringTable", "Fatal error: 101.") },
    { 533, QT_TRANSLATE_NOOP("StringTable", "File format error. Failed to save.") },
};

const QHash<int, const char *> &table()
{
    static const QHash<int, const char *> entries = [] {
        QHash<int, const char *> all;
        for (const Entry &e : kModelTexts)
            all.insert(e.id, e.text);
        for (const HookMessage &m : hookMessages())
            all.insert(m.id, m.text);
        return all;
    }();
    return entries;
}

} // namespace

namespace StringTable {

bool contains(int id)
{
    return table().contains(id);
}

QString text(int id)
{
    const char *source = table().value(id, kModelTexts[0].text);
    return QCoreApplication::translate("StringTable", source);
}

QString missingInstallFiles()
{
    return QCoreApplication::translate(
        "StringTable", "Some files needed by CPS are not available.\nPlease reinstall CPS.");
}

} // namespace StringTable
