#pragma once
// Reading an ADIF file written by any logger: the tagged form (ADI) and the XML form (ADX).
// Plain logic over the file's bytes; nothing here knows the log.
#include <QByteArray>
#include <QList>
#include <QString>

namespace kastlog::adifimport {

// The fields the import reads or knows, by their place in the reader's table of names.
namespace field {
enum Id : qint8 {
    Other = -1,
    Call, Name, Band, Mode, Submode, QsoDate, TimeOn, TimeOff, RstRcvd, RstSent, Comment, Notes, Sig, SigInfo,
    QslRcvd, QslSent, StationCallsign, Operator, Freq, Gridsquare, QsoDateOff, TxPwr, Dxcc, Country, AdifVer,
    ProgramId, ProgramVersion,
    Count
};
}  // namespace field

struct AdifField {
    QString name;       // in capitals, as the standard names them
    field::Id id = field::Other;
    qsizetype at = 0, size = 0;     // the decoded value in its record's text
    qsizetype byteLength = 0;       // the bytes the value was read from (ADI: the tag's length)
    qsizetype offset = -1;          // where they start in the file (ADI), -1 in ADX
};

// The values of a record are decoded one after the other into one text (one allocation per
// record, not per field): UTF-8 when the bytes are valid UTF-8, else Windows-1252.
struct AdifRecord {
    QList<AdifField> fields;
    QString text;
    QString problem;  // not empty: the record cannot be read (no CALL, a length past the end)
    bool readable() const { return problem.isEmpty(); }
    QStringView valueOf(const AdifField &f) const { return QStringView(text).mid(f.at, f.size); }
    void add(QString name, QStringView value, qsizetype byteLength, qsizetype offset);
    // The value of the field `name` (capitals; the last one when given twice); empty when absent.
    QString value(QLatin1String name) const;
    bool has(QLatin1String name) const;
    // The value of a known field, without copying (the last one when given twice; null when absent).
    QStringView view(field::Id id) const;
    bool has(field::Id id) const;
};

struct AdifFile {
    AdifRecord header;         // fields before <eoh> (ADI) or in <HEADER> (ADX)
    QList<AdifRecord> records; // in file order, unreadable ones included
    QString problem;           // not empty: the file as a whole is broken (bad XML)
};

// Reads ADI. Tags are <NAME:LEN> or <NAME:LEN:TYPE> in any case; anything between fields is
// skipped; the header runs to <eoh> when there is one; a last record without <eor> counts.
AdifFile readAdi(const QByteArray &bytes);
// Reads ADX through the XML reader.
AdifFile readAdx(const QByteArray &bytes);
// ADX when the file begins (after blanks) with an XML declaration or an <ADX> element.
bool looksLikeAdx(const QByteArray &bytes);
AdifFile readAdif(const QByteArray &bytes);

}  // namespace kastlog::adifimport
