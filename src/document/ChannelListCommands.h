#pragma once

// The dealer's actions on the list of channels: adding, deleting and
// renaming a channel, and moving channels into or out of the scan list.
// Each is one undo step through the document's edit path.

#include "CommandVerdict.h"

#include <QList>

class CProfileDocument;

class CChannelListCommands {
public:
    // ask answers the commands' questions; without one, every question is
    // answered No.
    explicit CChannelListCommands(CProfileDocument &document, CommandAsker ask = {});

    // Whether the profile takes another channel.
    bool canAddChannel() const;
    // A channel at the end, as the profile makes a new one; added is its
    // index. Refused without a message when the profile takes no more.
    CommandVerdict addChannel(int *added = nullptr);
    // The last enabled channel stays; deleting one a preset button uses
    // asks first.
    CommandVerdict deleteChannel(int index);
    // The name trimmed; an empty one is refused without a message. The
    // undo step is "Rename Channel" unless undoText names it.
    CommandVerdict renameChannel(int index, const QString &name, const QString &undoText = {});
    // Scan list membership of the given channels; disabled channels keep
    // theirs. The first refusal ends the moves, keeping those made before.
    CommandVerdict setScanListMembers(const QList<int> &channels, bool member);

private:
    CProfileDocument &m_document;
    CommandAsker m_ask;
};
