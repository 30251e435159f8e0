// The radio through rigctld over Hamlib's dummy radio: the time from a change made at the
// radio to the new band in Bande_A, and the processor time of the idle program polling it.
#include "bench/bench.h"
#include "bench/sample_log.h"
#include "mainwindow/mainwindow.h"
#include "settings/settings.h"
#include "tests/common/fakes.h"
#include "tests/common/rigctld.h"
#include "ui/services.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

// Lets the event loop run for `ms` milliseconds.
void run(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// User and system processor time of a process so far, in seconds, from /proc.
double processorSeconds(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    const QByteArray s = stat.readAll();
    // The fields after the command's closing parenthesis: state is the 3rd, utime the 14th.
    const QList<QByteArray> f = s.mid(s.lastIndexOf(')') + 2).split(' ');
    return (f.value(11).toDouble() + f.value(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

}  // namespace

BENCH_CASE(730, "radio: a change at the dummy radio to the new band in Bande_A") {
    kastlog::test::Rigctld daemon;
    if (!daemon.started()) return (void)std::printf("  %s\n", qPrintable(daemon.why()));
    const QString dir = bench::scratchDir() + QStringLiteral("/radio");
    QDir().mkpath(dir);
    bench::writeRealisticLog(dir, QStringLiteral("Q1ABC"), 9999);
    kastlog::Settings settings(dir + QStringLiteral("/DNJ.conf"));
    settings.setIndicatifStation(QStringLiteral("Q1ABC"));
    settings.setRadioRigctld(daemon.address());
    kastlog::test::FakeClock clock;
    kastlog::test::FakeMessageBox messages;
    kastlog::Services services;
    services.dataDir = dir;
    services.settings = &settings;
    services.clock = &clock;
    services.messages = &messages;
    kastlog::MainWindow w(services);
    w.setProgramEnd([] {});
    w.start();
    auto *band = w.findChild<QComboBox *>(QStringLiteral("Bande_A"));
    const int interval = settings.radioIntervalle();

    // Until Bande_A shows `label`; milliseconds, -1 after 3 s.
    auto waitFor = [band](const QString &label) {
        QElapsedTimer t;
        t.start();
        while (band->currentText() != label && t.elapsed() < 3000) run(1);
        return band->currentText() == label ? t.nsecsElapsed() / 1e6 : -1.0;
    };
    if (waitFor(QStringLiteral("144 Mhz")) < 0) return (void)std::printf("  the entry does not follow the radio\n");
    std::vector<double> ms;
    QRandomGenerator rng(22);
    for (int i = 0; i < 41; ++i) {
        run(int(rng.bounded(interval)));  // anywhere in the poll cycle
        const bool forty = i % 2 == 0;
        daemon.set(forty ? 7012000 : 14285000);
        const double t = waitFor(forty ? QStringLiteral("7.0 Mhz") : QStringLiteral("14 Mhz"));
        if (t < 0) return (void)std::printf("  change %d not followed within 3 s\n", i);
        ms.push_back(t);
    }
    bench::print(QStringLiteral("radio change to Bande_A, poll every %1 ms (goal: under %2 ms), 41 changes")
                     .arg(interval)
                     .arg(interval + 50),
                 median(ms));
    std::printf("  slowest %.1f ms\n", *std::max_element(ms.begin(), ms.end()));
}

BENCH_CASE(731, "radio: processor time of the idle program polling the dummy radio") {
#ifdef KASTLOG_PROGRAM
    kastlog::test::Rigctld daemon;
    if (!daemon.started()) return (void)std::printf("  %s\n", qPrintable(daemon.why()));
    const QString root = bench::scratchDir() + QStringLiteral("/radio-cpu");
    const QString programDir = root + QStringLiteral("/data/DNJ/KASTLOG");
    QDir().mkpath(programDir);
    bench::writeRealisticLog(programDir, QStringLiteral("Q1ABC"), 9999);
    kastlog::Settings settings(root + QStringLiteral("/config/DNJ/KASTLOG.conf"));
    settings.setIndicatifStation(QStringLiteral("Q1ABC"));
    QDir().mkpath(root + QStringLiteral("/runtime"));
    QFile::setPermissions(root + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), root + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), root + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("KASTLOG_REPORT_FIRST_PAINT"), QStringLiteral("1"));

    const int seconds = qEnvironmentVariableIntValue("KASTLOG_RADIO_CPU_SECONDS") > 0
                            ? qEnvironmentVariableIntValue("KASTLOG_RADIO_CPU_SECONDS") : 30;
    // Percent of one core over `seconds`, once the window is up and the radio read.
    auto idleCpu = [&](bool radio) {
        settings.setRadioRigctld(radio ? daemon.address() : QString());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(KASTLOG_PROGRAM), QStringList{});
        if (!program.waitForReadyRead(10000)) return -1.0;
        ::sleep(3);
        const double before = processorSeconds(program.processId());
        ::sleep(unsigned(seconds));
        const double after = processorSeconds(program.processId());
        program.terminate();
        program.waitForFinished(5000);
        return before < 0 || after < 0 ? -1.0 : (after - before) * 100.0 / seconds;
    };
    const double polling = idleCpu(true), idle = idleCpu(false);
    std::printf("idle program polling the radio every %d ms: %.2f %% of one core over %d s (goal: under 0.5 %%); "
                "without a radio: %.2f %%\n",
                settings.radioIntervalle(), polling, seconds, idle);
    std::fflush(stdout);
#endif
}
