// Two ways of being killed, for the crash test.
//
// kastlog_crashdriver DIR CALL SEED
//   Changes the log and the first-name memory of a directory without end, announcing each
//   change on stdout ("B n") before it starts, ("U n") once the change itself is done and
//   ("E n") once the whole step is done, until it is killed. The log keeps its history (daily
//   backup, precedent content); every fifth change is also undone and redone within its step,
//   and every seventh the day's backup is restored and the restore undone, so a kill may fall
//   in an undo or a restore as well.
//
// kastlog_crashdriver --kill-at N DIR CALL OPERATION [BACKUP]
//   Does one operation on the log (change: deletes its first line; undo; restore: takes
//   BACKUP back) and kills itself with SIGKILL right after the Nth step that makes a file
//   durable (a sync, a rename). Prints "done" and ends with 0 when the operation has fewer
//   steps.
#include "logstore/logstore.h"
#include "logstore/prenoms.h"
#include "tests/robustness/workload.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>

#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <unistd.h>

using namespace kastlog;

namespace {
// Unbuffered, so that what the harness reads after the kill is all that was announced.
void say(const QByteArray &line) {
    const QByteArray b = line + '\n';
    const char *p = b.constData();
    size_t n = size_t(b.size());
    while (n > 0) {
        const ssize_t w = ::write(STDOUT_FILENO, p, n);
        if (w <= 0) _exit(3);
        p += w;
        n -= size_t(w);
    }
}

// Kills the process right after the Nth durable step.
class KillAt : public WriteObserver {
public:
    explicit KillAt(int n) : m_left(n) {}
    void called(DurableCall, const QString &) override {
        if (--m_left == 0) ::raise(SIGKILL);
    }

private:
    int m_left;
};

int fail(const QString &file, const QString &reason) {
    say("X " + file.toLocal8Bit() + ": " + reason.toLocal8Bit());
    return 1;
}
int fail(const WriteResult &w) { return fail(w.fileName, w.reason); }

int killAt(int n, const QString &dir, const QString &call, const QByteArray &operation, const QString &backup) {
    const LogStore store(dir, call);
    const ReadResult log = readTextFile(store.logPath());
    if (!log.ok() || log.lines.isEmpty()) return fail(store.logPath(), log.reason);
    KillAt killer(n);
    setWriteObserver(&killer);
    ChangeResult r;
    if (operation == "change") r = store.supprimeQso(log.lines.first());
    else if (operation == "undo") r = store.undo();
    else if (operation == "restore") r = store.restore(backup);
    else return fail(QString(), QStringLiteral("unknown operation"));
    setWriteObserver(nullptr);
    if (!r) return fail(r);
    if (const QList<history::KeptProblem> p = history::problems(r.history); !p.isEmpty())
        return fail(p.first().fileName, p.first().what + QStringLiteral(": ") + p.first().reason);
    say("done");
    return 0;
}

// The log of the day's backup, when it differs from `log` (a restore that changes nothing is
// no change, and could not be undone on its own).
QString backupToRestore(const QString &dir, const QString &call, const QByteArray &log) {
    const QList<history::Backup> all = history::dailyBackups(dir, call, QDate::currentDate());
    if (all.isEmpty()) return {};
    QFile f(all.first().path);
    if (!f.open(QIODevice::ReadOnly) || f.readAll() == log) return {};
    return all.first().path;
}

int changeForEver(const QString &dir, const QString &call, quint32 seed) {
    const LogStore store(dir, call);
    const ReadResult read = readTextFile(store.logPath());
    if (!read.ok()) return fail(store.logPath(), read.reason);
    QStringList log = read.lines;
    say("R");
    for (int step = 0;; ++step) {
        const robust::Change c = robust::changeAt(seed, step, log);
        say("B " + QByteArray::number(step));
        WriteResult w;
        switch (c.kind) {
        case robust::Change::Enregistre: w = store.enregistreQso(c.record); break;
        case robust::Change::Insere: w = store.insereQso(c.record); break;
        case robust::Change::Modifie: w = store.modifieQso(c.record, c.oldRecord); break;
        case robust::Change::Supprime: w = store.supprimeQso(c.record); break;
        case robust::Change::Prenom: w = enregistrePrenom(dir, c.key); break;
        }
        if (!w.ok) return fail(w);
        say("U " + QByteArray::number(step));
        if (c.kind != robust::Change::Prenom && step % 5 == 4) {
            w = store.undo();
            if (w.ok) w = store.undo();
        } else if (c.kind != robust::Change::Prenom && step % 7 == 6) {
            QByteArray now;
            readFileBytes(store.logPath(), now);
            if (const QString backup = backupToRestore(dir, call, now); !backup.isEmpty()) {
                w = store.restore(backup);
                if (w.ok) w = store.undo();
            }
        }
        if (!w.ok) return fail(w);
        log = robust::applyToLog(log, c);
        say("E " + QByteArray::number(step));
    }
}
}  // namespace

int main(int argc, char **argv) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive a harness that died
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 5 && args.first() == QLatin1String("--kill-at"))
        return killAt(args.at(1).toInt(), args.at(2), args.at(3), args.at(4).toLatin1(), args.value(5));
    if (args.size() == 3) return changeForEver(args.at(0), args.at(1), args.at(2).toUInt());
    std::fprintf(stderr, "usage: %s DIR CALL SEED | --kill-at N DIR CALL change|undo|restore [BACKUP]\n", argv[0]);
    return 2;
}
