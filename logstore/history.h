#pragma once
// The history of a station's log, kept in the folder "Sauvegardes" of the data directory:
// one copy of the log per local calendar day (the 30 newest kept) and the content before the
// last change (<CALL>_DNJ_precedent.log), which the undo swaps back. A small note beside it
// (<CALL>_DNJ_precedent_suivi.txt) gives the size and checksum of that content and of the log
// it precedes: the undo swaps only a precedent that is known to be the log just before the
// current one.
#include "logstore/textfile.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace kastlog {

class Clock;

namespace history {

inline const QString Folder = QStringLiteral("Sauvegardes");
constexpr int KeptDays = 30;

QString folderPath(const QString &dataDir);
QString dailyName(const QString &call, const QDate &day);  // <CALL>_DNJ_AAAA-MM-JJ.log
QString precedentName(const QString &call);                // <CALL>_DNJ_precedent.log
QString precedentPath(const QString &dataDir, const QString &call);
QString noteName(const QString &call);                     // <CALL>_DNJ_precedent_suivi.txt
QString notePath(const QString &dataDir, const QString &call);

// Why the folder cannot hold or give backups (a file in its place, no right to read it), in
// the operator's words; empty when it is usable or does not exist yet.
QString folderProblem(const QString &dataDir);

// How a change of the log keeps its history.
struct Options {
    bool on = true;
    const Clock *clock = nullptr;  // the local day; the system clock when none
};

// What became of a change's history. The change itself stands whatever fails here.
struct Kept {
    WriteResult backup;     // the day's backup: a failure names it and says why
    bool backupDropped = false;  // written, then removed to leave room for the change itself
    WriteResult precedent;  // the log before the change and its note: a failure means no undo
    bool ok() const { return backup.ok && precedent.ok; }
};
// Each failure of a change's history: what it means for the operator (the end of a sentence,
// "la sauvegarde du jour n'a pas pu être faite", translated), the file and the reason.
struct KeptProblem {
    QString what, fileName, reason;
};
QList<KeptProblem> problems(const Kept &kept);

// How a replacement keeps the log it replaces.
enum class Keep {
    AfterSwap,   // a change: the swap leaves the old log behind, moved to the precedent afterwards
    BeforeSwap,  // an undo or a restore: the log is copied into the folder first, and stays as
                 // it is when that copy cannot be made (nothing is ever lost to a swap)
};

// Replaces the log `dataDir`/`logName` by `content` through `temp`, as replaceFile does (a
// content equal to `old`, the log as read, writes nothing); with the history on, first copies
// `old` to the day's backup when there is none yet, then keeps `old` as the precedent with its
// note. A failed history step does not stop a change: it is told in `kept`; the change's
// result is the function's. With Keep::BeforeSwap a precedent that cannot be kept stops it.
WriteResult replaceKeepingHistory(const QString &dataDir, const QString &call, const QString &logName,
                                  const QString &temp, const QByteArray &old, const QByteArray &content,
                                  const Options &options, const FaultInjector *faults, Kept &kept,
                                  Keep keep = Keep::AfterSwap);

// Whether Ctrl+Z may swap the log and its precedent now.
struct UndoState {
    enum Kind {
        Nothing,  // no change of this log has been kept yet
        Ready,    // the precedent is the log just before the current one (or the log is gone)
        Refused,  // `reason` says why, about `file`
    };
    Kind kind = Nothing;
    QString file, reason;
    QByteArray precedent, current;  // the two contents, when ready
    bool logMissing = false;        // ready: the log was deleted; the precedent brings it back
};
UndoState undoState(const QString &dataDir, const QString &call, const QString &logName);

// One daily backup of a station, for the restore dialog.
struct Backup {
    QDate day;
    QString path;
    bool future = false;  // dated after today: written while the clock was ahead, or set back since
};
// The station's daily backups: those of today and before, newest first, then those dated in
// the future, newest first.
QList<Backup> dailyBackups(const QString &dataDir, const QString &call, const QDate &today);
// Today for the backups: the local day of `clock` (the system clock when none).
QDate localDay(const Clock *clock);

// Lines of `to` not in `from` (added) and of `from` not in `to` (removed), counted as
// multisets: a line twice in `to` and once in `from` is added once.
struct LineDiff {
    QStringList added, removed;
};
LineDiff diffLines(const QStringList &from, const QStringList &to);

// What changed from `from` to `to`, in the operator's words: "QSO supprimé : ON4XYZ NM047
// 09/12/26 14:05 14 Mhz", "3 QSO ajoutés", "QSO modifié : ..." (a line replaced in its place)
// and so on.
QString describeChange(const QStringList &from, const QStringList &to);
// "+2 / -1 QSO": the QSO that taking `to` in the place of `from` adds and removes.
QString countChange(const QStringList &from, const QStringList &to);
// The lines of a backup that are not QSO records, told before it is restored ("Ces lignes de
// la sauvegarde ne sont pas des QSO ... ligne 3 : ..."); empty when every line is a record.
QString describeOtherLines(const QStringList &lines);
// The short form of a record: call, reference, date, time, band.
QString qsoSummary(const QString &record);

}  // namespace history
}  // namespace kastlog
