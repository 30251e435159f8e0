#include "reports/adif.h"

#include "logstore/bands.h"
#include "logstore/instant.h"
#include "logstore/record.h"
#include "reports/notice.h"
#include "reports/reportfiles.h"
#include "settings/stationcall.h"

#include <initializer_list>

namespace kastlog {

namespace adif {

QString bandName(const QString &label) { return bandName(QStringView(label)); }

QString bandName(QStringView label) {
    for (const BandRow &row : Bands)
        if (label == QLatin1String(row.label)) return QString::fromLatin1(row.adif);
    return {};
}

QString bandLabel(QStringView adifBand) {
    for (const BandRow &row : Bands) {
        const QLatin1String name(row.adif);
        if (adifBand.size() == name.size() && adifBand.compare(name, Qt::CaseInsensitive) == 0) return labelOf(row);
    }
    return {};
}

QString qsoDate(const QString &date) { return qsoDate(QStringView(date)); }

QString qsoDate(QStringView date) {
    const QStringView year = date.mid(6, 2), month = date.mid(3, 2), day = date.left(2);
    auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    QString out;
    out.reserve(8);
    if (year.size() == 2 && digit(year[0]) && digit(year[1])) {
        const int y = widenYear((year[0].unicode() - '0') * 10 + (year[1].unicode() - '0'));
        out += QLatin1Char(char('0' + y / 1000));
        out += QLatin1Char(char('0' + y / 100 % 10));
        out += year;
    } else {
        out += year;
    }
    out += month;
    out += day;
    return out;
}

QStringList header(const QString &stationLabel) {
    return {QStringLiteral("Exportation du log de la station ") + stationLabel +
                QStringLiteral(" au format ADIF"),
            QString(), reports::Notice, QString(), QString(), programLine(), QStringLiteral("<eoh>")};
}

QString programLine() {
    const QString version = QStringLiteral(KASTLOG_VERSION);
    return QStringLiteral("<adif_ver:5>3.1.4<programid:7>KASTLOG<programversion:%1>%2").arg(version.size()).arg(version);
}

QStringList fileLines(const QString &stationLabel, const QStringList &logLines, const QString &stationShown) {
    QStringList out = header(stationLabel);
    out.reserve(out.size() + logLines.size());
    for (const QString &line : logLines) out << adifRecord(line, stationShown);
    return out;
}

QString fileName(const QString &call) { return call + QStringLiteral("_DNJ.adi"); }

}  // namespace adif

namespace {
// Column `col` (1-based) of `width` characters, trimmed, without copying.
QStringView trimmedView(const QString &line, int col, int width) {
    return QStringView(line).mid(col - 1, width).trimmed();
}

// Appends "<name:" + length + ">" + value in place; the export builds 10000 of these lines.
// Every character is one byte in Windows-1252, so the length in characters is the length in
// bytes written; a character the code page lacks makes the whole write fail instead.
// The value may come in parts, written one after the other.
void appendField(QString &out, QLatin1StringView name, std::initializer_list<QStringView> value) {
    out += QLatin1Char('<');
    out += name;
    out += QLatin1Char(':');
    char digits[12];
    int n = 0;
    qsizetype v = 0;
    for (QStringView part : value) v += part.size();
    do {
        digits[n++] = char('0' + v % 10);
        v /= 10;
    } while (v > 0);
    while (n > 0) out += QLatin1Char(digits[--n]);
    out += QLatin1Char('>');
    for (QStringView part : value) out += part;
}
}  // namespace

QString adifRecord(const QString &line) { return adifRecord(line, QString()); }

QString adifRecord(const QString &line, const QString &stationShown) {
    using namespace rec;
    const QStringView ref = trimmedView(line, RefCol, RefWidth);
    const QStringView time = trimmedView(line, TimeCol, TimeWidth);
    QString out;
    out.reserve(240);
    const QString band = adif::bandName(trimmedView(line, BandCol, BandWidth));
    const QString date = adif::qsoDate(trimmedView(line, DateCol, DateWidth));
    appendField(out, QLatin1StringView("call"), {trimmedView(line, CallCol, CallWidth)});
    appendField(out, QLatin1StringView("name"), {trimmedView(line, FirstNameCol, FirstNameWidth)});
    appendField(out, QLatin1StringView("band"), {band});
    appendField(out, QLatin1StringView("mode"), {trimmedView(line, ModeCol, ModeWidth)});
    appendField(out, QLatin1StringView("qso_date"), {date});
    appendField(out, QLatin1StringView("time_on"), {time.left(2), time.right(2)});
    appendField(out, QLatin1StringView("rst_rcvd"), {trimmedView(line, RstRCol, RstRWidth)});
    appendField(out, QLatin1StringView("rst_sent"), {trimmedView(line, RstECol, RstEWidth)});
    appendField(out, QLatin1StringView("comment"), {ref, u" ", trimmedView(line, NameCol, NameWidth)});
    if (QStringView(line).mid(QslCol - 1, 1) == u"*") appendField(out, QLatin1StringView("qsl_rcvd"), {u"Y"});
    // The award fields other loggers read to track the castles.
    appendField(out, QLatin1StringView("sig"), {u"DNJ"});
    appendField(out, QLatin1StringView("sig_info"), {ref});
    // So that a general logger does not ask which station made each QSO.
    if (!stationShown.isEmpty()) appendField(out, QLatin1StringView("station_callsign"), {stationShown});
    out += QLatin1StringView("<eor>");
    return out;
}

void ADIF_SP(const QString &poubelle, QString &ligneAdif) { ligneAdif = adifRecord(poubelle); }

AdifExport exporteAdif(const QString &dir, const QString &call, const QString &stationLabel,
                       const FaultInjector *faults) {
    const ReadResult log = reports::readLog(dir, call);
    if (!log.ok()) return {false, reports::readFailureMessage(dir, call, log)};

    const QString name = adif::fileName(call);
    const WriteResult w = reports::writeLines(dir, name, adif::fileLines(stationLabel, log.lines, station::displayed(call)), faults);
    if (!w) return {false, reports::writeFailureMessage(dir, name, w)};
    return {true, QStringLiteral("Le fichier a été enregistré sous le nom : ") + stationLabel +
                      QStringLiteral("_DNJ.adi")};
}

}  // namespace kastlog
