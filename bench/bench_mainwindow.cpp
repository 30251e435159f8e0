// The main window over a 9999-record log: the start-up to the shown window with the last
// line selected, and one save (confirm, rewrite, reload, select).
#include "bench/bench.h"
#include "bench/sample_log.h"
#include "logstore/clock.h"
#include "mainwindow/mainwindow.h"
#include "settings/settings.h"
#include "tests/common/fakes.h"
#include "ui/services.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

struct Station {
    QString dir = bench::scratchDir() + QStringLiteral("/main");
    kastlog::Settings settings{dir + QStringLiteral("/DNJ.conf")};
    kastlog::test::FakeClock clock;
    kastlog::test::FakeMessageBox messages;
    kastlog::Services services;
    Station() {
        QDir().mkpath(dir);
        bench::writeRealisticLog(dir, QStringLiteral("Q1ABC"), 9999);
        settings.setIndicatifStation(QStringLiteral("Q1ABC"));
        services.dataDir = dir;
        services.settings = &settings;
        services.clock = &clock;
        services.messages = &messages;
    }
    std::unique_ptr<kastlog::MainWindow> open() {
        auto w = std::make_unique<kastlog::MainWindow>(services);
        w->setProgramEnd([] {});
        w->start();
        QCoreApplication::processEvents();  // shown and painted
        return w;
    }
};

void typeIn(kastlog::MainWindow &w, const char *field, const QString &text) {
    QWidget *f = w.findChild<QWidget *>(QString::fromLatin1(field));
    if (auto *e = qobject_cast<QLineEdit *>(f)) e->clear();
    QTest::keyClicks(f, text);
    QTest::keyClick(f, Qt::Key_Return);
}

}  // namespace

BENCH_CASE(200, "main window start-up, 9999 records, last line selected") {
    Station s;
    std::unique_ptr<kastlog::MainWindow> w;
    const double ms = bench::medianMs(15, [&] { w = s.open(); }, [&] { w.reset(); });
    if (w->findChild<QListView *>(QStringLiteral("Liste_DNJ"))->currentIndex().row() != 9998)
        std::printf("  (last line not selected!)\n");
    bench::print(QStringLiteral("main start-up"), ms);
}

BENCH_CASE(201, "main window save of one QSO on 9999 records") {
    Station s;
    auto w = s.open();
    int n = 0;
    const double ms = bench::medianMs(
        15, [&] { w->findChild<QPushButton *>(QStringLiteral("Valide_A"))->click(); },
        [&] {
            // The QSO typed as an operator would, untimed; a reference no log holds.
            typeIn(*w, "Ind_A", QStringLiteral("F6ABC"));
            typeIn(*w, "Prenom_A", QStringLiteral("JEAN"));
            typeIn(*w, "Ref_A", QStringLiteral("ZZ%1").arg(n++, 3, 10, QLatin1Char('0')));
            for (const char *f : {"Mode_A", "RST_A", "RSTE_A", "Rem_A", "QSL_A"}) typeIn(*w, f, QString());
        });
    bench::print(QStringLiteral("main save"), ms);
    const int lines = w->mainListLines().size();
    if (lines != 9999 + 15) std::printf("  (expected %d lines, found %d)\n", 9999 + 15, lines);
}
