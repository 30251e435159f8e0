#pragma once
// The station's log file: loading and the four rewrites.
#include "logstore/history.h"
#include "logstore/record.h"
#include "logstore/textfile.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace kastlog {

// Names of the program's files in its directory.
namespace files {
inline QString logName(const QString &call) { return call + QStringLiteral("_DNJ.log"); }
inline const QString Temporaire = QStringLiteral("Temporaire.txt");
inline const QString Temporaire6 = QStringLiteral("Temporaire6.txt");
inline const QString ListePrenom = QStringLiteral("Liste_Prenom.txt");
inline const QString Template = QStringLiteral("FXXXX.txt");
}  // namespace files

// A log loaded for the list: the file's bytes, each line's display line made only when asked
// (the list shows a few of thousands).
struct LoadedLog {
    ReadResult read;                   // kind, error number, reason (its lines stay empty)
    QByteArray bytes;                  // the whole file
    std::vector<QLatin1String> lines;  // every line of the file, as views of `bytes`
    bool truncated = false;            // the file has more lines than the list can number
    qsizetype lineCount() const { return qsizetype(lines.size()); }
    qsizetype shown() const { return qMin<qsizetype>(lineCount(), MaxDisplayLines); }
    QString displayLine(qsizetype i) const;  // line i (from 0, below shown()), numbered i + 1
    QStringList displayLines() const;        // all of them at once
};

namespace rules::core {
struct ByteLines;
}

// Outcome of a change of the log: the change's own result, and what became of its history
// (a failed backup leaves the change done: `history` then names the file and the reason).
struct ChangeResult : WriteResult {
    ChangeResult() = default;
    ChangeResult(WriteResult w) : WriteResult(std::move(w)) {}
    history::Kept history;
    bool found = true;  // false: the line to edit or delete is not in the log
};

class LogStore {
public:
    LogStore(QString dir, QString call, const FaultInjector *faults = nullptr, history::Options history = {});

    QString dir() const { return m_dir; }
    QString call() const { return m_call; }
    QString logPath() const;

    LoadedLog load() const;

    ChangeResult enregistreQso(const QString &record) const;
    ChangeResult insereQso(const QString &record) const;
    ChangeResult modifieQso(const QString &newRecord, const QString &oldRecord) const;
    // Deletes one line equal to `record`: the `occurrence`-th of them (from 0), or the last.
    ChangeResult supprimeQso(const QString &record, qsizetype occurrence = 0) const;
    // Many new records in one rewrite, each placed by date and time as insereQso places one;
    // the lines equal to one of `marks` take the QSL mark in the same rewrite.
    ChangeResult importeQsos(const QStringList &records, const QStringList &marks = {}) const;

    // Whether the last change can be undone now, and the contents the undo would swap.
    history::UndoState undoState() const;
    // Takes the precedent content back (the content before the last change) when it is known
    // to be the log just before the current one; the log as it was becomes the precedent, so a
    // second undo redoes the change. `asked` is the state the operator was asked about: an undo
    // refuses when the files have changed since. A deleted log is brought back.
    ChangeResult undo(const history::UndoState &asked) const;
    ChangeResult undo() const { return undo(undoState()); }
    // False when no change of the log has been kept yet (there is nothing to say about an undo).
    bool canUndo() const;
    // Puts the content of `backupPath` (a daily backup) in the place of the log, or of a
    // deleted log.
    ChangeResult restore(const QString &backupPath) const;

    // Writes the new log's lines through its sink; false when the line it looks for (the old
    // record of an edit, the record of a deletion) is not in the log.
    using Rule = std::function<bool(const rules::core::ByteLines &, const QList<QLatin1String> &,
                                    const std::function<void(QLatin1String)> &)>;

private:
    // Every change of the log goes through here: the rule's rewrite, with its history.
    ChangeResult rewrite(const QString &temp, const QStringList &records, const Rule &rule) const;
    // The log `old` becomes `content` (nothing is written when they are the same).
    ChangeResult replaceLog(const QByteArray &old, const QByteArray &content, const QString &temp,
                            history::Keep keep = history::Keep::AfterSwap) const;
    // The log takes `content` whole, keeping the log it replaces before it changes; a deleted
    // log is made again.
    ChangeResult swapIn(const QByteArray &content) const;

    QString m_dir, m_call;
    const FaultInjector *m_faults;
    history::Options m_history;
};

}  // namespace kastlog

namespace kastlog {
// Creates the log of a new station: copies the template "FXXXX.txt" of `dir` byte for byte
// to call + "_DNJ.log". False when the copy fails (for example a missing template).
bool creationFichierLog(const QString &dir, const QString &call);
}  // namespace kastlog
