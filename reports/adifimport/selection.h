#pragma once
// Which QSOs of an ADIF file the log takes, and which QSOs of the log the file confirms:
// checked in file order against the log and the QSOs taken before them from the same file.
#include "reports/adifimport/adifreader.h"
#include "reports/adifimport/confirmations.h"
#include "reports/adifimport/mapping.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

namespace kastlog::adifimport {

enum class Outcome {
    Taken, AlreadyInLog, CastleContacted, Refused,
    Confirmed,         // marks a QSO of the log as confirmed
    AlreadyConfirmed,  // confirms a QSO the log already marks (counted with "déjà dans le log")
    Ambiguous,         // several QSOs of the log fit it as well (counted with the refused)
    NotInLog,          // confirms no QSO of the log and names no castle (counted with the refused)
};

struct ImportLine {
    MappedQso qso;
    Outcome outcome = Outcome::Refused;
    QString reason;   // "" when taken; for a confirmation, its row's state
    QString logLine;  // the QSO of the log a confirmation is about
    // The values the preview and the command line show: the QSO of the log for a confirmation
    // that found it, else the file's.
    QString value(MappedQso::Shown which) const;
};

struct ImportPlan {
    QList<ImportLine> lines;  // one per QSO of the file, in file order
    int taken = 0, alreadyInLog = 0, castleContacted = 0, refused = 0, confirmed = 0;
    QString fileProblem;      // the file is damaged: only its whole records are listed as they are
    QStringList records() const;  // the records of the QSOs taken, in file order
    QStringList marks() const;    // the lines of the log to mark as confirmed
    bool writesAnything() const { return taken > 0 || confirmed > 0; }
    // "N QSO dans le fichier : A à importer, D déjà dans le log, C château déjà contacté,
    // R refusés, Q confirmations"
    QString countsLine() const;
};

// The states of a row, in French; a row holds the translation (context "ImportSelection").
//: The QSO of the file is already in the log.
inline constexpr char AlreadyInLog[] = QT_TRANSLATE_NOOP("ImportSelection", "déjà dans le log");
//: The QSO of the log this confirmation is about is already marked confirmed.
inline constexpr char AlreadyConfirmed[] = QT_TRANSLATE_NOOP("ImportSelection", "déjà confirmé");
//: Several QSOs of the log fit this confirmation equally.
inline constexpr char Ambiguous[] = QT_TRANSLATE_NOOP("ImportSelection", "ambigu");
//: The confirmation matches no QSO of the log.
inline constexpr char NotInLog[] = QT_TRANSLATE_NOOP("ImportSelection", "pas dans le log");
// "château déjà contacté le JJ/MM/AA sur BANDE"
QString castleContacted(const QString &date, const QString &band);
// "confirmé (LoTW)"
QString confirmedBy(QslSource source);

// Plans an import one record at a time, as the file is read.
class ImportPlanner {
public:
    // `logLines` (the lines of the log imported into) must outlive the planner; `station` is
    // its stored call sign.
    ImportPlanner(const QStringList &logLines, const QString &station);
    ~ImportPlanner();
    void add(const AdifRecord &record, const AdifRecord &header);
    ImportPlan take();

private:
    struct Known;
    const QStringList &m_log;
    QString m_station;
    std::unique_ptr<Known> m_known;
    std::unique_ptr<LogQsos> m_logQsos;  // made at the first confirmation
    QSet<qsizetype> m_marked;            // lines of the log a confirmation marks
    ImportPlan m_plan;
};

ImportPlan planImport(const AdifFile &file, const QStringList &logLines, const QString &station);

// "call date time: reason" for one QSO not taken, as the command line prints it.
QString refusalLine(const ImportLine &l);
// "call date time: warning", one per warning of the QSO.
QStringList warningLines(const ImportLine &l);

}  // namespace kastlog::adifimport
