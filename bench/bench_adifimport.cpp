// The ADIF import: a 10000-QSO file into a log of 9999 records. The reading alone, then the
// whole import (read, checks, merge, one rewrite of the log, the first names), against a
// plain copy of the log written. A LoTW report matched against the log; the peak memory of
// the preview and of the command line on a 50 MB file.
#include "bench/bench.h"
#include "bench/sample_log.h"
#include "logstore/logstore.h"
#include "logstore/record.h"
#include "logstore/textfile.h"
#include "reports/adif.h"
#include "reports/adifimport/importer.h"
#include "mainwindow/importdialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTableView>

#include <cstdio>

namespace {
const QString Call = QStringLiteral("ON4IMP");
}  // namespace

BENCH_CASE(350, "adif import: 10000 QSOs into 9999 records") {
    const QString dir = bench::scratchDir() + QStringLiteral("/import");
    QDir().mkpath(dir);
    const QString logPath = bench::writeRealisticLog(dir, Call, 9999);
    QFile in(logPath);
    in.open(QIODevice::ReadOnly);
    const QByteArray log = in.readAll();
    in.close();
    // Another station's log of 10000 QSOs, as the export writes it, each with its own castle
    // (the sample logs reuse a few castles, which the import would all refuse).
    QStringList other = bench::realisticRecords(10000, 7);
    static const char *const provinces[] = {"AN", "BR", "BW", "HT", "LB", "LG", "LU", "NM", "OV", "VB", "WV"};
    for (int i = 0; i < other.size(); ++i) {
        const QString ref = QLatin1String(provinces[i % 11]) + QStringLiteral("%1").arg(i / 11, 3, 10, QLatin1Char('0'));
        other[i].replace(kastlog::rec::ProvCol - 1, 2, ref.left(2));
        other[i].replace(kastlog::rec::RefCol - 1, 5, ref);
    }
    QByteArray adi;
    kastlog::joinLines(kastlog::adif::fileLines(QStringLiteral("F6IMP"), other, QStringLiteral("F6IMP")), adi);
    const QString adiPath = QDir(dir).filePath(QStringLiteral("in.adi"));
    QFile out(adiPath);
    out.open(QIODevice::WriteOnly);
    out.write(adi);
    out.close();

    int records = 0;
    const double read = bench::medianMs(15, [&] { records = int(kastlog::adifimport::readAdif(adi).records.size()); });
    bench::print(QStringLiteral("adif import: reading %1 QSOs (%2 bytes)").arg(records).arg(adi.size()), read);

    auto restore = [&] {
        QFile l(logPath);
        l.open(QIODevice::WriteOnly | QIODevice::Truncate);
        l.write(log);
        QFile::remove(QDir(dir).filePath(kastlog::files::ListePrenom));
    };
    int taken = 0;
    bool ok = true;
    const bench::AgainstFloor whole = bench::medianAgainstFloor(15, logPath, QDir(dir).filePath(QStringLiteral("copy.tmp")), [&] {
        const kastlog::adifimport::PreparedImport p = kastlog::adifimport::prepareImport(dir, Call, adiPath);
        taken = p.plan.taken;
        ok = ok && p.ok && kastlog::adifimport::writeImport(dir, Call, p.plan).error.isEmpty();
    }, restore);
    bench::printRatio(QStringLiteral("adif import: whole import, %1 taken%2").arg(taken).arg(ok ? "" : " FAILED"), whole.ms,
                      whole.floorMs);
}

namespace {
// A LoTW report ("Your QSOs > Download Report", lotwreport.adi) of `total` QSLs: one for each
// QSO of `log`, a few minutes off and in the service's own mode names, then QSLs of QSOs the
// log does not hold (a general log's). One field a line, as LoTW writes it.
QByteArray lotwReport(const QStringList &log, int total) {
    QByteArray out = "ARRL Logbook of the World Status Report\nGenerated at 2024-08-02 10:11:12\nfor on4imp\n"
                     "Query:\n    QSL ONLY: YES\n\n<PROGRAMID:4>LoTW\n<APP_LoTW_LASTQSL:19>2024-08-01 09:08:07\n\n"
                     "<APP_LoTW_NUMREC:5>" + QByteArray::number(total) + "\n\n<eoh>\n";
    auto field = [&](const char *name, const QString &value) {
        out += '<';
        out += name;
        out += ':' + QByteArray::number(value.size()) + '>' + value.toLatin1() + '\n';
    };
    for (int i = 0; i < total; ++i) {
        const QString &l = log[i % log.size()];
        const bool inLog = i < log.size();
        const QString date = kastlog::adif::qsoDate(kastlog::column(l, kastlog::rec::DateCol, kastlog::rec::DateWidth));
        const QString time = kastlog::column(l, kastlog::rec::TimeCol, kastlog::rec::TimeWidth);
        const int minute = (time.mid(3, 2).toInt() + (inLog ? 2 : 7)) % 60;  // the other's clock; or another QSO
        out += '\n';
        field("APP_LoTW_OWNCALL", QStringLiteral("ON4IMP"));
        field("STATION_CALLSIGN", QStringLiteral("ON4IMP"));
        field("CALL", inLog ? kastlog::trimmedColumn(l, kastlog::rec::CallCol, kastlog::rec::CallWidth)
                            : QStringLiteral("K%1XX").arg(i));
        field("BAND", kastlog::adif::bandName(kastlog::trimmedColumn(l, kastlog::rec::BandCol, kastlog::rec::BandWidth)).toUpper());
        field("MODE", kastlog::trimmedColumn(l, kastlog::rec::ModeCol, kastlog::rec::ModeWidth) == QLatin1String("SSB")
                          ? QStringLiteral("SSB") : QStringLiteral("CW"));
        field("APP_LoTW_MODEGROUP", QStringLiteral("PHONE"));
        field("QSO_DATE", date);
        field("TIME_ON", time.left(2) + QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0')) + QStringLiteral("00"));
        field("QSL_RCVD", QStringLiteral("Y"));
        field("QSLRDATE", QStringLiteral("20240801"));
        out += "<eor>\n";
    }
    return out;
}

// A general logger's export of `n` QSOs, every field a logger writes (about 320 bytes a QSO),
// the castle in the comment.
QByteArray generalLog(int n) {
    QByteArray out = "ADIF export\n<ADIF_VER:5>3.1.4\n<PROGRAMID:6>LOGGER\n<EOH>\n";
    out.reserve(qsizetype(n) * 330);
    static const char *const provinces[] = {"AN", "BR", "BW", "HT", "LB", "LG", "LU", "NM", "OV", "VB", "WV"};
    static const char *const bands[][2] = {{"80m", "3.650"}, {"40m", "7.090"}, {"20m", "14.285"}, {"2m", "145.500"}};
    const QStringList fields = bench::realisticRecords(n, 11);
    for (int i = 0; i < n; ++i) {
        const QString &r = fields[i];
        const auto *band = bands[i % 4];
        const QString date = kastlog::adif::qsoDate(kastlog::column(r, kastlog::rec::DateCol, kastlog::rec::DateWidth));
        const QString time = kastlog::column(r, kastlog::rec::TimeCol, kastlog::rec::TimeWidth).remove(u':') + QStringLiteral("00");
        const QString comment = QStringLiteral("DNJ %1%2 Chateau de test").arg(QLatin1String(provinces[i % 11])).arg(i % 1000, 3, 10, QLatin1Char('0'));
        auto f = [&](const char *name, const QString &v) {
            out += '<';
            out += name;
            out += ':' + QByteArray::number(v.toUtf8().size()) + '>' + v.toUtf8() + ' ';
        };
        f("CALL", kastlog::trimmedColumn(r, kastlog::rec::CallCol, kastlog::rec::CallWidth));
        f("QSO_DATE", date);
        f("TIME_ON", time);
        f("QSO_DATE_OFF", date);
        f("TIME_OFF", time);
        f("BAND", QLatin1String(band[0]));
        f("FREQ", QLatin1String(band[1]));
        f("MODE", kastlog::trimmedColumn(r, kastlog::rec::ModeCol, kastlog::rec::ModeWidth));
        f("RST_SENT", QStringLiteral("59"));
        f("RST_RCVD", QStringLiteral("57"));
        f("NAME", kastlog::trimmedColumn(r, kastlog::rec::FirstNameCol, kastlog::rec::FirstNameWidth));
        f("QTH", QStringLiteral("Namur"));
        f("GRIDSQUARE", QStringLiteral("JO20ok"));
        f("DXCC", QStringLiteral("209"));
        f("COUNTRY", QStringLiteral("Belgium"));
        f("TX_PWR", QStringLiteral("100"));
        f("STATION_CALLSIGN", QStringLiteral("ON4IMP"));
        f("OPERATOR", QStringLiteral("ON4IMP"));
        f("COMMENT", comment);
        out += "<EOR>\n";
    }
    return out;
}

const QString MemoryStation = QStringLiteral("ON4MEM");

// The preview as the window shows it: the plan, the dialog shown, its last rows drawn.
bench::ChildRegistrar previewChild("adif-preview", [](const QStringList &args) {
    const kastlog::adifimport::PreparedImport p = kastlog::adifimport::prepareImport(args.value(0), MemoryStation, args.value(1));
    if (!p.ok) return 1;
    kastlog::ImportDialog preview(p.plan);
    preview.show();
    QCoreApplication::processEvents();
    preview.table()->scrollToBottom();
    QCoreApplication::processEvents();
    return 0;
});
}  // namespace

BENCH_CASE(351, "adif import: LoTW report against 9999 QSOs, read and matched") {
    const QString dir = bench::scratchDir() + QStringLiteral("/lotw");
    QDir().mkpath(dir);
    bench::writeRealisticLog(dir, Call, 9999);
    const QStringList log = bench::realisticRecords(9999, 7);
    const QByteArray report = lotwReport(log, 14608);
    const QString path = QDir(dir).filePath(QStringLiteral("lotwreport.adi"));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(report);
    out.close();
    kastlog::adifimport::ImportPlan plan;
    const double ms = bench::medianMs(15, [&] { plan = kastlog::adifimport::prepareImport(dir, Call, path).plan; });
    bench::print(QStringLiteral("adif import: LoTW report of %1 QSLs (%2 bytes) against 9999 QSOs, %3 confirmed, %4 already")
                     .arg(plan.lines.size()).arg(report.size()).arg(plan.confirmed).arg(plan.alreadyInLog),
                 ms);
}

// Peak memory of the preview and of the command line on a 50 MB file, in their own processes,
// against the file's size.
BENCH_CASE(352, "adif import: memory of a 50 MB file") {
    const QString dir = bench::scratchDir() + QStringLiteral("/memory");
    const QString data = dir + QStringLiteral("/data/DNJ/KASTLOG");
    QDir().mkpath(data);
    QFile(QDir(data).filePath(kastlog::files::logName(MemoryStation))).open(QIODevice::WriteOnly);
    const QByteArray adi = generalLog(161006);
    const QString path = QDir(dir).filePath(QStringLiteral("big.adi"));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(adi);
    out.close();
    const double mb = adi.size() / 1e6;
    auto report = [&](const char *what, qint64 peak, int code) {
        std::printf("adif import: %s, %d QSOs, %.1f MB file: peak %.0f MB, %.2f times the file%s\n", what, 161006, mb,
                    peak / 1e6, peak / double(adi.size()), code == 0 ? "" : " FAILED");
        std::fflush(stdout);
    };
    int code = -1;
    const qint64 preview = bench::peakMemory(bench::selfPath(), {QStringLiteral("--child"), QStringLiteral("adif-preview"), data, path},
                                             {QStringLiteral("QT_QPA_PLATFORM=offscreen")}, &code);
    report("preview", preview, code);
#ifdef KASTLOG_PROGRAM
    const QString log = QDir(data).filePath(kastlog::files::logName(MemoryStation));
    const qint64 line = bench::peakMemory(QStringLiteral(KASTLOG_PROGRAM),
                                          {QStringLiteral("--import-adif"), path, QStringLiteral("--station"), MemoryStation},
                                          {QStringLiteral("XDG_DATA_HOME=") + dir + QStringLiteral("/data"),
                                           QStringLiteral("XDG_CONFIG_HOME=") + dir + QStringLiteral("/config")},
                                          &code);
    report("command line", line, code);
    QFile::remove(log);
#endif
}
