// The log's history on a 9999-record log: a save with the history on against the same save
// without it (same day: the daily copy is already made, the precedent content is kept by the
// swap), the first save of a day (which also writes the day's copy), and an undo.
#include "bench/bench.h"
#include "bench/sample_log.h"
#include "logstore/clock.h"
#include "logstore/history.h"
#include "logstore/logstore.h"
#include "logstore/record.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
const QString Call = QStringLiteral("ON4HIS");
constexpr int Records = 9999;
constexpr int Runs = 31;

QByteArray readAll(const QString &path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void writeSynced(const QString &path, const QByteArray &bytes) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return;
    if (::write(fd, bytes.constData(), size_t(bytes.size())) != bytes.size()) std::perror("write");
    ::fsync(fd);
    ::close(fd);
}

void check(const kastlog::ChangeResult &w) {
    if (!w.ok) std::fprintf(stderr, "failed: %s: %s\n", qPrintable(w.fileName), qPrintable(w.reason));
    for (const kastlog::history::KeptProblem &k : kastlog::history::problems(w.history))
        std::fprintf(stderr, "history failed: %s: %s\n", qPrintable(k.fileName), qPrintable(k.reason));
}
}  // namespace

BENCH_CASE(105, "log history: a save on a 9999-record log with and without the history") {
    const QString dir = bench::scratchDir() + QStringLiteral("/history");
    QDir().mkpath(dir);
    const QString path = bench::writeRealisticLog(dir, Call, Records);
    const QByteArray original = readAll(path);
    const kastlog::SystemClock clock;
    const kastlog::LogStore plain(dir, Call, nullptr, {false, &clock});
    const kastlog::LogStore kept(dir, Call, nullptr, {true, &clock});
    auto restore = [&] { writeSynced(path, original); };

    kastlog::QsoFields q;
    q.call = QStringLiteral("F5NEW");
    q.province = QStringLiteral("NM");
    q.reference = QStringLiteral("NM047");
    q.date = QStringLiteral("09/12/26");
    q.time = QStringLiteral("14:05");
    q.mode = QStringLiteral("SSB");
    q.band = QStringLiteral("14 Mhz");
    q.rstReceived = q.rstSent = QStringLiteral("59");
    q.castleName = QStringLiteral("Chateau de Namur");
    const QString fresh = kastlog::formatRecord(q);

    // Interleaved medians, so that a busy disk weighs on both alike.
    const double off = bench::medianMs(Runs, [&] { check(plain.enregistreQso(fresh)); }, restore);
    check(kept.enregistreQso(fresh));  // the day's copy is made once
    const double on = bench::medianMs(Runs, [&] { check(kept.enregistreQso(fresh)); }, restore);
    const double off2 = bench::medianMs(Runs, [&] { check(plain.enregistreQso(fresh)); }, restore);
    const double without = (off + off2) / 2;
    bench::print(QStringLiteral("save without history"), without);
    bench::printRatio(QStringLiteral("save with history (same day)"), on, without);

    const QString today = QDir(kastlog::history::folderPath(dir))
                              .filePath(kastlog::history::dailyName(Call, QDate::currentDate()));
    bench::printRatio(QStringLiteral("first save of a day (with its daily copy)"),
                      bench::medianMs(Runs, [&] { check(kept.enregistreQso(fresh)); },
                                      [&] { restore(); QFile::remove(today); }),
                      without);
    bench::printRatio(QStringLiteral("undo (swap back)"), bench::medianMs(Runs, [&] { check(kept.undo()); }), without);
    restore();
}
