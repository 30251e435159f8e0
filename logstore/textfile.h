#pragma once
// Reading and replacing the program's text files (log, first-name memory, lists, ADIF).
// Lines end with CR LF on disk; a last line without line end is a line; a lone LF also ends a
// line (a file saved by another editor); a CR alone inside a line stays part of it.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstring>
#include <functional>

namespace kastlog {

// Outcome of reading a file.
struct ReadResult {
    enum Kind { Ok, Missing, Failed };
    Kind kind = Ok;
    int errorNumber = 0;  // for the "Erreur N° " message: 53 missing, see textfile.cpp
    QString reason;       // the system's reason, for messages
    QStringList lines;    // decoded lines, without line ends
    bool ok() const { return kind == Ok; }
};

// Splits file content into lines by the rule above (decoding Windows-1252).
QStringList splitLines(const QByteArray &bytes);

// Calls fn(const char *begin, qsizetype size) for every line of `bytes` by the rule above,
// without decoding.
template <class Fn>
void forEachLine(QByteArrayView bytes, Fn &&fn) {
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();
    while (p < end) {
        const char *nl = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        if (!nl) {  // a last line without line end is a line
            fn(p, qsizetype(end - p));
            return;
        }
        const char *e = (nl > p && nl[-1] == '\r') ? nl - 1 : nl;  // only the CR of CR LF goes
        fn(p, qsizetype(e - p));
        p = nl + 1;
    }
}
// Joins lines, each followed by CR LF, encoded in Windows-1252. Returns false when a
// character cannot be encoded.
bool joinLines(const QStringList &lines, QByteArray &out);

ReadResult readTextFile(const QString &path);
// Reads the whole file into `bytes`; the result tells the kind of failure (its lines stay empty).
ReadResult readFileBytes(const QString &path, QByteArray &bytes);

// Outcome of writing a file.
struct WriteResult {
    bool ok = true;
    QString fileName;  // the file concerned (full path)
    QString reason;    // the system's reason, in words
    int error = 0;     // the system's error number, when the system gave one
    // Set when the new content is in place but the system did not confirm it reached the
    // disk (the directory sync failed after a rename that cannot be undone): a success.
    QString unconfirmed;
    explicit operator bool() const { return ok; }
};

// The reason of a failure of the system, in the operator's words (French), for messages.
QString systemReason(int err);

// Steps of the replacement, for fault injection in tests.
// Exchange and Link stand for the file system's support of swapping two names and of hard
// links: failing them makes it behave as one that lacks them.
enum class WriteStep { OpenTemp, Write, Sync, Close, Rename, SyncDir, Exchange, Link, Backup };
class FaultInjector {
public:
    virtual ~FaultInjector() = default;
    // Return true to make `step` fail as the system would.
    virtual bool fails(WriteStep step) const = 0;
};

// Sees the calls that make a written file durable, as they succeed: the sync of a file's
// data, the renames and links that put it in place, the sync of its directory.
enum class DurableCall { SyncData, Rename, SyncDir };
class WriteObserver {
public:
    virtual ~WriteObserver() = default;
    virtual void called(DurableCall call, const QString &path) = 0;
};
// Every file written by replaceFile/createFile reports to `observer` (null: none). For tests.
void setWriteObserver(WriteObserver *observer);

// Puts `content` in the place of `dir`/`target`: the whole content goes into `dir`/`temp`,
// which is flushed and synced, then renamed over the target, then the directory is synced.
// The target is never missing or partial. On any failure the target is left as it was,
// the temporary file is removed and the result names the file and the reason.
// With `keepOldAs` (a full path on the same file system), the old content that the swap
// leaves behind is renamed there instead of being deleted; `kept` then tells how that went
// (its fileName stays empty when the system could not swap and the old content is gone).
WriteResult replaceFile(const QString &dir, const QString &target, const QString &temp,
                        const QByteArray &content, const FaultInjector *faults = nullptr,
                        const QString &keepOldAs = QString(), WriteResult *kept = nullptr);

// Gives a file's content piece by piece to `write`, which returns false once a write failed
// (the rest is then not written).
using ContentWriter = std::function<bool(QByteArrayView piece)>;
using ContentProducer = std::function<void(const ContentWriter &write)>;
// replaceFile with the content produced while it is written: a large file is not held whole in
// memory, and the disk starts on its first pieces while the next are made.
WriteResult replaceFileFrom(const QString &dir, const QString &target, const QString &temp,
                            const ContentProducer &produce, const FaultInjector *faults = nullptr,
                            const QString &keepOldAs = QString(), WriteResult *kept = nullptr);

// replaceFile without waiting for the disk: for a file whose loss or emptiness after a power
// cut only costs what it says (a note that is checked against the files it describes).
WriteResult replaceFileLazily(const QString &dir, const QString &target, const QString &temp, const QByteArray &content);

// Makes `to` a second name of the complete file `from`, whose content is `content` (a hard
// link, so nothing is copied), with its folder synced; where the file system has no hard links,
// a copy of `content` written as replaceFile writes. An existing `to` is replaced.
WriteResult keepCopy(const QString &from, const QString &to, const QByteArray &content,
                     const FaultInjector *faults = nullptr);

// Renames the complete file `from` to `to` (an existing `to` is replaced) and syncs the folder
// of `to`; on failure `from` stays where it was.
WriteResult moveFile(const QString &from, const QString &to);

// Creates `dir`/`target` with `content` by the same steps (through `dir`/`temp`), but never
// replaces an existing file: an existing target makes it fail and stays untouched.
WriteResult createFile(const QString &dir, const QString &target, const QString &temp,
                       const QByteArray &content, const FaultInjector *faults = nullptr);

}  // namespace kastlog
