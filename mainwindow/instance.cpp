#include "mainwindow/instance.h"

#include "logstore/logstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace kastlog {

namespace {
// The system's reason why `dir` cannot be written, found by writing a small file there as
// the lock would (the lock itself does not tell it); empty when it can be.
QString writeProblem(const QString &dir) {
    const QByteArray probe = QFile::encodeName(QDir(dir).filePath(QStringLiteral("KASTLOG.probe")));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return systemReason(errno);
    const QByteArray bytes(512, 'x');
    qsizetype done = 0;
    while (done < bytes.size()) {  // a full disk first writes part, then fails
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0) break;
        done += n;
    }
    int err = 0;
    if (done < bytes.size() || ::fsync(fd) != 0) err = errno ? errno : EIO;
    ::close(fd);
    ::unlink(probe.constData());
    return err ? systemReason(err) : QString();
}

QString cannotWrite(const QString &dir, const QString &reason) {
    //: %1: the data folder, %2: the system's reason
    return QCoreApplication::translate("InstanceLock",
                                       "KASTLOG ne peut pas écrire dans son dossier de données.\r\n\r\n"
                                       "Dossier : %1\r\nRaison : %2")
        .arg(QDir::toNativeSeparators(dir), reason);
}

// Why a lock that no running copy holds cannot be removed: the file itself cannot be opened
// for writing, or the folder cannot be written. Empty when both can: a running copy holds it.
QString removalProblem(const QString &dir, const QString &path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0 && errno != ENOENT)
        //: %1: the lock file, %2: the system's reason
        return QCoreApplication::translate("InstanceLock", "KASTLOG ne peut pas reprendre son verrou.\r\n\r\n"
                                                           "Fichier : %1\r\nRaison : %2")
            .arg(QDir::toNativeSeparators(path), systemReason(errno));
    if (fd >= 0) ::close(fd);
    const QString why = writeProblem(dir);
    return why.isEmpty() ? QString() : cannotWrite(dir, why);
}

// Whether process `pid` runs on this computer as the program `app`: a number the system has
// since given to another program does not count.
bool runsHere(qint64 pid, const QString &app) {
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max()) return false;
    if (::kill(pid_t(pid), 0) != 0 && errno != EPERM) return false;
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (app.isEmpty() || !comm.open(QIODevice::ReadOnly)) return true;  // cannot tell: it may be a copy
    // The system keeps 15 characters of a program's name.
    return QString::fromLocal8Bit(comm.readAll()).trimmed() == app.left(15);
}

QString otherComputer(const QString &path, const QString &host) {
    //: %1: the other computer's name, %2: the lock file
    return QCoreApplication::translate("InstanceLock",
                                       "Le dossier de données est verrouillé par KASTLOG sur un autre ordinateur : "
                                       "« %1 ».\r\nFichier : %2")
        .arg(host, QDir::toNativeSeparators(path));
}
}  // namespace

QString alreadyRunning() { return QCoreApplication::translate("InstanceLock", "KASTLOG est deja lance"); }

InstanceLock takeInstanceLock(const QString &dir, const AskTakeOver &ask) {
    InstanceLock out;
    const QString path = QDir(dir).filePath(QStringLiteral("KASTLOG.lock"));
    auto lock = std::make_unique<QLockFile>(path);
    // A running copy holds the lock for hours: it must never count as stale by its age; a
    // copy that has died here is recognised by its process number.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        out.file = std::move(lock);
        return out;
    }
    if (lock->error() != QLockFile::LockFailedError) {
        const QString why = writeProblem(dir);
        out.refusal = cannotWrite(dir, why.isEmpty() ? systemReason(EIO) : why);  // EIO: the disk failed the lock only
        return out;
    }
    // The lock stays: the toolkit takes over only what a copy of this very system left. A
    // lock it cannot read, or one written here before a reinstallation (same computer name,
    // another machine id), stays for ever unless taken over here.
    qint64 pid = 0;
    QString host, app;
    const bool readable = lock->getLockInfo(&pid, &host, &app);
    const bool here = host.isEmpty() || host == QSysInfo::machineHostName();
    if (readable && here && runsHere(pid, app)) {
        out.refusal = alreadyRunning();
        return out;
    }
    if (readable && !here) {
        if (!ask) {
            out.refusal = otherComputer(path, host) + QStringLiteral("\r\n") +
                          QCoreApplication::translate("InstanceLock", "Si KASTLOG n'y est pas ouvert, lancez sa "
                                                                      "fenêtre ici pour reprendre le verrou.");
            return out;
        }
        if (!ask(otherComputer(path, host) + QStringLiteral("\r\n\r\n") +
                 QCoreApplication::translate("InstanceLock",
                                             "Si KASTLOG n'y est pas ouvert (un dossier recopié d'un autre PC, "
                                             "par exemple), le verrou peut être repris ici. Deux KASTLOG ouverts "
                                             "sur le même log perdraient des QSO.\r\n\r\nReprendre le verrou ?")))
            return out;
    }
    // The removal fails while a running process holds the lock: a copy is never dispossessed.
    if (lock->removeStaleLockFile() && lock->tryLock(0)) {
        out.file = std::move(lock);
        return out;
    }
    const QString why = removalProblem(dir, path);
    out.refusal = why.isEmpty() ? alreadyRunning() : why;
    return out;
}

bool ensureTemplate(const QString &dir) {
    if (QFileInfo::exists(QDir(dir).filePath(files::Template))) return true;
    return replaceFile(dir, files::Template, files::Temporaire, QByteArray()).ok;
}

}  // namespace kastlog
