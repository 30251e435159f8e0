// The province map on a log of 9999 records: the marking rule alone (log read included), and
// a whole display of the window ("Afficher": read, mark the boxes, count them back).
#include "bench/bench.h"
#include "bench/sample_log.h"
#include "logstore/logstore.h"
#include "logstore/textfile.h"
#include "ui/openers.h"
#include "reports/map/cartewindow.h"
#include "reports/map/marking.h"
#include "tests/common/fakes.h"
#include "ui/services.h"

#include <QDir>
#include <QLabel>

#include <algorithm>

namespace {
const QString Call = QStringLiteral("ON4MAP");
constexpr int Records = 9999;

QString logDir() {
    static const QString dir = [] {
        const QString d = bench::scratchDir() + QStringLiteral("/map");
        QDir().mkpath(d);
        bench::writeRealisticLog(d, Call, Records);
        return d;
    }();
    return dir;
}

class BenchStation : public kastlog::StationInfo {
public:
    QString stationCall() const override { return Call; }
    QString stationLabelText() const override { return Call; }
};
}  // namespace

BENCH_CASE(400, "map: marking of 9999 records (log read included)") {
    const QString path = kastlog::LogStore(logDir(), Call).logPath();
    int marked = 0;
    bool ok = true;
    const double ms = bench::medianMs(15, [&] {
        const kastlog::ReadResult log = kastlog::readTextFile(path);
        ok = ok && log.ok();
        const kastlog::carte::Marks m = kastlog::carte::provincesContactees(log.lines, QStringLiteral("HF"));
        marked = int(std::count(m.begin(), m.end(), true));
    });
    bench::print(QStringLiteral("map marking HF (%1 provinces)%2").arg(marked).arg(ok ? QString() : QStringLiteral(" FAILED")), ms);
}

BENCH_CASE(410, "map: window display of 9999 records") {
    kastlog::test::FakeMessageBox box;
    BenchStation station;
    kastlog::Services s;
    s.dataDir = logDir();
    s.messages = &box;
    kastlog::CarteActiDnj w(s, station);
    const double ms = bench::medianMs(15, [&] { w.Afficher_Click(); });
    const QString count = w.findChild<QLabel *>(QStringLiteral("NB_Dep"))->text();
    bench::print(QStringLiteral("map display HF (%1 provinces)%2")
                     .arg(count, box.shown.isEmpty() ? QString() : QStringLiteral(" FAILED")), ms);
}
