#pragma once
// One ADIF QSO as a log record: each field as the entry window would have stored it, or the
// reason it cannot be.
#include "logstore/record.h"
#include "reports/adifimport/adifreader.h"
#include "reports/adifimport/confirmations.h"

#include <QString>
#include <QStringList>

namespace kastlog::adifimport {

// The plan of a large file holds thousands of these: a QSO taken keeps only its record, and
// what the preview shows of it is read back from the record's columns; a QSO refused keeps
// the file's values in one text.
struct MappedQso {
    QString record;     // the 107-character record; empty when refused
    QString refusal;    // why it is not taken; empty when it can be
    QStringList warnings;  // shown in the preview, not refusals
    bool taken() const { return refusal.isEmpty(); }

    // As the preview and the command line name the QSO: the log's form of each field that
    // could be read, else the file's value.
    enum Shown { Call, Reference, Date, Time, Band, Mode };
    QString value(Shown which) const;
    QString reference() const { return value(Reference); }
    QString shown;  // a refused QSO's values in the order of Shown, each ended by U+001F
};

// A field of a record as the preview shows it.
QString recordValue(const QString &record, MappedQso::Shown which);

// Refusal texts.
namespace reason {
inline const QString CallTooLong = QStringLiteral("indicatif trop long");
inline const QString NoReference = QStringLiteral(
    "pas de référence de château : écrivez SIG=DNJ et SIG_INFO=NM047, ou la référence dans le commentaire");
inline const QString BadDate = QStringLiteral("date illisible");
inline const QString NoTime = QStringLiteral("heure absente (TIME_ON)");
inline const QString NoBand = QStringLiteral("bande absente du log");
inline const QString ModeTooLong = QStringLiteral("mode trop long pour le log");
inline const QString RstRTooLong = QStringLiteral("report reçu trop long");
inline const QString RstETooLong = QStringLiteral("report envoyé trop long");
QString unwritable(const QString &field);  // a character Windows-1252 cannot hold
QString badSigInfo(QStringView value);     // SIG_INFO of the award that names no castle
}  // namespace reason

// What the header of a file says of its records.
struct FileKind {
    bool lotw = false;       // a LoTW report: QSL_RCVD is LoTW's confirmation
    bool eqslInbox = false;  // an eQSL inbox download: every record is a confirmation
};
FileKind kindOf(const AdifRecord &header);

// `station` is the stored call sign of the log imported into (for the STATION_CALLSIGN
// warning). `confirmation`, when given, receives the QSO as it is looked for in the log when
// the record carries a confirmation (its source stays None otherwise).
MappedQso mapQso(const AdifRecord &r, const QString &station, FileKind kind = {}, Confirmation *confirmation = nullptr);

}  // namespace kastlog::adifimport
