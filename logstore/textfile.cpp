#include "logstore/textfile.h"

#include "logstore/cp1252.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <thread>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Error numbers for the "Erreur N° " message, in the classic numbering:
//   53  file not found (the file, or a folder on its path, does not exist)
//   57  device input/output error (a read that fails once the file is open)
//   67  too many files open
//   70  permission denied
//   75  path/file access error (a folder in the file's place, a name too long, a link loop,
//       any other failure to open)
//   76  path not found (a part of the path is a file, not a folder)

namespace kastlog {

QString systemReason(int err) {
    switch (err) {
    case ENOSPC: return QCoreApplication::translate("FileErrors", "le disque est plein");
    case EDQUOT: return QCoreApplication::translate("FileErrors", "le quota de disque est dépassé");
    case EFBIG: return QCoreApplication::translate("FileErrors", "fichier trop gros");
    case EACCES: case EPERM: return QCoreApplication::translate("FileErrors", "accès refusé");
    case EROFS: return QCoreApplication::translate("FileErrors", "le disque est en lecture seule");
    case ENOENT: return QCoreApplication::translate("FileErrors", "fichier ou dossier introuvable");
    case ENOTDIR: return QCoreApplication::translate("FileErrors", "une partie du chemin n'est pas un dossier");
    case EISDIR: return QCoreApplication::translate("FileErrors", "un dossier porte ce nom");
    case EEXIST: return QCoreApplication::translate("FileErrors", "le fichier existe déjà");
    case EIO: return QCoreApplication::translate("FileErrors", "erreur de lecture ou d'écriture du disque");
    case EMFILE: case ENFILE: return QCoreApplication::translate("FileErrors", "trop de fichiers ouverts");
    case ENAMETOOLONG: return QCoreApplication::translate("FileErrors", "nom de fichier trop long");
    default:
        //: %1 is the system's own description of the error, %2 its number
        return QCoreApplication::translate("FileErrors", "%1 (erreur système %2)")
            .arg(QString::fromLocal8Bit(std::strerror(err)), QString::number(err));
    }
}

namespace {
int openErrorNumber(int err) {
    switch (err) {
    case ENOENT: return 53;
    case EACCES: case EPERM: case EROFS: return 70;
    case EMFILE: case ENFILE: return 67;
    case ENOTDIR: return 76;
    default: return 75;
    }
}

ReadResult failure(ReadResult::Kind kind, int number, int err) {
    ReadResult r;
    r.kind = kind;
    r.errorNumber = number;
    r.reason = systemReason(err);
    return r;
}

// Decodes bytes [b, e) as one line.
QString decodeLine(const char *b, const char *e) {
    QByteArray raw = QByteArray::fromRawData(b, e - b);
    return cp1252::decode(raw);
}
}  // namespace

QStringList splitLines(const QByteArray &bytes) {
    QStringList lines;
    lines.reserve(bytes.size() / 100 + 1);
    forEachLine(bytes, [&](const char *b, qsizetype n) { lines.append(decodeLine(b, b + n)); });
    return lines;
}

bool joinLines(const QStringList &lines, QByteArray &out) {
    qsizetype total = 0;
    for (const QString &l : lines) total += l.size() + 2;
    out.resize(total);
    char *d = out.data();
    QByteArray encoded;
    for (const QString &l : lines) {
        const QChar *s = l.constData();
        const qsizetype n = l.size();
        qsizetype i = 0;
        while (i < n && s[i].unicode() < 0x80) {  // plain ASCII needs no table
            d[i] = char(s[i].unicode());
            ++i;
        }
        if (i < n) {
            if (!cp1252::encode(l, encoded)) return false;
            std::memcpy(d, encoded.constData(), size_t(n));
        }
        d += n;
        *d++ = '\r';
        *d++ = '\n';
    }
    return true;
}

ReadResult readTextFile(const QString &path) {
    QByteArray bytes;
    ReadResult r = readFileBytes(path, bytes);
    if (r.ok()) r.lines = splitLines(bytes);
    return r;
}

ReadResult readFileBytes(const QString &path, QByteArray &bytes) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        return failure(err == ENOENT ? ReadResult::Missing : ReadResult::Failed, openErrorNumber(err), err);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return failure(ReadResult::Failed, 57, err);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return failure(ReadResult::Failed, 75, EISDIR);
    }
    // Read the whole file at once; keep reading should it have grown since fstat.
    bytes.resize(qsizetype(st.st_size) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size()) bytes.resize(bytes.size() * 2 + 4096);
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            return failure(ReadResult::Failed, err == EISDIR ? 75 : 57, err);
        }
        if (n == 0) break;
        got += n;
    }
    ::close(fd);
    bytes.truncate(got);
    return {};
}

namespace {
// The errno a step reports when a test makes it fail, as the system would for that step.
int injectedError(WriteStep step) {
    switch (step) {
    case WriteStep::OpenTemp: return EACCES;
    case WriteStep::Write: return ENOSPC;
    case WriteStep::Rename: return EACCES;
    default: return EIO;
    }
}

bool injected(const FaultInjector *faults, WriteStep step) { return faults && faults->fails(step); }

WriteObserver *g_observer = nullptr;
void observed(DurableCall call, const QString &path) {
    if (g_observer) g_observer->called(call, path);
}
// fsync, seen by the observer when it succeeds.
bool syncFd(int fd, DurableCall call, const QString &path) {
    if (::fsync(fd) != 0) return false;
    observed(call, path);
    return true;
}

// How much is written before the disk is asked to start on it.
constexpr qsizetype WritebackStep = 256 * 1024;

bool writeAll(int fd, const char *p, size_t n) {
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += w;
        n -= size_t(w);
    }
    return true;
}

}  // namespace

void setWriteObserver(WriteObserver *observer) { g_observer = observer; }

namespace {
struct Paths {
    QString targetPath, tempPath;
    QByteArray dirName, targetName, tempName;
    Paths(const QString &dir, const QString &target, const QString &temp)
        : targetPath(QDir(dir).filePath(target)), tempPath(QDir(dir).filePath(temp)),
          dirName(QFile::encodeName(dir)), targetName(QFile::encodeName(targetPath)),
          tempName(QFile::encodeName(tempPath)) {}

    // A failed result; the temporary file goes whatever step failed.
    WriteResult fail(const QString &file, int err) const {
        ::unlink(tempName.constData());
        WriteResult r;
        r.ok = false;
        r.fileName = file;
        r.reason = systemReason(err);
        r.error = err;
        return r;
    }
};

// Writes what `produce` gives into the temporary file, synced (unless not `durable`) and closed.
WriteResult writeTemp(const Paths &p, const ContentProducer &produce, mode_t mode, bool setMode,
                      const FaultInjector *faults, bool durable = true) {
    if (injected(faults, WriteStep::OpenTemp)) return p.fail(p.tempPath, injectedError(WriteStep::OpenTemp));
    const int fd = ::open(p.tempName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return p.fail(p.tempPath, errno);
    if (setMode) (void)::fchmod(fd, mode);  // the umask must not narrow them

    auto failOpen = [&](int err) {
        ::close(fd);
        return p.fail(p.tempPath, err);
    };
    int writeError = 0;
    qsizetype written = 0, started = 0;
    const bool failWrite = injected(faults, WriteStep::Write);
    produce([&](QByteArrayView piece) {
        if (writeError) return false;
        if (failWrite) {
            // Fail half-way, as a full disk would, leaving a partial temporary file to clean up.
            writeAll(fd, piece.data(), size_t(piece.size() / 2));
            writeError = injectedError(WriteStep::Write);
            return false;
        }
        if (!writeAll(fd, piece.data(), size_t(piece.size()))) {
            writeError = errno;
            return false;
        }
        written += piece.size();
        // A large file goes to the disk while the rest is produced: the sync then waits for less.
        if (written - started >= WritebackStep) {
            (void)::sync_file_range(fd, started, written - started, SYNC_FILE_RANGE_WRITE);
            started = written;
        }
        return true;
    });
    if (writeError) return failOpen(writeError);
    if (injected(faults, WriteStep::Sync)) return failOpen(injectedError(WriteStep::Sync));
    if (durable && !syncFd(fd, DurableCall::SyncData, p.tempPath)) return failOpen(errno);
    if (injected(faults, WriteStep::Close)) return failOpen(injectedError(WriteStep::Close));
    if (::close(fd) != 0) return p.fail(p.tempPath, errno);
    return {};
}

ContentProducer whole(const QByteArray &content) {
    return [&content](const ContentWriter &write) { write(content); };
}

// Syncs the directory so that the new name survives a crash.
bool syncDirectory(const Paths &p, const FaultInjector *faults, int &err) {
    if (injected(faults, WriteStep::SyncDir)) {
        err = injectedError(WriteStep::SyncDir);
        return false;
    }
    const int dfd = ::open(p.dirName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0) {
        err = errno;
        return false;
    }
    const bool ok = syncFd(dfd, DurableCall::SyncDir, QString::fromLocal8Bit(p.dirName));
    err = errno;
    ::close(dfd);
    return ok;
}
}  // namespace

namespace {
// Moves the old content left in the temporary file by the swap to `path` and syncs its folder.
void keepOldContent(const Paths &p, const QString &path, WriteResult *kept) {
    const WriteResult r = moveFile(p.tempPath, path);
    if (!r) ::unlink(p.tempName.constData());
    if (kept) *kept = r;
}
// A plain rename over an existing file (a file system without the swap) cannot be undone:
// the file holds the complete new content, so the write stands, with a warning.
WriteResult unconfirmedSuccess(const Paths &p, int err) {
    WriteResult r;
    r.fileName = p.targetPath;
    r.unconfirmed = systemReason(err);
    return r;
}

// Puts the complete temporary file at the target name where hard links are not supported:
// a rename that refuses an existing name, or else an exclusive create of the target written
// and synced. An existing target is never replaced. False with `err` set on failure.
bool placeWithoutLink(const Paths &p, const QByteArray &content, int &err) {
    if (::renameat2(AT_FDCWD, p.tempName.constData(), AT_FDCWD, p.targetName.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
        err = errno;
        return false;
    }
    const int fd = ::open(p.targetName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        err = errno;
        return false;
    }
    bool ok = writeAll(fd, content.constData(), size_t(content.size())) &&
              syncFd(fd, DurableCall::SyncData, p.targetPath);
    if (!ok) err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok) return true;
    ::unlink(p.targetName.constData());  // made here, so ours to remove
    return false;
}

// The old content left at the temporary name by the swap goes. Its name goes at once; the
// blocks of a large file are freed when a descriptor kept open a moment longer is closed off the
// caller's path (freeing a few megabytes takes about a millisecond on ext4).
void dropOldContent(const Paths &p) {
    constexpr off_t Large = 1024 * 1024;
    const int fd = ::open(p.tempName.constData(), O_RDONLY | O_CLOEXEC);
    ::unlink(p.tempName.constData());
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_size >= Large) {
        try {
            std::thread([fd] { ::close(fd); }).detach();
            return;
        } catch (const std::system_error &) {
        }
    }
    ::close(fd);
}

bool linkUnsupported(int err) { return err == EPERM || err == EOPNOTSUPP || err == EXDEV; }
}  // namespace

WriteResult replaceFile(const QString &dir, const QString &target, const QString &temp,
                        const QByteArray &content, const FaultInjector *faults, const QString &keepOldAs,
                        WriteResult *kept) {
    return replaceFileFrom(dir, target, temp, whole(content), faults, keepOldAs, kept);
}

WriteResult replaceFileFrom(const QString &dir, const QString &target, const QString &temp,
                            const ContentProducer &produce, const FaultInjector *faults, const QString &keepOldAs,
                            WriteResult *kept) {
    const Paths p(dir, target, temp);

    // The new file takes the permissions of the one it replaces.
    struct stat st {};
    const bool targetExists = ::stat(p.targetName.constData(), &st) == 0;
    if (targetExists && S_ISDIR(st.st_mode)) return p.fail(p.targetPath, EISDIR);
    const mode_t mode = targetExists ? (st.st_mode & 07777) : 0666;

    if (WriteResult w = writeTemp(p, produce, mode, targetExists, faults); !w) return w;

    if (injected(faults, WriteStep::Rename)) return p.fail(p.targetPath, injectedError(WriteStep::Rename));
    // Swap the two names when the old file exists: should the directory sync then fail, the
    // swap is undone and the old file is back in place.
    bool exchanged = false;
    if (targetExists && !injected(faults, WriteStep::Exchange)) {
        exchanged = ::renameat2(AT_FDCWD, p.tempName.constData(), AT_FDCWD, p.targetName.constData(),
                                RENAME_EXCHANGE) == 0;
        if (!exchanged && errno != EINVAL && errno != ENOSYS && errno != ENOENT)
            return p.fail(p.targetPath, errno);
    }
    if (!exchanged && ::rename(p.tempName.constData(), p.targetName.constData()) != 0)
        return p.fail(p.targetPath, errno);
    observed(DurableCall::Rename, p.targetPath);

    int err = 0;
    if (!syncDirectory(p, faults, err)) {
        if (exchanged)
            ::renameat2(AT_FDCWD, p.tempName.constData(), AT_FDCWD, p.targetName.constData(), RENAME_EXCHANGE);
        else if (!targetExists)
            ::unlink(p.targetName.constData());
        else
            return unconfirmedSuccess(p, err);
        return p.fail(QString::fromLocal8Bit(p.dirName), err);
    }
    if (exchanged && !keepOldAs.isEmpty()) keepOldContent(p, keepOldAs, kept);
    else if (exchanged) dropOldContent(p);
    WriteResult ok;
    ok.fileName = p.targetPath;
    return ok;
}

WriteResult replaceFileLazily(const QString &dir, const QString &target, const QString &temp, const QByteArray &content) {
    const Paths p(dir, target, temp);
    if (WriteResult w = writeTemp(p, whole(content), 0666, false, nullptr, false); !w) return w;
    if (::rename(p.tempName.constData(), p.targetName.constData()) != 0) return p.fail(p.targetPath, errno);
    observed(DurableCall::Rename, p.targetPath);
    WriteResult ok;
    ok.fileName = p.targetPath;
    return ok;
}

WriteResult keepCopy(const QString &from, const QString &to, const QByteArray &content, const FaultInjector *faults) {
    const QFileInfo target(to);
    const QString temp = QStringLiteral("copie_") + target.fileName();
    const Paths p(target.absolutePath(), target.fileName(), temp);
    ::unlink(p.targetName.constData());  // a copy left by an earlier run
    const bool linkFaked = injected(faults, WriteStep::Link);
    if (linkFaked || ::link(QFile::encodeName(from).constData(), p.targetName.constData()) != 0) {
        const int err = linkFaked ? EPERM : errno;
        if (!linkUnsupported(err)) return p.fail(p.targetPath, err);
        return replaceFile(target.absolutePath(), target.fileName(), temp, content);
    }
    observed(DurableCall::Rename, p.targetPath);
    int err = 0;
    if (!syncDirectory(p, nullptr, err)) {
        ::unlink(p.targetName.constData());
        return p.fail(p.targetPath, err);
    }
    WriteResult ok;
    ok.fileName = p.targetPath;
    return ok;
}

WriteResult moveFile(const QString &from, const QString &to) {
    WriteResult r;
    r.fileName = to;
    const Paths folder(QFileInfo(to).absolutePath(), QString(), QString());
    int err = 0;
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0) {
        err = errno;
    } else {
        observed(DurableCall::Rename, to);
        // Unsynced, the name may not survive a crash yet; the content under it is complete.
        if (syncDirectory(folder, nullptr, err)) err = 0;
    }
    if (err) {
        r.ok = false;
        r.reason = systemReason(err);
        r.error = err;
    }
    return r;
}

WriteResult createFile(const QString &dir, const QString &target, const QString &temp,
                       const QByteArray &content, const FaultInjector *faults) {
    const Paths p(dir, target, temp);
    if (WriteResult w = writeTemp(p, whole(content), 0666, false, faults); !w) return w;
    if (injected(faults, WriteStep::Rename)) return p.fail(p.targetPath, injectedError(WriteStep::Rename));
    // link() refuses an existing name, so an existing file is never replaced.
    const bool linkFaked = injected(faults, WriteStep::Link);
    if (linkFaked || ::link(p.tempName.constData(), p.targetName.constData()) != 0) {
        int err = linkFaked ? EPERM : errno;
        if (!linkUnsupported(err) || !placeWithoutLink(p, content, err)) return p.fail(p.targetPath, err);
    }
    observed(DurableCall::Rename, p.targetPath);
    int err = 0;
    if (!syncDirectory(p, faults, err)) {
        ::unlink(p.targetName.constData());
        return p.fail(QString::fromLocal8Bit(p.dirName), err);
    }
    ::unlink(p.tempName.constData());
    WriteResult ok;
    ok.fileName = p.targetPath;
    return ok;
}

}  // namespace kastlog
