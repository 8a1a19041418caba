#include "radio/SharedBlock.h"

#include "base/PrivateFolder.h"

#include <atomic>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

std::unique_ptr<CSharedBlock> CSharedBlock::openExisting(const QString &directory)
{
    return open(directory, false, nullptr);
}

std::unique_ptr<CSharedBlock> CSharedBlock::openOrCreate(const QString &directory, bool *created)
{
    return open(directory, true, created);
}

std::unique_ptr<CSharedBlock> CSharedBlock::open(const QString &directory, bool create, bool *created)
{
    if (created)
        *created = false;
    const int fd = PrivateFolder::openSharedFile(directory, QLatin1String(kName), create);
    if (fd < 0)
        return nullptr;
    // Sizing under a lock, so no copy maps a block that another is still
    // growing (touching a page past the end of a file is fatal).
    ::flock(fd, LOCK_EX);
    struct stat info { };
    bool ok = ::fstat(fd, &info) == 0;
    if (ok && info.st_size < kSize) {
        // A block that is not full size was never finished: it is new.
        ok = create && ::ftruncate(fd, 0) == 0 && ::ftruncate(fd, kSize) == 0;
        if (ok && created)
            *created = true;
    }
    ::flock(fd, LOCK_UN);
    void *mapping = ok ? ::mmap(nullptr, kSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0) : MAP_FAILED;
    ::close(fd);
    if (mapping == MAP_FAILED)
        return nullptr;
    return std::unique_ptr<CSharedBlock>(new CSharedBlock(mapping));
}

CSharedBlock::~CSharedBlock()
{
    ::munmap(m_words, kSize);
}

quint32 CSharedBlock::word(Word index) const
{
    return std::atomic_ref<quint32>(m_words[index]).load();
}

void CSharedBlock::setWord(Word index, quint32 value)
{
    std::atomic_ref<quint32>(m_words[index]).store(value);
}

void CSharedBlock::clearWords()
{
    for (int index = PollerActive; index <= CableCount; ++index)
        setWord(Word(index), 0);
}
