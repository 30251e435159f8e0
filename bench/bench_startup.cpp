// The start-up seen from outside: the real program and a bare Qt main window, each started
// as a process (offscreen) until it reports its first paint, alternately so that both see
// the same load on the machine; then the resident memory one second after that paint.
#include "bench/bench.h"
#include "bench/sample_log.h"
#ifdef KASTLOG_BENCH_X11
#include "bench/xvisible.h"
#else
namespace bench {
struct XVisible {  // no X library: nothing is watched
    explicit XVisible(const char *) {}
    bool open() const { return false; }
    bool shows(pid_t) const { return false; }
};
}  // namespace bench
#endif
#include "settings/settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <algorithm>
#include <csignal>
#include <poll.h>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Started {
    double ms = -1;  // to the first paint; -1 when the program ended or said nothing
    double visibleMs = -1;  // to its window showing in the X display, when one is watched
    double rssMb = -1;
};

double residentMb(pid_t pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

// Starts `program` with `env`, waits for its "first paint" line (and for its window to show,
// when `x` watches a display), optionally keeps it running `settleMs` to read its memory, then
// ends it.
Started startOnce(const QByteArray &program, const std::vector<QByteArray> &env, int settleMs,
                  const bench::XVisible *x = nullptr) {
    int fds[2];
    if (::pipe(fds) != 0) return {};
    std::vector<char *> envp;
    for (const QByteArray &e : env) envp.push_back(const_cast<char *>(e.constData()));
    envp.push_back(nullptr);
    char *argv[] = {const_cast<char *>(program.constData()), nullptr};

    Started r;
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        ::execve(argv[0], argv, envp.data());
        ::_exit(127);
    }
    ::close(fds[1]);
    QByteArray said;
    char buf[256];
    double painted = -1;
    while (clock.elapsed() < 10000) {
        if (x && r.visibleMs < 0 && x->shows(pid)) r.visibleMs = clock.nsecsElapsed() / 1e6;
        if (painted >= 0 && (!x || r.visibleMs >= 0)) break;
        if (painted >= 0) {  // painted, not yet seen in the display
            ::usleep(500);
            continue;
        }
        pollfd p{fds[0], POLLIN, 0};
        if (::poll(&p, 1, x ? 0 : 10000) <= 0) {
            if (x) ::usleep(500);  // half a millisecond between two looks at the display
            continue;
        }
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n <= 0) break;
        said.append(buf, int(n));
        if (said.contains('\n')) painted = clock.nsecsElapsed() / 1e6;
    }
    if (said.startsWith("first paint")) {
        r.ms = painted;
        if (settleMs > 0) {
            ::usleep(settleMs * 1000);
            r.rssMb = residentMb(pid);
        }
    }
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    ::close(fds[0]);
    return r;
}

double median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

BENCH_CASE(600, "processes to their first paint (offscreen): program on 9999 QSOs, bare Qt window") {
    // A set-up station with its 9999-record log, in per-user folders of the benchmark's own.
    const QString root = bench::scratchDir() + QStringLiteral("/startup");
    const QString data = root + QStringLiteral("/data"), config = root + QStringLiteral("/config");
    const QString programDir = data + QStringLiteral("/DNJ/KASTLOG");
    QDir().mkpath(programDir);
    bench::writeRealisticLog(programDir, QStringLiteral("Q1ABC"), 9999);
    kastlog::Settings(config + QStringLiteral("/DNJ/KASTLOG.conf")).setIndicatifStation(QStringLiteral("Q1ABC"));

    std::vector<QByteArray> env;
    const QProcessEnvironment inherited = QProcessEnvironment::systemEnvironment();
    for (const char *keep : {"PATH", "HOME", "LANG"})
        if (inherited.contains(QLatin1String(keep)))
            env.push_back(QByteArray(keep) + '=' + inherited.value(QLatin1String(keep)).toLocal8Bit());
    // Offscreen by default; KASTLOG_STARTUP_DISPLAY=:N measures in that X display instead,
    // where the program's OpenGL would show (and the paint is not yet the window on screen).
    const QByteArray display = qgetenv("KASTLOG_STARTUP_DISPLAY");
    env.push_back(display.isEmpty() ? QByteArray("QT_QPA_PLATFORM=offscreen") : "QT_QPA_PLATFORM=xcb");
    if (!display.isEmpty()) env.push_back("DISPLAY=" + display);
    const QString runtime = root + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    env.push_back("XDG_RUNTIME_DIR=" + runtime.toLocal8Bit());
    env.push_back("KASTLOG_REPORT_FIRST_PAINT=1");
    env.push_back("XDG_DATA_HOME=" + data.toLocal8Bit());
    env.push_back("XDG_CONFIG_HOME=" + config.toLocal8Bit());

    // The machine is shared: many alternate runs, medians only.
    const int runs = qEnvironmentVariableIntValue("KASTLOG_STARTUP_RUNS") > 0
                         ? qEnvironmentVariableIntValue("KASTLOG_STARTUP_RUNS") : 41;
    const int memoryRuns = 5;
    std::vector<double> program, bare, programRss, bareRss, programShown, bareShown;
    const bench::XVisible x(display.isEmpty() ? nullptr : display.constData());
    const bench::XVisible *watch = x.open() ? &x : nullptr;
    for (int i = 0; i < runs + memoryRuns; ++i) {
        const int settle = i < runs ? 0 : 1000;
        const Started p = startOnce(KASTLOG_PROGRAM, env, settle, watch);
        const Started b = startOnce(KASTLOG_BARE_WINDOW, env, settle, watch);
        if (p.ms < 0 || b.ms < 0) {
            std::printf("  a program ended without painting its window\n");
            return;
        }
        if (i < runs) {
            program.push_back(p.ms);
            bare.push_back(b.ms);
            if (p.visibleMs >= 0 && b.visibleMs >= 0) {
                programShown.push_back(p.visibleMs);
                bareShown.push_back(b.visibleMs);
            }
        } else {
            programRss.push_back(p.rssMb);
            bareRss.push_back(b.rssMb);
        }
    }
    bench::print(QStringLiteral("bare Qt window (%1 runs)").arg(runs), median(bare));
    bench::printRatio(QStringLiteral("program on 9999 QSOs (%1 runs)").arg(runs), median(program), median(bare));
    std::printf("%s\n", display.isEmpty() ? "offscreen" : qPrintable("display " + display));
    if (!programShown.empty()) {
        bench::print(QStringLiteral("bare Qt window shown in the display (%1 runs)").arg(bareShown.size()), median(bareShown));
        bench::printRatio(QStringLiteral("program shown in the display (%1 runs)").arg(programShown.size()),
                          median(programShown), median(bareShown));
    }
    std::printf("resident after start-up: program %.1f MB, bare window %.1f MB (medians of %d)\n",
                median(programRss), median(bareRss), memoryRuns);
}
