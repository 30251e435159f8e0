#pragma once
// One ADIF QSO as a log record: each field as the entry window would have stored it, or the
// reason it cannot be.
#include "logstore/record.h"
#include "reports/adifimport/adifreader.h"

#include <QString>
#include <QStringList>

namespace kastlog::adifimport {

struct MappedQso {
    QsoFields fields;
    QString record;     // the 107-character record; empty when refused
    QString refusal;    // why it is not taken; empty when it can be
    QStringList warnings;  // shown in the preview, not refusals
    // As the preview and the command line name the QSO (file values when a field is unusable).
    QString call, reference, date, time, band, mode;
    bool taken() const { return refusal.isEmpty(); }
};

// Refusal texts.
namespace reason {
inline const QString CallTooLong = QStringLiteral("indicatif trop long");
inline const QString NoReference = QStringLiteral("pas de référence de château");
inline const QString BadDate = QStringLiteral("date illisible");
inline const QString NoBand = QStringLiteral("bande absente du log");
inline const QString ModeTooLong = QStringLiteral("mode trop long pour le log");
inline const QString RstRTooLong = QStringLiteral("report reçu trop long");
inline const QString RstETooLong = QStringLiteral("report envoyé trop long");
QString unwritable(const QString &field);  // a character Windows-1252 cannot hold
}  // namespace reason

// `station` is the stored call sign of the log imported into (for the STATION_CALLSIGN warning).
MappedQso mapQso(const AdifRecord &r, const QString &station);

}  // namespace kastlog::adifimport
