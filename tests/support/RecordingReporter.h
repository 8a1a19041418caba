#pragma once

#include "base/MessageReporter.h"

#include <QStringList>

// Collects the messages the core shows, answering questions with a fixed
// answer. Installs itself for its lifetime.
class RecordingReporter : public MessageReporter {
public:
    explicit RecordingReporter(int answer = MsgAnswer::Yes);
    ~RecordingReporter() override;
    int show(const QString &text, unsigned style) override;

    QStringList messages;
    QList<unsigned> styles;
    int answer;
};
