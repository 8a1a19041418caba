#pragma once

// What a profile command (ChannelCommands, SettingCommands, ...) made of
// one dealer action, and how it asks the dealer a question. Commands show
// nothing themselves: each front end shows the verdict its own way.

#include <QString>
#include <QStringList>

#include <functional>

// A question a command asks before it changes the profile. The answer
// true goes on (the dealer's "Yes" or "OK").
struct CommandQuestion {
    QString text;
    unsigned style = 0; // message-box buttons and icon (MsgStyle)
};
using CommandAsker = std::function<bool(const CommandQuestion &question)>;

struct CommandVerdict {
    enum Kind {
        Accepted, // the change is made, as one undo step (or there was nothing to change)
        Refused, // nothing changed; message says why
        Declined, // a question was answered No: nothing changed
    };
    Kind kind = Accepted;
    QString message; // why it was refused (may be empty when a hook gave none)
    unsigned style = 0; // message-box style of the refusal (MsgStyle)
    QStringList notices; // what the dealer is told about an accepted change
    QStringList warnings; // what of an accepted change could not be done, shown first

    bool accepted() const { return kind == Accepted; }
    static CommandVerdict refused(const QString &message, unsigned style)
    {
        CommandVerdict verdict;
        verdict.kind = Refused;
        verdict.message = message;
        verdict.style = style;
        return verdict;
    }
    static CommandVerdict declined(const CommandQuestion &question)
    {
        CommandVerdict verdict = refused(question.text, question.style);
        verdict.kind = Declined;
        return verdict;
    }
};

// Asks question through ask; without an asker the answer is No.
inline bool answersYes(const CommandAsker &ask, const CommandQuestion &question)
{
    return ask && ask(question);
}
