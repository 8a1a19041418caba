#pragma once

// The dealer's actions on the general settings that change more than one
// attribute or check more than the hook does, each one undo step through
// the document's edit path.

#include "CommandVerdict.h"

#include <QVariant>

class CDataItem;
class CProfileDocument;

class CSettingCommands {
public:
    explicit CSettingCommands(CProfileDocument &document);

    // The codeplug password with its confirmation: both empty clear it;
    // otherwise each must hold four characters and the two must match.
    // refusalText, when given, stands for the hook's own message.
    CommandVerdict setPassword(
        const QString &password, const QString &confirmation, const QString &refusalText = {});
    // The back light item: 0 off, 1 five seconds, 2 ten seconds.
    CommandVerdict setBackLight(int item);
    // A customised code: a tone in tenths of Hz for codes 124 to 129, a DPL
    // code (its octal digits read as a number) for codes 214 to 219; a
    // refusal names the range the code takes.
    CommandVerdict setCustomCode(int code, int value);
    // One attribute of an element (setting, limit, a preset), through its
    // hook; refusalText, when given, stands for the hook's own message.
    CommandVerdict setAttribute(CDataItem &item, const QString &attribute, const QVariant &value,
        const QString &undoText, const QString &refusalText = {});

    // A password entry that is neither empty nor four characters long.
    static bool isShortPassword(const QString &password);

private:
    CProfileDocument &m_document;
};
