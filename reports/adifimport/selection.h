#pragma once
// Which QSOs of an ADIF file the log takes: checked in file order against the log and the
// QSOs taken before them from the same file.
#include "reports/adifimport/adifreader.h"
#include "reports/adifimport/mapping.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kastlog::adifimport {

enum class Outcome { Taken, AlreadyInLog, CastleContacted, Refused };

struct ImportLine {
    MappedQso qso;
    Outcome outcome = Outcome::Refused;
    QString reason;  // empty when taken
};

struct ImportPlan {
    QList<ImportLine> lines;  // one per QSO of the file, in file order
    int taken = 0, alreadyInLog = 0, castleContacted = 0, refused = 0;
    QStringList records() const;  // the records of the QSOs taken, in file order
    // "N QSO dans le fichier : A à importer, D déjà dans le log, C château déjà contacté, R refusés"
    QString countsLine() const;
};

inline const QString AlreadyInLog = QStringLiteral("déjà dans le log");
// "château déjà contacté le JJ/MM/AA sur BANDE"
QString castleContacted(const QString &date, const QString &band);

// `logLines` are the lines of the log imported into; `station` its stored call sign.
ImportPlan planImport(const AdifFile &file, const QStringList &logLines, const QString &station);

// "call date time: reason" for one QSO not taken, as the command line prints it.
QString refusalLine(const ImportLine &l);

}  // namespace kastlog::adifimport
