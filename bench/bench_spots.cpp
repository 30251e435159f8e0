// The DX cluster spots: parsing node lines, and the window "Spots DX" holding 500 spots
// marked again after a save has rewritten a log of 9999 records.
#include "bench/bench.h"
#include "bench/sample_log.h"
#include "logstore/record.h"
#include "logstore/textfile.h"
#include "settings/settings.h"
#include "spots/spotline.h"
#include "spots/spotswindow.h"

#include <QApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTableView>
#include <algorithm>
#include <ctime>

namespace {

// Spot lines as a busy node sends them: a third name a castle, some are off the bands.
QStringList spotLines(int n) {
    static const char *const freqs[] = {"1840.0", "3760.5", "7012.0", "10120.0", "14025.5", "18100.0", "21300.0",
                                        "24940.0", "28450.0", "50150.0", "144300.0", "432200.0", "5357.0"};
    static const char *const provinces[] = {"AN", "BR", "BW", "HT", "LB", "LG", "LU", "NM", "OV", "VB", "WV"};
    QRandomGenerator rng(7);
    QStringList lines;
    for (int i = 0; i < n; ++i) {
        const QString comment = i % 3 == 0 ? QStringLiteral("DNJ %1%2 castle").arg(QLatin1String(provinces[rng.bounded(11)]))
                                                 .arg(rng.bounded(1000), 3, 10, QLatin1Char('0'))
                                           : QStringLiteral("cq cq up 2 tnx qso");
        lines << QStringLiteral("DX de ON%1XX:%2 ON%3AB%4 %5 %6%7Z JO20")
                     .arg(rng.bounded(10))
                     .arg(QLatin1String(freqs[rng.bounded(13)]), 12)
                     .arg(rng.bounded(10))
                     .arg(i % 100, -8)
                     .arg(comment, -30)
                     .arg(rng.bounded(24), 2, 10, QLatin1Char('0'))
                     .arg(rng.bounded(60), 2, 10, QLatin1Char('0'));
    }
    return lines;
}

// Median processor time of the thread over `runs` calls, in ms: on a shared machine the wall
// time also counts the other programs' turns.
double medianCpuMs(int runs, const std::function<void()> &timed) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        timespec a{}, b{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &a);
        timed();
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &b);
        ms.push_back((b.tv_sec - a.tv_sec) * 1e3 + (b.tv_nsec - a.tv_nsec) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

}  // namespace

BENCH_CASE(700, "spots: parsing 100 000 node lines") {
    const QStringList lines = spotLines(100000);
    int castles = 0;
    const auto parse = [&] {
        castles = 0;
        for (const QString &l : lines) {
            if (kastlog::spots::parseCastleSpot(l)) ++castles;
        }
    };
    bench::print(QStringLiteral("castle spots of 100000 node lines (%1 kept)").arg(castles), bench::medianMs(11, parse));
    bench::print(QStringLiteral("  processor time"), medianCpuMs(11, parse));
    // Every spot line taken apart, castle or not.
    const double all = bench::medianMs(11, [&] {
        for (const QString &l : lines) (void)kastlog::spots::parseSpotLine(l);
    });
    bench::print(QStringLiteral("  every field of the 100000 lines"), all);
}

BENCH_CASE(710, "spots: window with 500 spots refreshed after a save") {
    const QString dir = bench::scratchDir() + QStringLiteral("/spots");
    QDir().mkpath(dir);
    const QString log = bench::writeRealisticLog(dir, QStringLiteral("ON4BENCH"), 9999);
    kastlog::Settings settings(dir + QStringLiteral("/settings.ini"));
    kastlog::spots::SpotsWindow w(settings, QStringLiteral("ON4BENCH"), [log] { return kastlog::readTextFile(log).lines; });
    const QStringList lines = spotLines(3000);
    for (const QString &l : lines) w.addLine(l);
    auto *table = w.findChild<QTableView *>(QStringLiteral("Table_Spots"));
    w.show();
    QApplication::processEvents();
    const auto refresh = [&] {
        w.refreshLog();
        table->viewport()->repaint();
    };
    bench::print(QStringLiteral("spots window refresh, %1 spots, log of 9999 records").arg(table->model()->rowCount()),
                 bench::medianMs(21, refresh));
    bench::print(QStringLiteral("  processor time"), medianCpuMs(21, refresh));
}
