#pragma once
// The ADIF export of a whole log: one record per log line, after a six-line header.
#include "logstore/textfile.h"

#include <QString>
#include <QStringList>

namespace kastlog {
class FaultInjector;

namespace adif {
// ADIF band of a band label compared exactly ("14 Mhz" -> "20m"); "" for any other text.
QString bandName(const QString &label);
QString bandName(QStringView label);
// The same table read backwards: the band label of an ADIF band name (any case); "" for a
// band the log does not have.
QString bandLabel(QStringView adifBand);
// "AAAAMMJJ" from "JJ/MM/AA"; two-digit years 50-99 are 19xx, 0-49 are 20xx. A year that is
// not two digits is written as it stands, with no century.
QString qsoDate(const QString &date);
QString qsoDate(QStringView date);
// The seven header lines; the first names the station as its label shows it, the sixth
// names the ADIF version and the program.
QStringList header(const QString &stationLabel);
QString programLine();  // "<adif_ver:5>3.1.4<programid:7>KASTLOG<programversion:N>..."
// The whole file: the header, then one record per log line, each naming the station
// `stationShown` ("/" form) that made it.
QStringList fileLines(const QString &stationLabel, const QStringList &logLines, const QString &stationShown);
// The same file in Windows-1252 with CR LF, from the bytes of the log: the header and the
// station encoded (false when one holds a character the code page lacks), then the records of
// the log's lines given piece by piece to `write`.
bool encodeHead(const QString &stationLabel, const QString &stationShown, QByteArray &head, QByteArray &station);
void writeRecords(QByteArrayView log, QByteArrayView station, const ContentWriter &write);
// Both at once, into `out`.
bool fileBytes(const QString &stationLabel, const QByteArray &log, const QString &stationShown, QByteArray &out);
QString fileName(const QString &call);  // call + "_DNJ.adi"
}  // namespace adif

// The ADIF record of one log line (`Poubelle`), returned in `ligneAdif`.
void ADIF_SP(const QString &poubelle, QString &ligneAdif);
// A QSL mark adds <qsl_rcvd:1>Y before <sig:3>; a station not empty ends the record with
// <station_callsign:N>.
QString adifRecord(const QString &logLine);
QString adifRecord(const QString &logLine, const QString &stationShown);

// Outcome of the export: whether the file was written, and the text to show.
struct AdifExport {
    bool ok = false;
    QString message;
};

// Reads the log of `call` in `dir` and writes call + "_DNJ.adi" beside it through a temporary
// file. The message is the success message, or names the file that failed and why.
AdifExport exporteAdif(const QString &dir, const QString &call, const QString &stationLabel,
                       const FaultInjector *faults = nullptr);

}  // namespace kastlog
