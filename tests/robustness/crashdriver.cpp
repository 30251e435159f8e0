// Changes the log and the first-name memory of a directory without end, announcing each change
// on stdout ("B n") before it starts and ("E n") once it is done, until it is killed. The log
// keeps its history (daily backup, precedent content); every fifth change is also undone and
// redone within its step, so a kill may fall in an undo as well.
// Usage: kastlog_crashdriver DIR CALL SEED
#include "logstore/logstore.h"
#include "logstore/prenoms.h"
#include "tests/robustness/workload.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <sys/prctl.h>
#include <csignal>
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
}  // namespace

int main(int argc, char **argv) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive a harness that died
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DIR CALL SEED\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const LogStore store(dir, QString::fromLocal8Bit(argv[2]));
    const quint32 seed = QByteArray(argv[3]).toUInt();

    const ReadResult read = readTextFile(store.logPath());
    if (!read.ok()) {
        say("X cannot read the log: " + read.reason.toLocal8Bit());
        return 1;
    }
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
        if (w.ok && c.kind != robust::Change::Prenom && step % 5 == 4) {
            w = store.undo();
            if (w.ok) w = store.undo();
        }
        if (!w.ok) {
            say("X " + w.fileName.toLocal8Bit() + ": " + w.reason.toLocal8Bit());
            return 1;
        }
        log = robust::applyToLog(log, c);
        say("E " + QByteArray::number(step));
    }
}
