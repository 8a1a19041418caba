#pragma once

#include "SimMemory.h"
#include "SimOptions.h"
#include "SimRequestParser.h"

#include <QByteArray>

// The radio's side of the protocol: answers each request from the memory,
// keeps what is written, and shows the link the fault it was given.
//
// Every reply starts with the acknowledgement 0x50. Block reads answer
// FF 80 <length> A2 A1 A0 <data> <checksum>, block writes FF 84 ... without
// data, a refused write or read FF 85 ...; a reset answers with the
// acknowledgement alone; the queries, controls and frequency commands
// answer in the short form.
class SimRadio {
public:
    SimRadio(SimMemory &memory, const SimOptions &options);

    // The bytes to send back for request; empty for no answer.
    QByteArray answer(const SimRequest &request);

    int resets() const { return m_resets; }

private:
    QByteArray answerSoundly(const SimRequest &request, bool refuseWrites);
    QByteArray readBlock(const QByteArray &data);
    QByteArray writeBlock(const QByteArray &data, bool refuse);
    QByteArray query(const QByteArray &data);
    QByteArray frequencyCommand(const QByteArray &data);
    QByteArray applyFault(QByteArray reply);
    bool faultDue(const SimRequest &request) const;
    // Whether the fault hits write requests only (refuse-write, forget-write).
    bool actsOnWrites() const;
    // Puts written bytes into the memory, but not those a forgetting write
    // keeps.
    void store(quint32 address, const QByteArray &bytes);

    SimMemory &m_memory;
    const SimOptions &m_options;
    int m_requests = 0;
    bool m_faultSpent = false;
    bool m_forgetting = false; // the write being answered is forgotten
    int m_resets = 0;
};
