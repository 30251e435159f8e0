#pragma once
// Reading an ADIF file written by any logger: the tagged form (ADI) and the XML form (ADX), in
// UTF-8, Windows-1252 or UTF-16 with its byte-order mark. Plain logic over the file's bytes;
// nothing here knows the log.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace kastlog::adifimport {

// The fields the import reads or knows, by their place in the reader's table of names.
namespace field {
enum Id : qint8 {
    Other = -1,
    Call, Name, Band, Mode, Submode, QsoDate, TimeOn, TimeOff, RstRcvd, RstSent, Comment, Notes, Qth, Sig, SigInfo,
    QslRcvd, LotwQslRcvd, EqslQslRcvd, QslSent, StationCallsign, Operator, Freq, Gridsquare, QsoDateOff, TxPwr,
    Dxcc, Country, AdifVer, ProgramId, ProgramVersion,
    Count
};
}  // namespace field

struct AdifField {
    QString name;       // in capitals, as the standard names them
    field::Id id = field::Other;
    qsizetype at = 0, size = 0;     // the decoded value in its record's text
    qsizetype byteLength = 0;       // the bytes the value was read from
    qsizetype offset = -1;          // where they start in the file (ADI), -1 in ADX
};

// The values of a record are decoded one after the other into one text (one allocation per
// record, not per field): UTF-8 when the bytes are valid UTF-8, else Windows-1252.
struct AdifRecord {
    QList<AdifField> fields;
    QString text;
    QString problem;      // not empty: the record cannot be read (no CALL, a wrong length, cut)
    QStringList warnings; // read all the same, with a doubt the preview shows
    bool readable() const { return problem.isEmpty(); }
    QStringView valueOf(const AdifField &f) const { return QStringView(text).mid(f.at, f.size); }
    void add(QString name, QStringView value, qsizetype byteLength, qsizetype offset);
    // Empty again, keeping the room of its lists for the next record of the same file.
    void clear();
    // The value of the field `name` (capitals; the last one when given twice); empty when absent.
    QString value(QLatin1String name) const;
    bool has(QLatin1String name) const;
    // The value of a known field, without copying (the last one when given twice; null when absent).
    QStringView view(field::Id id) const;
    bool has(field::Id id) const;
};

struct AdifFile {
    AdifRecord header;         // fields before <eoh> (ADI) or in <HEADER> (ADX)
    QList<AdifRecord> records; // in file order, unreadable ones included (not kept when streamed)
    qsizetype recordCount = 0; // every record read, whether kept or not
    bool holdsQso = false;     // some record names a CALL: the file is an ADIF log at all
    // Not empty: the file as a whole is damaged ("fichier tronqué après le QSO n", bad XML);
    // the records before the damage are whole.
    QString problem;
};

// "fichier tronqué après le QSO n": the file ends inside record n + 1.
QString truncatedAfter(qsizetype wholeRecords);
// The problem of the record the end of the file cut, in French; the record holds its
// translation (context "AdifReader").
inline constexpr char CutRecord[] = QT_TRANSLATE_NOOP("AdifReader", "QSO incomplet (fichier tronqué)");

// Each record as it is read, with the header read before it.
using RecordSink = std::function<void(const AdifRecord &record, const AdifRecord &header)>;

// Reads ADI. Tags are <NAME:LEN> or <NAME:LEN:TYPE> in any case; anything between fields is
// skipped; the header runs to <eoh> when there is one. A length is checked against what
// follows the value: a value runs up to a tag, a blank or the end, and never holds <eor>.
AdifFile readAdi(const QByteArray &bytes, const RecordSink &each = {});
// Reads ADX through the XML reader; a comment may stand before the XML declaration.
AdifFile readAdx(const QByteArray &bytes, const RecordSink &each = {});
// ADX when the file begins (after blanks and XML comments) with an XML declaration or an
// <ADX> element.
bool looksLikeAdx(const QByteArray &bytes);
// Either form, UTF-16 included. With `each`, every record goes to it and none is kept.
AdifFile readAdif(const QByteArray &bytes, const RecordSink &each = {});

}  // namespace kastlog::adifimport
