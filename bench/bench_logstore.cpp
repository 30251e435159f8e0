// The log store on a realistic log of 9999 records: loading, the four rewrites against a
// plain copy with fsync, a first-name save into a memory of 5000 names, the duplicate search.
#include "bench/bench.h"
#include "bench/sample_log.h"
#include "logstore/bandgroup.h"
#include "logstore/logstore.h"
#include "logstore/prenoms.h"
#include "logstore/record.h"

#include <QDir>
#include <QFile>

namespace {
const QString Call = QStringLiteral("ON4LOG");
}

BENCH_CASE(100, "log store, 9999 records") {
    const QString dir = bench::scratchDir() + QStringLiteral("/logstore");
    QDir().mkpath(dir);
    const QString path = bench::writeRealisticLog(dir, Call, 9999);
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QByteArray original = f.readAll();
    f.close();
    auto restore = [&] {
        QFile w(path);
        w.open(QIODevice::WriteOnly | QIODevice::Truncate);
        w.write(original);
    };
    const kastlog::LogStore store(dir, Call);
    const double floor = bench::copyFloorMs(path, dir + QStringLiteral("/copy.txt"));
    bench::print(QStringLiteral("floor: copy of the log with fsync"), floor);
    bench::print(QStringLiteral("load into display lines"), bench::medianMs(21, [&] { store.load(); }));

    const QStringList records = bench::realisticRecords(9999);
    const QString fresh = bench::realisticRecords(1, 99).first();
    const QString some = records.at(5000);
    bench::printRatio(QStringLiteral("Enregistre_QSO"), bench::medianMs(15, [&] { store.enregistreQso(fresh); }, restore), floor);
    bench::printRatio(QStringLiteral("Insere_QSO"), bench::medianMs(15, [&] { store.insereQso(fresh); }, restore), floor);
    bench::printRatio(QStringLiteral("Modifie_QSO"), bench::medianMs(15, [&] { store.modifieQso(fresh, some); }, restore), floor);
    bench::printRatio(QStringLiteral("Supprime_QSO"), bench::medianMs(15, [&] { store.supprimeQso(some); }, restore), floor);

    QStringList names;
    for (int i = 0; i < 5000; ++i) names << QStringLiteral("ON%1").arg(i, 5, 10, QLatin1Char('0')).leftJustified(12) + QStringLiteral("    NOM");
    QByteArray memory;
    kastlog::joinLines(names, memory);
    {
        QFile m(QDir(dir).filePath(kastlog::files::ListePrenom));
        m.open(QIODevice::WriteOnly | QIODevice::Truncate);
        m.write(memory);
    }
    bench::print(QStringLiteral("first-name save, 5000 names"),
                 bench::medianMs(15, [&] { kastlog::enregistrePrenom(dir, QStringLiteral("ON02500      NM PAUL")); }));
    bench::print(QStringLiteral("duplicate search (read + scan)"), bench::medianMs(21, [&] {
        const kastlog::ReadResult r = kastlog::readTextFile(path);
        kastlog::rechercheChateauContacte(r.lines, QStringLiteral("ZZ999"), kastlog::BandGroup::HF);
    }));
}
