// Any log line: its ADIF record reads back field by field by the lengths it declares (a
// value may hold '<' or ':'), with the fields in their order, each holding the trimmed
// columns of the line (the mode as the ADIF mode and submode of its form), the QSL mark as qsl_rcvd, and ends with <eor>. The whole export has one
// record per line, each naming the station last.
#include "fuzz/check.h"
#include "logstore/cp1252.h"
#include "logstore/instant.h"
#include "logstore/modes.h"
#include "logstore/record.h"
#include "logstore/textfile.h"
#include "reports/adif.h"

using namespace kastlog;
using namespace kastlog::fuzz;

namespace {
struct Field {
    QString name, value;
};

// Reads "<name:length>value" fields up to "<eor>"; stops the run on anything else.
QList<Field> readRecord(const QString &rec) {
    QList<Field> fields;
    qsizetype i = 0;
    while (true) {
        check(i < rec.size() && rec.at(i) == QLatin1Char('<'), "a field starts with <", rec);
        if (QStringView(rec).mid(i) == QLatin1String("<eor>")) return fields;
        const qsizetype colon = rec.indexOf(QLatin1Char(':'), i);
        const qsizetype close = rec.indexOf(QLatin1Char('>'), i);
        check(colon > i && close > colon, "a field has <name:length>", rec);
        bool ok = false;
        const qsizetype len = rec.mid(colon + 1, close - colon - 1).toLongLong(&ok);
        check(ok && len >= 0 && close + 1 + len <= rec.size(), "a field's length fits the record", rec);
        fields.append({rec.mid(i + 1, colon - i - 1), rec.mid(close + 1, len)});
        i = close + 1 + len;
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray b = bytes(data, size);
    const QStringList lines = splitLines(b);
    const QString line = lines.value(0);

    const QString rec = adifRecord(line);
    QString viaProcedure;
    ADIF_SP(line, viaProcedure);
    check(viaProcedure == rec, "ADIF_SP gives the same record", line);

    QList<Field> f = readRecord(rec);
    // A form of the mode table is written as its ADIF mode, and its submode right after it.
    const QString mode = trimmedColumn(line, rec::ModeCol, rec::ModeWidth);
    const modes::AdifNames *adifMode = modes::adifNames(mode);
    if (adifMode && !adifMode->submode.isEmpty()) {
        check(f.size() > 4 && f[4].name == QLatin1String("submode") && f[4].value == adifMode->submode, "submode", rec);
        f.removeAt(4);
    }
    // A line with the QSL mark says so before the award fields, and only such a line.
    const bool qsl = QStringView(line).mid(rec::QslCol - 1, 1) == u"*";
    const bool hasQsl = f.size() > 9 && f[9].name == QLatin1String("qsl_rcvd");
    check(qsl == hasQsl && (!hasQsl || f[9].value == QLatin1String("Y")), "qsl_rcvd Y for the QSL mark only", rec);
    if (hasQsl) f.removeAt(9);
    const QStringList names = {QStringLiteral("call"),    QStringLiteral("name"),     QStringLiteral("band"),
                               QStringLiteral("mode"),    QStringLiteral("qso_date"), QStringLiteral("time_on"),
                               QStringLiteral("rst_rcvd"), QStringLiteral("rst_sent"), QStringLiteral("comment"),
                               QStringLiteral("sig"),     QStringLiteral("sig_info")};
    check(f.size() == names.size(), "every field is written", rec);
    for (qsizetype i = 0; i < f.size(); ++i) check(f[i].name == names[i], "fields in their order", rec);

    auto col = [&](int c, int w) { return trimmedColumn(line, c, w); };
    check(f[0].value == col(rec::CallCol, rec::CallWidth), "call", rec);
    check(f[1].value == col(rec::FirstNameCol, rec::FirstNameWidth), "first name", rec);
    check(f[2].value == adif::bandName(col(rec::BandCol, rec::BandWidth)), "band", rec);
    check(f[3].value == (adifMode ? QString(adifMode->mode) : mode), "mode", rec);
    const QString time = col(rec::TimeCol, rec::TimeWidth);
    check(f[5].value == time.left(2) + time.right(2), "time without its colon", rec);
    check(f[6].value == col(rec::RstRCol, rec::RstRWidth) && f[7].value == col(rec::RstECol, rec::RstEWidth), "reports", rec);
    const QString ref = col(rec::RefCol, rec::RefWidth);
    check(f[8].value == ref + QLatin1Char(' ') + col(rec::NameCol, rec::NameWidth), "comment", rec);
    check(f[9].value == QLatin1String("DNJ") && f[10].value == ref, "award fields", rec);

    // A readable date becomes AAAAMMJJ with its century.
    const QString date = col(rec::DateCol, rec::DateWidth);
    if (date.size() == 8 && date.at(6).isDigit() && date.at(7).isDigit() && date.at(6).unicode() < 128 && date.at(7).unicode() < 128) {
        const QString expected = QString::number(widenYear(date.mid(6, 2).toInt())) + date.mid(3, 2) + date.left(2);
        check(f[4].value == expected, "date with its century", rec);
    }

    // Lengths are in bytes once written: every character of a decoded line is one byte.
    QByteArray encoded;
    check(cp1252::encode(rec, encoded) && encoded.size() == rec.size(), "the record encodes one byte per character", rec);

    const QStringList file = adif::fileLines(QStringLiteral("F6ABC"), lines, QStringLiteral("ON4/F6ABC"));
    // The export writes the same file from the bytes, trimming them as the decoded text is.
    QByteArray fromText, fromBytes;
    check(joinLines(file, fromText) && adif::fileBytes(QStringLiteral("F6ABC"), b, QStringLiteral("ON4/F6ABC"), fromBytes) &&
              fromBytes == fromText,
          "the file from the bytes is the file from the text", line);
    check(file.size() == adif::header(QStringLiteral("F6ABC")).size() + lines.size(), "one record per log line", line);
    // Each record of the file is the record of its line naming the station last.
    if (!lines.isEmpty())
        check(file.at(file.size() - lines.size()) == rec.chopped(5) + QStringLiteral("<station_callsign:9>ON4/F6ABC<eor>"),
              "the station named last", rec);
    return 0;
}
