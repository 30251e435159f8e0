// What the browser costs: the main window's start-up before and after Qt WebEngine is in the
// process, the first opening of a web window (module and WebEngine start included) and a
// later one, and the memory the browser brings.
#include "bench/bench.h"
#include "bench/sample_log.h"
#include "mainwindow/mainwindow.h"
#include "settings/settings.h"
#include "tests/common/fakes.h"
#include "ui/services.h"
#include "webviews/browser/webengine.h"
#include "webviews/webwindows.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

const QString Call = QStringLiteral("ON4WEB");

struct Program {
    QString dir;
    std::unique_ptr<kastlog::Settings> settings;
    kastlog::test::FakeMessageBox messages;
    kastlog::test::FakeClock clock;
    kastlog::Services services;
};

// One station with a 250-QSO log, and servers on 127.0.0.1's discard port, where nothing
// listens on this kind of machine: the browser answers at once with its own error page, no
// network involved.
Program &program() {
    static Program p = [] {
        Program q;
        q.dir = bench::scratchDir() + QStringLiteral("/webviews");
        QDir().mkpath(q.dir);
        bench::writeRealisticLog(q.dir, Call, 250);
        q.settings = std::make_unique<kastlog::Settings>(q.dir + QStringLiteral("/DNJ.conf"));
        q.settings->setIndicatifStation(Call);
        const QString host = QStringLiteral("127.0.0.1:9");
        q.settings->setValue(kastlog::Settings::commonSection(), QStringLiteral("Serveur Cluster"), host);
        q.settings->setValue(kastlog::Settings::commonSection(), QStringLiteral("Serveur DNJ"), host);
        return q;
    }();
    static bool wired = [] {
        Program &q = p;
        q.services.dataDir = q.dir;
        q.services.settings = q.settings.get();
        q.services.clock = &q.clock;
        q.services.messages = &q.messages;
        q.services.browser = kastlog::lazyWebEngineFactory();
        return true;
    }();
    (void)wired;
    return p;
}

double rssMb() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// The main window as the program builds it, web openers wired in, started and shown.
void mainWindowStartUp(const char *name) {
    Program &p = program();
    std::unique_ptr<kastlog::MainWindow> w;
    const double ms = bench::medianMs(
        15,
        [&] {
            w = std::make_unique<kastlog::MainWindow>(p.services);
            kastlog::addWebOpeners(w->openers(), p.services, *w, w.get());
            w->start();
            QApplication::processEvents();
        },
        [&] { w.reset(); });
    bench::print(QString::fromLatin1(name), ms);
}

struct Opening {
    double shownMs = 0;     // the opener has returned: window up, page asked for
    double answeredMs = 0;  // the browser has finished with the page
};

// Opens the cluster window through its opener and waits for the browser's answer.
Opening openCluster() {
    Program &p = program();
    kastlog::MainWindow w(p.services);
    kastlog::addWebOpeners(w.openers(), p.services, w, &w);
    w.start();
    QElapsedTimer t;
    t.start();
    w.openers().cluster();
    Opening o;
    o.shownMs = t.nsecsElapsed() / 1e6;
    QWidget *view = w.findChild<QWidget *>(QStringLiteral("WebBrowser1"));
    if (view && view->metaObject()->indexOfSignal("loadFinished(bool)") >= 0) {
        QSignalSpy done(view, SIGNAL(loadFinished(bool)));
        done.wait(10000);
    }
    o.answeredMs = t.nsecsElapsed() / 1e6;
    return o;
}

}  // namespace

BENCH_CASE(500, "web: main window start-up, WebEngine not loaded") {
    mainWindowStartUp("main window start-up (250 QSOs), no web window opened yet");
    std::printf("WebEngine module loaded: %s, resident memory %.0f MB\n",
                kastlog::webengine::moduleLoaded() ? "yes" : "no", rssMb());
}

BENCH_CASE(510, "web: first opening of a web window") {
    const double before = rssMb();
    const Opening o = openCluster();
    bench::print(QStringLiteral("first cluster window shown (module and WebEngine start)"), o.shownMs);
    bench::print(QStringLiteral("first cluster window until its page answered"), o.answeredMs);
    std::printf("WebEngine module loaded: %s, resident memory %.0f MB (+%.0f MB)\n",
                kastlog::webengine::moduleLoaded() ? "yes" : "no", rssMb(), rssMb() - before);
}

BENCH_CASE(520, "web: a later opening of a web window") {
    std::vector<double> shown, answered;
    for (int i = 0; i < 7; ++i) {
        const Opening o = openCluster();
        shown.push_back(o.shownMs);
        answered.push_back(o.answeredMs);
    }
    std::sort(shown.begin(), shown.end());
    std::sort(answered.begin(), answered.end());
    bench::print(QStringLiteral("cluster window shown again"), shown[shown.size() / 2]);
    bench::print(QStringLiteral("cluster window again until its page answered"), answered[answered.size() / 2]);
}

BENCH_CASE(530, "web: main window start-up, WebEngine loaded") {
    mainWindowStartUp("main window start-up (250 QSOs), after a web window was opened");
}
