#include "RecordingReporter.h"

RecordingReporter::RecordingReporter(int answer)
    : answer(answer)
{
    MessageReporter::install(this);
}

RecordingReporter::~RecordingReporter()
{
    MessageReporter::install(nullptr);
}

int RecordingReporter::show(const QString &text, unsigned style)
{
    messages << text;
    styles << style;
    return answer;
}
