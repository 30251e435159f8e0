#include "reports/adif.h"

#include "logstore/bands.h"
#include "logstore/cp1252.h"
#include "logstore/logstore.h"
#include "reports/adifrecord.h"
#include "reports/notice.h"
#include "reports/reportfiles.h"
#include "settings/stationcall.h"

#include <QCoreApplication>
#include <QDir>

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
    char16_t out[8];
    const qsizetype n = writeQsoDate(date, out) - out;
    return QString(reinterpret_cast<const QChar *>(out), n);
}

// File content: French whatever the language shown.
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

bool encodeHead(const QString &stationLabel, const QString &stationShown, QByteArray &head, QByteArray &station) {
    return joinLines(header(stationLabel), head) && cp1252::encode(stationShown, station);
}

void writeRecords(QByteArrayView log, QByteArrayView station, const ContentWriter &write) {
    // A chunk at a time, in a buffer that stays in the cache, not a second copy of the file.
    constexpr qsizetype Chunk = 64 * 1024;
    QByteArray chunk(Chunk + recordBound(station.size()) + 2, Qt::Uninitialized);
    char *const begin = chunk.data();
    char *d = begin;
    bool ok = true;
    forEachLine(log, [&](const char *line, qsizetype size) {
        if (!ok) return;
        d = writeRecord(QByteArrayView(line, size), station, d);
        *d++ = '\r';
        *d++ = '\n';
        if (d - begin < Chunk) return;
        ok = write(QByteArrayView(begin, d - begin));
        d = begin;
    });
    if (ok && d > begin) write(QByteArrayView(begin, d - begin));
}

bool fileBytes(const QString &stationLabel, const QByteArray &log, const QString &stationShown, QByteArray &out) {
    QByteArray station;
    if (!encodeHead(stationLabel, stationShown, out, station)) return false;
    writeRecords(log, station, [&out](QByteArrayView piece) {
        out.append(piece);
        return true;
    });
    return true;
}

QString fileName(const QString &call) { return call + QStringLiteral("_DNJ.adi"); }

}  // namespace adif

QString adifRecord(const QString &line) { return adifRecord(line, QString()); }

QString adifRecord(const QString &line, const QString &stationShown) {
    QString out(adif::recordBound(stationShown.size()), Qt::Uninitialized);
    char16_t *const begin = reinterpret_cast<char16_t *>(out.data());
    const char16_t *end = adif::writeRecord(line, stationShown, begin);
    out.truncate(end - begin);
    return out;
}

void ADIF_SP(const QString &poubelle, QString &ligneAdif) { ligneAdif = adifRecord(poubelle); }

AdifExport exporteAdif(const QString &dir, const QString &call, const QString &stationLabel,
                       const FaultInjector *faults) {
    // Written from the log's bytes: a record's columns are its bytes, one per character.
    QByteArray log;
    if (const ReadResult r = readFileBytes(QDir(dir).filePath(files::logName(call)), log); !r.ok())
        return {false, reports::readFailureMessage(dir, call, r)};

    const QString name = adif::fileName(call);
    const QString shown = station::displayed(call);
    QByteArray head, station;
    WriteResult w;
    if (!adif::encodeHead(stationLabel, shown, head, station)) {
        w.ok = false;
        w.fileName = QDir(dir).filePath(name);
        w.reason = reports::unwritableReason(adif::header(stationLabel) << shown);
    } else {
        w = replaceFileFrom(dir, name, files::Temporaire, [&](const ContentWriter &write) {
            if (write(head)) adif::writeRecords(log, station, write);
        }, faults);
    }
    if (!w) return {false, reports::writeFailureMessage(dir, name, w)};
    return {true, QCoreApplication::translate("AdifExport", "Le fichier a été enregistré sous le nom : %1")
                      .arg(stationLabel + QStringLiteral("_DNJ.adi"))};
}

}  // namespace kastlog
