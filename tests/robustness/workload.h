#pragma once
// The change sequence of the crash test: a pure function of (seed, step, current log), so the
// driver that performs the changes and the harness that checks the files agree on every step.
#include <QString>
#include <QStringList>

namespace kastlog::robust {

struct Change {
    enum Kind { Enregistre, Insere, Modifie, Supprime, Prenom };
    Kind kind = Enregistre;
    QString record;     // new record (enregistre, insere, modifie) or the one to drop
    QString oldRecord;  // modifie: the record replaced
    QString key;        // prenom: call sign in 1-12, four blanks, first name from 17 on
};

// A log of `count` QSOs, all different.
QStringList initialLog(int count);
// A first-name memory of a few entries.
QStringList initialPrenoms();

// Change number `step` of run `seed`, chosen from the log as it stands before it.
Change changeAt(quint32 seed, int step, const QStringList &log);

// The files' contents after `c`, by the pure rules.
QStringList applyToLog(const QStringList &log, const Change &c);
QStringList applyToPrenoms(const QStringList &prenoms, const Change &c);

}  // namespace kastlog::robust
