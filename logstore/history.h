#pragma once
// The history of a station's log, kept in the folder "Sauvegardes" of the data directory:
// one copy of the log per local calendar day (the 30 newest kept) and the content before the
// last change (<CALL>_DNJ_precedent.log), which the undo swaps back.
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

// How a change of the log keeps its history.
struct Options {
    bool on = true;
    const Clock *clock = nullptr;  // the local day; the system clock when none
};

// Replaces the log `dataDir`/`logName` by `content` through `temp`, as replaceFile does (a
// content equal to `old`, the log as read, writes nothing); with the history on, first copies `old`
// to the day's backup when there is none yet, then keeps `old` as the precedent file (the
// swap leaves it behind, so no second copy is written). A failed history step does not stop
// the change: it is returned in `historyFailure` (the first failure), the change's result
// is the function's.
WriteResult replaceKeepingHistory(const QString &dataDir, const QString &call, const QString &logName,
                                  const QString &temp, const QByteArray &old, const QByteArray &content,
                                  const Options &options, const FaultInjector *faults,
                                  WriteResult &historyFailure);

// One daily backup of a station, for the restore dialog.
struct Backup {
    QDate day;
    QString path;
};
// The station's daily backups, newest first.
QList<Backup> dailyBackups(const QString &dataDir, const QString &call);

// Lines of `to` not in `from` (added) and of `from` not in `to` (removed), counted as
// multisets: a line twice in `to` and once in `from` is added once.
struct LineDiff {
    QStringList added, removed;
};
LineDiff diffLines(const QStringList &from, const QStringList &to);

// What changed from `from` to `to`, in the operator's words: "QSO supprimé : ON4XYZ NM047
// 09/12/26 14:05 14 Mhz", "3 QSO ajoutés", "QSO modifié : ..." and so on.
QString describeChange(const QStringList &from, const QStringList &to);
// "+2 / -1 QSO": what taking `to` in the place of `from` adds and removes.
QString countChange(const QStringList &from, const QStringList &to);
// The short form of a record: call, reference, date, time, band.
QString qsoSummary(const QString &record);

}  // namespace history
}  // namespace kastlog
