// The DX cluster spots: parsing node lines, the window "Spots DX" holding 500 spots marked
// again after a save has rewritten a log of 9999 records, and a node flooding the window.
#include "bench/bench.h"
#include "bench/sample_log.h"
#include "logstore/record.h"
#include "logstore/textfile.h"
#include "settings/settings.h"
#include "spots/spotline.h"
#include "spots/spotswindow.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

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
    kastlog::ui::QtMessageBox messages;
    kastlog::spots::SpotsWindow w(settings, QStringLiteral("ON4BENCH"), [log] { return kastlog::readTextFile(log).lines; }, messages);
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

namespace {

// Resident memory of the process in kB.
long residentKb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray &l : f.readAll().split('\n'))
        if (l.startsWith("VmRSS:")) return l.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// A node on 127.0.0.1 in a thread of its own: asks for the login, then sends `lines` in 100
// packets, one every 10 ms.
class FloodNode {
public:
    explicit FloodNode(const QStringList &lines) {
        for (const QString &l : lines) m_bytes.append(l.toLatin1() + "\r\n");
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listener, reinterpret_cast<sockaddr *>(&a), sizeof a);
        ::listen(m_listener, 1);
        socklen_t n = sizeof a;
        ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&a), &n);
        m_port = ntohs(a.sin_port);
        m_thread = std::thread([this] { run(); });
    }
    ~FloodNode() {
        m_thread.join();
        ::close(m_listener);
    }
    quint16 port() const { return m_port; }
    std::atomic<bool> loggedIn{false};
    std::atomic<bool> done{false};

private:
    void run() {
        const int s = ::accept(m_listener, nullptr, nullptr);
        ::send(s, "login: ", 7, 0);
        QByteArray got;
        char buf[256];
        while (!got.contains('\n')) {
            const ssize_t r = ::recv(s, buf, sizeof buf, 0);
            if (r <= 0) break;
            got.append(buf, r);
        }
        loggedIn = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the measure starts
        const qsizetype packet = m_bytes.size() / 100 + 1;
        for (qsizetype at = 0; at < m_bytes.size(); at += packet) {
            const QByteArray p = m_bytes.mid(at, packet);
            ::send(s, p.constData(), size_t(p.size()), 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        done = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        ::close(s);
    }
    QByteArray m_bytes;
    int m_listener = -1;
    quint16 m_port = 0;
    std::thread m_thread;
};

}  // namespace

BENCH_CASE(720, "spots: a node sending 10 000 spots in one second") {
    const QString dir = bench::scratchDir() + QStringLiteral("/flood");
    QDir().mkpath(dir);
    const QString log = bench::writeRealisticLog(dir, QStringLiteral("ON4BENCH"), 9999);
    kastlog::Settings settings(dir + QStringLiteral("/settings.ini"));
    const QStringList lines = spotLines(10000);
    FloodNode node(lines);
    settings.setClusterTelnet(QStringLiteral("127.0.0.1:%1").arg(node.port()));
    kastlog::ui::QtMessageBox messages;
    kastlog::spots::SpotsWindow w(settings, QStringLiteral("ON4BENCH"), [log] { return kastlog::readTextFile(log).lines; }, messages);
    int received = 0;
    QObject::connect(&w.client(), &kastlog::spots::NodeClient::lineReceived, [&received] { ++received; });
    w.show();
    w.start();
    QElapsedTimer limit;
    limit.start();
    while (!node.loggedIn && limit.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 10);
    for (int i = 0; i < 20; ++i) QApplication::processEvents(QEventLoop::AllEvents, 10);
    const long kbBefore = residentKb();
    const double cpuBefore = threadCpuMs();
    QElapsedTimer wall;
    wall.start();
    // An event loop that sleeps between events: processEvents() with a time limit would spin,
    // and the spinning would be counted as the window's processor time.
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if ((received >= lines.size() && node.done) || limit.elapsed() >= 20000) loop.quit();
    });
    check.start(20);
    loop.exec();
    const double cpu = threadCpuMs() - cpuBefore;
    const long kb = residentKb() - kbBefore;
    auto *table = w.findChild<QTableView *>(QStringLiteral("Table_Spots"));
    std::printf("spots flood: %d lines in %.0f ms, processor %.1f ms, memory %+ld kB, %d rows\n", received,
                double(wall.elapsed()), cpu, kb, table->model()->rowCount());
    std::fflush(stdout);
    w.client().disconnectFromNode();
}
