#include "mainwindow/instance.h"

#include "logstore/logstore.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace kastlog {

namespace {
// The system's reason why `dir` cannot be written, found by writing a small file there as
// the lock would (the lock itself does not tell it).
QString writeProblem(const QString &dir) {
    const QByteArray probe = QFile::encodeName(QDir(dir).filePath(QStringLiteral("KASTLOG.probe")));
    int err = EIO;  // should the probe pass, the disk failed the lock only
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return systemReason(errno);
    const QByteArray bytes(512, 'x');
    qsizetype done = 0;
    while (done < bytes.size()) {  // a full disk first writes part, then fails
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0) break;
        done += n;
    }
    if (done < bytes.size() || ::fsync(fd) != 0) err = errno;
    ::close(fd);
    ::unlink(probe.constData());
    return systemReason(err);
}
}  // namespace

std::unique_ptr<QLockFile> takeInstanceLock(const QString &dir, QString *problem) {
    auto lock = std::make_unique<QLockFile>(QDir(dir).filePath(QStringLiteral("KASTLOG.lock")));
    // A running copy holds the lock for hours: it must never count as stale by its age; a
    // copy that has died is recognised by its process number.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) return lock;
    if (problem && lock->error() != QLockFile::LockFailedError)
        *problem = QStringLiteral("KASTLOG ne peut pas écrire dans son dossier de données.\r\n\r\nDossier : ") +
                   QDir::toNativeSeparators(dir) + QStringLiteral("\r\nRaison : ") + writeProblem(dir);
    return nullptr;
}

bool ensureTemplate(const QString &dir) {
    if (QFileInfo::exists(QDir(dir).filePath(files::Template))) return true;
    return replaceFile(dir, files::Template, files::Temporaire, QByteArray()).ok;
}

}  // namespace kastlog
