#pragma once
// What the program makes sure of before its window opens: one running copy per program
// directory (two copies writing the same log would lose QSOs), and the template a new
// station's log is copied from.
#include <QLockFile>
#include <QString>
#include <memory>

namespace kastlog {

inline const QString AlreadyRunning = QStringLiteral("KASTLOG est deja lance");

// The lock of the program directory `dir`, held while the returned object lives; null when
// another running copy holds it. A lock left by a copy that has died is taken over. When the
// lock cannot be taken for another cause (a full disk, a folder that cannot be written),
// `problem` receives the message that names the folder and the reason.
std::unique_ptr<QLockFile> takeInstanceLock(const QString &dir, QString *problem = nullptr);

// Writes an empty "FXXXX.txt" into `dir` when there is none (the shipped template is empty).
// False when it is absent and cannot be written.
bool ensureTemplate(const QString &dir);

}  // namespace kastlog
