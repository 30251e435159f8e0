#include "mainwindow/instance.h"

#include "logstore/logstore.h"

#include <QDir>
#include <QFileInfo>

namespace kastlog {

std::unique_ptr<QLockFile> takeInstanceLock(const QString &dir) {
    auto lock = std::make_unique<QLockFile>(QDir(dir).filePath(QStringLiteral("KASTLOG.lock")));
    // A running copy holds the lock for hours: it must never count as stale by its age; a
    // copy that has died is recognised by its process number.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

bool ensureTemplate(const QString &dir) {
    if (QFileInfo::exists(QDir(dir).filePath(files::Template))) return true;
    return replaceFile(dir, files::Template, files::Temporaire, QByteArray()).ok;
}

}  // namespace kastlog
