#pragma once

#include <QString>

// Message-box style flags and answers, with the values the profile hooks use.
namespace MsgStyle {
enum : unsigned {
    Ok = 0x0,
    OkCancel = 0x1,
    YesNoCancel = 0x3,
    YesNo = 0x4,
    IconError = 0x10,
    IconQuestion = 0x20,
    IconWarning = 0x30,
    IconInformation = 0x40,
    ButtonMask = 0xF,
};
}
namespace MsgAnswer {
enum : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
}

// Where the core's user-visible messages go: a message box in the desktop
// program, a line on stderr in the command-line tool. Workers never report.
class MessageReporter {
public:
    virtual ~MessageReporter() = default;
    // Shows text and returns the answer (MsgAnswer) for the buttons in style.
    virtual int show(const QString &text, unsigned style) = 0;

    // The reporter in use; without one installed, messages go to stderr and
    // questions are answered No (or Cancel).
    static MessageReporter &current();
    // Installs reporter (not owned); nullptr restores the default.
    static void install(MessageReporter *reporter);
};

inline int showMessage(const QString &text, unsigned style = MsgStyle::Ok)
{
    return MessageReporter::current().show(text, style);
}

// Prints each message as one line on stderr and answers questions with a
// fixed choice: what the command-line tool uses.
class StderrReporter : public MessageReporter {
public:
    explicit StderrReporter(bool answerYes = false)
        : m_answerYes(answerYes)
    {
    }
    int show(const QString &text, unsigned style) override;

private:
    bool m_answerYes;
};
