#pragma once
// Real failures of the file system for one test, undone when the object goes: a disk that
// is full past a given file size, and a directory nobody may write into.
#include <QString>

#include <sys/resource.h>

namespace kastlog::test {

// No file of this process may grow past `bytes`: writing past it fails (EFBIG) as a full
// disk would, instead of stopping the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    bool inForce() const { return m_inForce; }

private:
    bool m_inForce = false;
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

// `dir` becomes read-only (mode 0555) for this process, even when it runs as root: the
// capabilities that let root write anywhere are put aside meanwhile.
class ReadOnlyDirectory {
public:
    explicit ReadOnlyDirectory(const QString &dir);
    ~ReadOnlyDirectory();
    ReadOnlyDirectory(const ReadOnlyDirectory &) = delete;
    ReadOnlyDirectory &operator=(const ReadOnlyDirectory &) = delete;
    // False when the directory could still be written (the test cannot go on).
    bool inForce() const { return m_inForce; }

private:
    QString m_dir;
    unsigned m_oldMode = 0;
    unsigned m_oldEffective[2] = {0, 0};
    bool m_capsChanged = false;
    bool m_inForce = false;
};

}  // namespace kastlog::test
