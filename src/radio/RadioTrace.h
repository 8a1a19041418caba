#pragma once

#include "radio/RadioFrame.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>
#include <QStringList>

struct RadioReply;

// The traffic of one radio link, kept in memory for diagnosis: one line per
// frame on the cable, each with its time since the link opened, its
// direction, its bytes in hex, whether the cable echoed it (frames sent) and
// what it means (opcode and address). The codeplug password never enters a
// trace: its bytes, and the checksum that would give them away, are masked
// as "**" whether the frame carries them to the radio or from it.
class CRadioTrace {
public:
    // How a frame sent fared on the cable.
    enum class Echo { Echoed, NoEcho, ShortEcho, ShortWrite };

    CRadioTrace();

    void sent(const RadioFrame::Bytes &frame, Echo echo);
    // Every byte read for one reply (the acknowledgement and any noise
    // before the lead byte included); reply is what parsed of it, result the
    // reply's data byte count or -1, errorCode the protocol's code for it.
    void received(const RadioFrame::Bytes &bytes, const RadioReply &reply, int result, int errorCode);
    // The single acknowledgement a reset is answered with (empty: none came).
    void acknowledgement(const RadioFrame::Bytes &bytes);
    // Bytes thrown away to get the line quiet.
    void drained(const RadioFrame::Bytes &bytes);

    int frameCount() const { return int(m_lines.size()); }
    // A header with the start time, then one line per frame.
    QString text() const;

private:
    void add(char direction, const QString &hex, const QString &meaning);

    QDateTime m_started;
    QElapsedTimer m_clock;
    QStringList m_lines;
};
