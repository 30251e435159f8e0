#pragma once
// The ADIF record of one log line, written by the same code from a decoded line and from the
// bytes of the log (one byte per character): the export writes its file from the log's bytes.
#include <QByteArrayView>
#include <QStringView>

namespace kastlog::adif {

// The most units a record can take, naming a station of `stationSize` units.
qsizetype recordBound(qsizetype stationSize);

// Writes the record of `line` from `d` on and returns where it ends; a station not empty is
// named last. Fields are trimmed of the blanks decoded text would lose (bytes: tab to carriage
// return, the space and the no-break space of Windows-1252).
char *writeRecord(QByteArrayView line, QByteArrayView station, char *d);
char16_t *writeRecord(QStringView line, QStringView station, char16_t *d);

// AAAAMMJJ from a trimmed date JJ/MM/AA, at most 8 units; a year that is not two digits is
// written as it stands, with no century.
char16_t *writeQsoDate(QStringView date, char16_t *d);

}  // namespace kastlog::adif
