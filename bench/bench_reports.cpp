// The award reports on a log of 9999 records: ADIF export (against a plain copy of the log),
// scores, castle list and a call-sign search over the main list's display lines.
#include "bench/bench.h"
#include "bench/sample_log.h"
#include "logstore/logstore.h"
#include "logstore/record.h"
#include "reports/adif.h"
#include "reports/castlelist.h"
#include "reports/reportfiles.h"
#include "reports/scores.h"
#include "reports/search.h"

#include <QDir>

namespace {
const QString Call = QStringLiteral("ON4BENCH");
constexpr int Records = 9999;

QString reportsDir() {
    const QString dir = bench::scratchDir() + QStringLiteral("/reports");
    QDir().mkpath(dir);
    return dir;
}

// The log every case reads, written once.
QString logDir() {
    static const QString dir = [] {
        const QString d = reportsDir();
        bench::writeRealisticLog(d, Call, Records);
        return d;
    }();
    return dir;
}
}  // namespace

BENCH_CASE(300, "reports: ADIF export of 9999 records") {
    const QString dir = logDir();
    const QString logPath = QDir(dir).filePath(kastlog::files::logName(Call));
    bool ok = true;
    const bench::AgainstFloor e = bench::medianAgainstFloor(41, logPath, QDir(dir).filePath(QStringLiteral("copy.tmp")),
                                                            [&] { ok = kastlog::exporteAdif(dir, Call, Call).ok && ok; });
    bench::printRatio(ok ? QStringLiteral("adif export") : QStringLiteral("adif export FAILED"), e.ms, e.floorMs);
    const double alone = bench::copyFloorMs(logPath, QDir(dir).filePath(QStringLiteral("copy.tmp")));
    bench::printRatio(QStringLiteral("  the same against the floor measured alone"), e.ms, alone);

    // Where the time goes: the ADIF file is twice the log's size, and its replacement syncs the
    // file and the directory.
    QByteArray log, bytes;
    kastlog::readFileBytes(logPath, log);
    const double build = bench::medianMs(15, [&] { (void)kastlog::adif::fileBytes(Call, log, Call, bytes); });
    bench::printRatio(QStringLiteral("  of which building the file from the log's bytes"), build, e.floorMs);
    const double write = bench::medianMs(15, [&] {
        (void)kastlog::replaceFile(dir, kastlog::adif::fileName(Call), kastlog::files::Temporaire, bytes);
    });
    bench::printRatio(QStringLiteral("  of which replacing the file (%1 bytes)").arg(bytes.size()), write, e.floorMs);
}

BENCH_CASE(310, "reports: scores of 9999 records (log read included)") {
    const QString dir = logDir();
    int total = 0;
    const double ms = bench::medianMs(15, [&] {
        const kastlog::Scores s = kastlog::computeScores(kastlog::reports::readLog(dir, Call).lines);
        total = s.hf.contactes + s.vhf.contactes + s.uhf.contactes;
    });
    bench::print(QStringLiteral("scores (%1 QSOs in a group)").arg(total), ms);
}

BENCH_CASE(320, "reports: castle list of 9999 records (log read included)") {
    const QString dir = logDir();
    int rows = 0;
    const double ms = bench::medianMs(15, [&] {
        rows = kastlog::castlelist::build(kastlog::reports::readLog(dir, Call).lines, QStringLiteral("HF")).rows.size();
    });
    bench::print(QStringLiteral("castle list HF (%1 rows)").arg(rows), ms);
}

BENCH_CASE(330, "reports: call-sign search over 9999 display lines") {
    const QStringList lines = kastlog::reports::readLog(logDir(), Call).lines;
    QStringList display;
    for (int i = 0; i < lines.size(); ++i) display << kastlog::displayLine(lines[i], i + 1);
    int found = 0;
    const double ms = bench::medianMs(15, [&] {
        found = kastlog::search::rechercheQso(kastlog::search::Critere::Indicatif,
                                              kastlog::search::Boxes{QStringLiteral("ON4"), {}, {}}, display)
                    .rows.size();
    });
    bench::print(QStringLiteral("search ON4 (%1 found)").arg(found), ms);
}
