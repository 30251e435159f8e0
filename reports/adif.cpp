#include "reports/adif.h"

#include "logstore/instant.h"
#include "logstore/record.h"
#include "reports/notice.h"
#include "reports/reportfiles.h"

namespace kastlog {

namespace adif {

QString bandName(const QString &label) {
    static const struct { const char *label, *band; } table[] = {
        {"1.8 Mhz", "160m"}, {"3.5 Mhz", "80m"}, {"7.0 Mhz", "40m"}, {"10 Mhz", "30m"},
        {"14 Mhz", "20m"},   {"18 Mhz", "17m"},  {"21 Mhz", "15m"},  {"24 Mhz", "12m"},
        {"28 Mhz", "10m"},   {"50 Mhz", "6m"},   {"144 Mhz", "2m"},  {"432 Mhz", "70cm"},
    };
    for (const auto &row : table)
        if (label == QLatin1String(row.label)) return QString::fromLatin1(row.band);
    return {};
}

QString qsoDate(const QString &date) {
    QString year = date.mid(6, 2);
    const QString month = date.mid(3, 2), day = date.left(2);
    if (year.size() == 2 && year[0].isDigit() && year[1].isDigit() && year[0].unicode() < 128 &&
        year[1].unicode() < 128)
        year = QString::number(widenYear(year.toInt()));
    return year + month + day;
}

// Every character is one byte in Windows-1252, so the length in characters is the length in
// bytes written; a character the code page lacks makes the whole write fail instead.
QString field(const QString &name, const QString &value) {
    return QLatin1Char('<') + name + QLatin1Char(':') + QString::number(value.size()) +
           QLatin1Char('>') + value;
}

QStringList header(const QString &stationLabel) {
    return {QStringLiteral("Exportation du log de la station ") + stationLabel +
                QStringLiteral(" au format ADIF"),
            QString(), reports::Notice, QString(), QString(), QStringLiteral("<eoh>")};
}

QStringList fileLines(const QString &stationLabel, const QStringList &logLines) {
    QStringList out = header(stationLabel);
    out.reserve(out.size() + logLines.size());
    for (const QString &line : logLines) out << adifRecord(line);
    return out;
}

QString fileName(const QString &call) { return call + QStringLiteral("_DNJ.adi"); }

}  // namespace adif

QString adifRecord(const QString &line) {
    using namespace rec;
    const QString time = trimmedColumn(line, TimeCol, TimeWidth);
    const QString comment = trimmedColumn(line, RefCol, RefWidth) + QLatin1Char(' ') +
                            trimmedColumn(line, NameCol, NameWidth);
    QString out;
    out.reserve(200);
    out += adif::field(QStringLiteral("call"), trimmedColumn(line, CallCol, CallWidth));
    out += adif::field(QStringLiteral("name"), trimmedColumn(line, FirstNameCol, FirstNameWidth));
    out += adif::field(QStringLiteral("band"), adif::bandName(trimmedColumn(line, BandCol, BandWidth)));
    out += adif::field(QStringLiteral("mode"), trimmedColumn(line, ModeCol, ModeWidth));
    out += adif::field(QStringLiteral("qso_date"), adif::qsoDate(trimmedColumn(line, DateCol, DateWidth)));
    out += adif::field(QStringLiteral("time_on"), time.left(2) + time.right(2));
    out += adif::field(QStringLiteral("rst_rcvd"), trimmedColumn(line, RstRCol, RstRWidth));
    out += adif::field(QStringLiteral("rst_sent"), trimmedColumn(line, RstECol, RstEWidth));
    out += adif::field(QStringLiteral("comment"), comment);
    // The award fields other loggers read to track the castles.
    out += adif::field(QStringLiteral("sig"), QStringLiteral("DNJ"));
    out += adif::field(QStringLiteral("sig_info"), trimmedColumn(line, RefCol, RefWidth));
    out += QStringLiteral("<eor>");
    return out;
}

void ADIF_SP(const QString &poubelle, QString &ligneAdif) { ligneAdif = adifRecord(poubelle); }

AdifExport exporteAdif(const QString &dir, const QString &call, const QString &stationLabel,
                       const FaultInjector *faults) {
    const ReadResult log = reports::readLog(dir, call);
    if (!log.ok()) return {false, reports::readFailureMessage(dir, call, log)};

    const QString name = adif::fileName(call);
    const WriteResult w = reports::writeLines(dir, name, adif::fileLines(stationLabel, log.lines), faults);
    if (!w) return {false, reports::writeFailureMessage(dir, name, w)};
    return {true, QStringLiteral("Le fichier a été enregistré sous le nom : ") + stationLabel +
                      QStringLiteral("_DNJ.adi")};
}

}  // namespace kastlog
