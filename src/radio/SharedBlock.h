#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

// The block "VelaCPSFileMap" that all running copies share: 1024 bytes, of
// which the first four 32-bit words are used. It is a file in the shared
// runtime folder mapped into each copy; a copy maps it only for as long as
// it reads or writes it.
class CSharedBlock {
public:
    static constexpr int kSize = 1024;
    static constexpr char kName[] = "VelaCPSFileMap";

    enum Word : int {
        PollerActive = 0, // 1 while some copy runs the presence poller
        CablePresent = 1, // 1 if the last scan found at least one cable
        TransferActive = 2, // 1 while some copy transfers to or from a radio
        CableCount = 3, // matching cables found by the last scan
    };

    // The existing block, or null when there is none (or it cannot be mapped).
    static std::unique_ptr<CSharedBlock> openExisting(const QString &directory);
    // The block, created with all words zero when there is none; created
    // tells whether this call made it.
    static std::unique_ptr<CSharedBlock> openOrCreate(const QString &directory, bool *created = nullptr);

    ~CSharedBlock();
    CSharedBlock(const CSharedBlock &) = delete;
    CSharedBlock &operator=(const CSharedBlock &) = delete;

    quint32 word(Word index) const;
    void setWord(Word index, quint32 value);
    // Zeroes words 0 to 3.
    void clearWords();

private:
    explicit CSharedBlock(void *mapping)
        : m_words(static_cast<quint32 *>(mapping))
    {
    }
    static std::unique_ptr<CSharedBlock> open(const QString &directory, bool create, bool *created);

    quint32 *m_words;
};
