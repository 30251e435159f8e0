#pragma once
// What the program makes sure of before its window opens: one running copy per program
// directory (two copies writing the same log would lose QSOs), and the template a new
// station's log is copied from.
#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

namespace kastlog {

// The refusal when a copy runs, in the language loaded.
QString alreadyRunning();

// The lock of a program directory, held while `file` lives.
struct InstanceLock {
    std::unique_ptr<QLockFile> file;  // null: not taken
    QString refusal;  // why not, as the operator is told; empty when the operator declined
    explicit operator bool() const { return bool(file); }
};

// Asked whether to take over the lock of a copy on another computer; true for yes.
using AskTakeOver = std::function<bool(const QString &question)>;

// Takes the lock of the program directory `dir`. A lock that no copy running on this computer
// holds is taken over: one left by a copy that has died (also one written here before the
// system was reinstalled), and one whose content cannot be read. The lock of a copy on
// another computer (a data folder copied or shared) is taken over only when `ask`, given the
// question that names the file and that computer, answers yes; without `ask` it is refused
// with a message naming them. A lock held by a running copy is never taken over. A folder
// that cannot be written is refused with a message naming it and the reason.
InstanceLock takeInstanceLock(const QString &dir, const AskTakeOver &ask = {});

// Writes an empty "FXXXX.txt" into `dir` when there is none (the shipped template is empty).
// False when it is absent and cannot be written.
bool ensureTemplate(const QString &dir);

}  // namespace kastlog
