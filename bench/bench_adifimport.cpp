// The ADIF import: a 10000-QSO file into a log of 9999 records. The reading alone, then the
// whole import (read, checks, merge, one rewrite of the log, the first names), against a
// plain copy of the log written.
#include "bench/bench.h"
#include "bench/sample_log.h"
#include "logstore/logstore.h"
#include "logstore/record.h"
#include "logstore/textfile.h"
#include "reports/adif.h"
#include "reports/adifimport/importer.h"

#include <QDir>
#include <QFile>

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
