// The log store on a realistic log of 9999 records: loading, the four rewrites (each with
// its fsyncs) against the floor of a plain copy with fsync, a first-name save into a memory
// of 5000 names, and the duplicate search over the log.
#include "bench/bench.h"
#include "bench/sample_log.h"
#include "logstore/bandgroup.h"
#include "logstore/logstore.h"
#include "logstore/prenoms.h"
#include "logstore/record.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
const QString Call = QStringLiteral("ON4LOG");
constexpr int Records = 9999;
constexpr int Runs = 21;

QString benchDir(const char *name) {
    const QString dir = bench::scratchDir() + QLatin1Char('/') + QLatin1String(name);
    QDir().mkpath(dir);
    return dir;
}

QByteArray readAll(const QString &path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// Puts the file back as it was, synced, so that no dirty data is left for a timed step.
void writeSynced(const QString &path, const QByteArray &bytes) {
    const QByteArray p = QFile::encodeName(path);
    const int fd = ::open(p.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return;
    if (::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size()) std::perror("write");
    ::fsync(fd);
    ::close(fd);
}

void check(const kastlog::WriteResult &w) {
    if (!w.ok) std::fprintf(stderr, "failed: %s: %s\n", qPrintable(w.fileName), qPrintable(w.reason));
}
}  // namespace

BENCH_CASE(100, "log store: loading and the four rewrites of a 9999-record log") {
    const QString dir = benchDir("logstore");
    const QString path = bench::writeRealisticLog(dir, Call, Records);
    const QByteArray original = readAll(path);
    const QStringList lines = kastlog::splitLines(original);
    const kastlog::LogStore store(dir, Call);
    auto restore = [&] { writeSynced(path, original); };

    const double floor = bench::copyFloorMs(path, dir + QStringLiteral("/copy.txt"), Runs);
    bench::print(QStringLiteral("floor (copy of the log with fsync)"), floor);

    int shown = 0;
    bench::print(QStringLiteral("load for the list"),
                 bench::medianMs(Runs, [&] { shown = int(store.load().shown()); }));
    if (shown != Records) std::fprintf(stderr, "loaded %d lines, expected %d\n", shown, Records);

    // A new QSO with a call sign beginning with a letter and a date in the middle of the log.
    kastlog::QsoFields q;
    q.call = QStringLiteral("F5NEW");
    q.province = QStringLiteral("NM");
    q.reference = QStringLiteral("NM047");
    q.date = lines.at(Records / 2).mid(kastlog::rec::DateCol - 1, kastlog::rec::DateWidth);
    q.time = lines.at(Records / 2).mid(kastlog::rec::TimeCol - 1, kastlog::rec::TimeWidth);
    q.mode = QStringLiteral("SSB");
    q.band = QStringLiteral("14 Mhz");
    q.rstReceived = q.rstSent = QStringLiteral("59");
    q.castleName = QStringLiteral("Chateau de Namur");
    const QString fresh = kastlog::formatRecord(q);
    const QString middle = lines.at(Records / 2);

    bench::printRatio(QStringLiteral("Enregistre_QSO"),
                      bench::medianMs(Runs, [&] { check(store.enregistreQso(fresh)); }, restore), floor);
    bench::printRatio(QStringLiteral("Insere_QSO"),
                      bench::medianMs(Runs, [&] { check(store.insereQso(fresh)); }, restore), floor);
    bench::printRatio(QStringLiteral("Modifie_QSO"),
                      bench::medianMs(Runs, [&] { check(store.modifieQso(fresh, middle)); }, restore), floor);
    bench::printRatio(QStringLiteral("Supprime_QSO"),
                      bench::medianMs(Runs, [&] { check(store.supprimeQso(middle)); }, restore), floor);
    restore();
}

BENCH_CASE(110, "log store: first-name save into a memory of 5000 names") {
    const QString dir = benchDir("prenoms");
    const QStringList records = bench::realisticRecords(5000, 3);
    QStringList memory;
    QSet<QString> seen;
    for (int i = 0; memory.size() < 5000; ++i) {
        // Distinct call signs; the generated ones repeat now and then.
        QString call = i < records.size() ? records.at(i).left(12).trimmed() : QStringLiteral("ON%1").arg(i);
        if (seen.contains(call)) call = QStringLiteral("OT%1").arg(i);
        seen.insert(call);
        memory << call.leftJustified(12, QLatin1Char(' ')) + QStringLiteral("    ") +
                      records.at(i % records.size()).mid(kastlog::rec::FirstNameCol - 1, kastlog::rec::FirstNameWidth).trimmed();
    }
    QByteArray bytes;
    kastlog::joinLines(memory, bytes);
    writeSynced(QDir(dir).filePath(kastlog::files::ListePrenom), bytes);
    // A known call sign in the middle of the memory gets a new name (replaced in place).
    const QString key = memory.at(2500).left(12) + QStringLiteral(" NM PAUL");
    bench::print(QStringLiteral("first-name save (5000 names)"),
                 bench::medianMs(Runs, [&] { check(kastlog::enregistrePrenom(dir, key)); }));
}

BENCH_CASE(120, "log store: duplicate search over a 9999-record log") {
    const QString dir = benchDir("search");
    const QString path = bench::writeRealisticLog(dir, Call, Records);
    // A castle the log does not hold: the whole file is read and every line looked at.
    bool found = true;
    bench::print(QStringLiteral("duplicate search (read + scan, not found)"), bench::medianMs(Runs, [&] {
                     const kastlog::ReadResult r = kastlog::readTextFile(path);
                     found = kastlog::rechercheChateauContacte(r.lines, QStringLiteral("ZZ999"),
                                                               kastlog::bandGroup(QStringLiteral("14 Mhz")))
                                 .found;
                 }));
    if (found) std::fprintf(stderr, "the search found a castle that is not in the log\n");
}
