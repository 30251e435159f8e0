#pragma once
// The station's log file: loading and the four rewrites.
#include "logstore/textfile.h"

#include <QString>
#include <QStringList>

namespace kastlog {

// Names of the program's files in its directory.
namespace files {
inline QString logName(const QString &call) { return call + QStringLiteral("_DNJ.log"); }
inline const QString Temporaire = QStringLiteral("Temporaire.txt");
inline const QString Temporaire6 = QStringLiteral("Temporaire6.txt");
inline const QString ListePrenom = QStringLiteral("Liste_Prenom.txt");
inline const QString Template = QStringLiteral("FXXXX.txt");
}  // namespace files

// Result of loading a log into display lines.
struct LoadedLog {
    ReadResult read;           // kind, error number, reason, raw lines
    QStringList displayLines;  // one per line of the file, at most MaxDisplayLines
    bool truncated = false;    // the file has more lines than the list can number
};

class LogStore {
public:
    LogStore(QString dir, QString call, const FaultInjector *faults = nullptr);

    QString dir() const { return m_dir; }
    QString call() const { return m_call; }
    QString logPath() const;

    LoadedLog load() const;

    WriteResult enregistreQso(const QString &record) const;
    WriteResult insereQso(const QString &record) const;
    WriteResult modifieQso(const QString &newRecord, const QString &oldRecord) const;
    WriteResult supprimeQso(const QString &record) const;
    // Many new records in one rewrite, each placed by date and time as insereQso places one.
    WriteResult importeQsos(const QStringList &records) const;

private:
    QString m_dir, m_call;
    const FaultInjector *m_faults;
};

}  // namespace kastlog

namespace kastlog {
// Creates the log of a new station: copies the template "FXXXX.txt" of `dir` byte for byte
// to call + "_DNJ.log". False when the copy fails (for example a missing template).
bool creationFichierLog(const QString &dir, const QString &call);
}  // namespace kastlog
