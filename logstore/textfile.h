#pragma once
// Reading and replacing the program's text files (log, first-name memory, lists, ADIF).
// Lines end with CR LF on disk; a last line without line end is a line; a lone LF also ends a
// line (a file saved by another editor); a CR alone inside a line stays part of it.
#include <QByteArray>
#include <QString>
#include <QStringList>

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
// Joins lines, each followed by CR LF, encoded in Windows-1252. Returns false when a
// character cannot be encoded.
bool joinLines(const QStringList &lines, QByteArray &out);

ReadResult readTextFile(const QString &path);

// Outcome of writing a file.
struct WriteResult {
    bool ok = true;
    QString fileName;  // the file concerned (full path)
    QString reason;    // the system's reason, in words
    explicit operator bool() const { return ok; }
};

// Steps of the replacement, for fault injection in tests.
enum class WriteStep { OpenTemp, Write, Sync, Close, Rename, SyncDir };
class FaultInjector {
public:
    virtual ~FaultInjector() = default;
    // Return true to make `step` fail as the system would.
    virtual bool fails(WriteStep step) const = 0;
};

// Puts `content` in the place of `dir`/`target`: the whole content goes into `dir`/`temp`,
// which is flushed and synced, then renamed over the target, then the directory is synced.
// The target is never missing or partial. On any failure the target is left as it was,
// the temporary file is removed and the result names the file and the reason.
WriteResult replaceFile(const QString &dir, const QString &target, const QString &temp,
                        const QByteArray &content, const FaultInjector *faults = nullptr);

// Creates `dir`/`target` with `content` by the same steps (through `dir`/`temp`), but never
// replaces an existing file: an existing target makes it fail and stays untouched.
WriteResult createFile(const QString &dir, const QString &target, const QString &temp,
                       const QByteArray &content, const FaultInjector *faults = nullptr);

}  // namespace kastlog
