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

// Refusal texts, in French; a refusal holds the translation (reason::text).
namespace reason {
inline constexpr char CallTooLong[] = QT_TRANSLATE_NOOP("AdifMapping", "indicatif trop long");
//: SIG and SIG_INFO are ADIF field names; NM047 a castle reference: keep them as they are.
inline constexpr char NoReference[] = QT_TRANSLATE_NOOP("AdifMapping",
    "pas de référence de château : écrivez SIG=DNJ et SIG_INFO=NM047, ou la référence dans le commentaire");
inline constexpr char BadDate[] = QT_TRANSLATE_NOOP("AdifMapping", "date illisible");
//: TIME_ON is an ADIF field name.
inline constexpr char NoTime[] = QT_TRANSLATE_NOOP("AdifMapping", "heure absente (TIME_ON)");
//: The QSO's band is none of the bands the log holds.
inline constexpr char NoBand[] = QT_TRANSLATE_NOOP("AdifMapping", "bande absente du log");
inline constexpr char ModeTooLong[] = QT_TRANSLATE_NOOP("AdifMapping", "mode trop long pour le log");
//: The signal report received (RST) is too long.
inline constexpr char RstRTooLong[] = QT_TRANSLATE_NOOP("AdifMapping", "report reçu trop long");
//: The signal report sent (RST) is too long.
inline constexpr char RstETooLong[] = QT_TRANSLATE_NOOP("AdifMapping", "report envoyé trop long");
QString text(const char *refusal);         // the translation of one of the above
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
