#pragma once

#include <QString>
#include <QStringList>

// What the radio emulator was asked to be: a radio of a model, firmware and
// codeplug, optionally loaded from and saved to a memory file, with one
// fault to show the link.
struct SimOptions {
    enum class Fault {
        None,
        Silent, // echoes requests but never answers
        BadChecksum, // answers with a wrong checksum
        RefuseWrite, // refuses block writes (reply opcode 0x85)
        Garbage, // sends noise between the acknowledgement and the lead byte
        DropByte, // leaves one byte out of a reply
        ForgetWrite, // acknowledges writes but keeps the old memory in the fault range
    };

    QString model = QStringLiteral("KXD40600");
    QString firmware = QStringLiteral("R17"); // phase, version, revision characters
    int codeplugVersion = 3;
    QString password; // at most four characters
    int memoryStatus = 0; // 0-31, 0 = sound
    int maxCodes = 219;
    int channels = 16;
    int frequencies = 8;

    // Which of the options above were given (they override a loaded memory).
    QStringList given;

    QString memoryFile; // load the memory from here
    QString saveFile; // save the memory here at exit

    Fault fault = Fault::None;
    int faultAfter = 0; // requests answered soundly before the fault starts
    bool faultOnce = false; // the fault hits one reply only
    // The addresses a forget-write radio does not change (first, last).
    quint32 forgetFirst = 0x10000;
    quint32 forgetLast = 0x2FFFF;
    int radios = 1; // radios, each on its own terminal
    int swapEverySeconds = 0; // 0: no swapping; see SimStation
    int faultRadio = 0; // the radio (from 1) that has the fault; 0: every one
    bool pace = false; // send every byte at the cable's wire speed
    bool verbose = false; // log every request on stderr

    bool isGiven(const QString &name) const { return given.contains(name); }

    // Parses the command line; on bad input fills error and answers false.
    static bool parse(const QStringList &arguments, SimOptions &options, QString &error);
};
